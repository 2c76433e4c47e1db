#include "app/run_directory.h"
#include <gtest/gtest.h>

namespace {

struct RunDirectoryCase {
    const char* exePath;
    UINT codePage;
    const char* expected;
};

// 0x95 0x5C is one GBK character whose second byte is a backslash: under code page 936 it must
// not end the directory, under a single-byte code page it is a backslash like any other.
const RunDirectoryCase kCases[] = {
    {"C:\\Tools\\Veldrane.exe", 936, "C:\\Tools"},
    {"C:\\Veldrane.exe", 936, "C:"},
    {"Veldrane.exe", 936, ""},
    {"", 936, ""},
    {"C:\\Tools\\\x95\x5C.exe", 936, "C:\\Tools"},
    {"C:\\\x95\x5C\\Veldrane.exe", 936, "C:\\\x95\x5C"},
    {"C:\\Tools\\\x95\x5C.exe", 1252, "C:\\Tools\\\x95"},
    {"\\\\server\\share\\Veldrane.exe", 936, "\\\\server\\share"},
};

TEST(RunDirectory, IsEverythingBeforeTheLastRealBackslash)
{
    for (const RunDirectoryCase& c : kCases) {
        EXPECT_EQ(RunDirectoryOf(c.exePath, c.codePage), c.expected) << c.exePath << " in " << c.codePage;
    }
}

}  // namespace
