#include "app/run_directory.h"

std::string RunDirectoryOf(const char* exePath, UINT codePage)
{
    const char* lastBackslash = nullptr;
    for (const char* p = exePath; *p; p = CharNextExA(static_cast<WORD>(codePage), p, 0)) {
        if (*p == '\\') lastBackslash = p;
    }
    return lastBackslash ? std::string(exePath, lastBackslash) : std::string();
}
