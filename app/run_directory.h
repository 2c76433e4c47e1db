// The rule that turns the executable's full path into the run directory.
#pragma once
#include <windows.h>
#include <string>

// Everything before the last backslash of `exePath`, stepping through it character by
// character in `codePage`, so that the second byte of a double-byte character (which may be
// 0x5C) is never taken for a backslash. "" when the path has no backslash.
std::string RunDirectoryOf(const char* exePath, UINT codePage);
