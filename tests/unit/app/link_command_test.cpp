#include "app/link_command.h"
#include <gtest/gtest.h>

namespace {

struct CommandCase {
    const char* registered;
    const char* expected;
};

const CommandCase kCases[] = {
    {"\"C:\\Program Files\\Browser\\browser.exe\" \"%1\"", "\"C:\\Program Files\\Browser\\browser.exe\"  https://a.example/x"},
    {"C:\\browser.exe %1", "C:\\browser.exe  https://a.example/x"},
    {"C:\\browser.exe -nohome", "C:\\browser.exe -nohome https://a.example/x"},
    {"C:\\browser.exe -url \"%1\" -new \"%1\"", "C:\\browser.exe -url  https://a.example/x"},
    {"%1", " https://a.example/x"},
    {"\"%1\"", " https://a.example/x"},
    {"", " https://a.example/x"},
};

TEST(BrowserCommandLine, CutsBeforeTheFirstPlaceholderAndAppendsTheAddress)
{
    for (const CommandCase& c : kCases) {
        EXPECT_EQ(BrowserCommandLine(c.registered, "https://a.example/x"), c.expected) << c.registered;
    }
}

}  // namespace
