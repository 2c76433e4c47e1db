#include "driver/files.h"

#include <algorithm>
#include <atomic>
#include <cstdlib>

#include "driver/handle.h"
#include "driver/wait.h"

namespace e2e {
namespace {

std::string LastErrorText(const std::string& what)
{
    return what + " (error " + std::to_string(GetLastError()) + ")";
}

std::string TempFolder()
{
    char buffer[MAX_PATH] = {};
    const DWORD length = GetTempPathA(MAX_PATH, buffer);
    if (length == 0 || length >= MAX_PATH)
        throw DriverError(LastErrorText("GetTempPathA failed"));
    return std::string(buffer, length);  // ends in a backslash
}

// Wine's own export; the test programs run under Wine only.
using UnixNameFn = char*(CDECL*)(const WCHAR*);

std::wstring Widen(const std::string& ansi)
{
    const int length = MultiByteToWideChar(CP_ACP, 0, ansi.c_str(), -1, nullptr, 0);
    std::wstring wide(length, L'\0');
    MultiByteToWideChar(CP_ACP, 0, ansi.c_str(), -1, wide.data(), length);
    wide.resize(length - 1);
    return wide;
}

// For the Linux shell; the paths the driver passes hold no single quote.
std::string ShellQuote(const std::string& argument)
{
    return "'" + argument + "'";
}

std::string RequiredEnv(const char* name)
{
    const char* value = std::getenv(name);
    if (!value || !*value)
        throw DriverError(std::string("the environment has no ") + name + "; run the tests through scripts/test");
    return value;
}

// Writes until the disk refuses; returns how many bytes went in.
size_t WriteUntilRefused(HANDLE file, const std::string& chunk)
{
    size_t total = 0;
    DWORD written = 0;
    while (WriteFile(file, chunk.data(), DWORD(chunk.size()), &written, nullptr) && written == chunk.size())
        total += written;
    return total + written;
}

}  // namespace

ScratchDir::ScratchDir(const std::string& tag)
{
    static std::atomic<int> counter{0};
    path_ = TempFolder() + "veldrane-e2e-" + std::to_string(GetCurrentProcessId()) + "-" +
            std::to_string(++counter) + "-" + tag;
    RemoveTree(path_);  // a leftover of an earlier process with a recycled id
    if (!CreateDirectoryA(path_.c_str(), nullptr))
        throw DriverError(LastErrorText("cannot create the scratch folder " + path_));
}

ScratchDir::~ScratchDir()
{
    RemoveTree(path_);
}

bool Exists(const std::string& path)
{
    return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

std::string ReadBytes(const std::string& path)
{
    UniqueHandle file = OwnHandle(CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                              nullptr, OPEN_EXISTING, 0, nullptr));
    if (!file)
        throw DriverError(LastErrorText("cannot open " + path + " for reading"));
    std::string bytes;
    char buffer[4096];
    DWORD read = 0;
    while (ReadFile(file.get(), buffer, sizeof buffer, &read, nullptr) && read > 0)
        bytes.append(buffer, read);
    return bytes;
}

void WriteBytes(const std::string& path, const std::string& bytes)
{
    UniqueHandle file = OwnHandle(CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                              FILE_ATTRIBUTE_NORMAL, nullptr));
    DWORD written = 0;
    if (!file || !WriteFile(file.get(), bytes.data(), DWORD(bytes.size()), &written, nullptr) ||
        written != bytes.size())
        throw DriverError(LastErrorText("cannot write " + path));
}

std::vector<std::string> ListDir(const std::string& dir)
{
    std::vector<std::string> names;
    WIN32_FIND_DATAA found = {};
    HANDLE search = FindFirstFileA((dir + "\\*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE)
        return names;
    do {
        const std::string name = found.cFileName;
        if (name != "." && name != "..")
            names.push_back(name);
    } while (FindNextFileA(search, &found));
    FindClose(search);
    std::sort(names.begin(), names.end());
    return names;
}

void RemoveTree(const std::string& path)
{
    const DWORD attributes = GetFileAttributesA(path.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES)
        return;
    SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
    if (attributes & FILE_ATTRIBUTE_DIRECTORY) {
        for (const std::string& name : ListDir(path))
            RemoveTree(path + "\\" + name);
        RemoveDirectoryA(path.c_str());
    } else {
        DeleteFileA(path.c_str());
    }
}

DWORD Attributes(const std::string& path)
{
    const DWORD attributes = GetFileAttributesA(path.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES)
        throw DriverError(LastErrorText("no attributes for " + path));
    return attributes;
}

DWORD AttributesWithoutArchive(const std::string& path)
{
    return Attributes(path) & ~DWORD(FILE_ATTRIBUTE_ARCHIVE);
}

void SetAttributes(const std::string& path, DWORD attributes)
{
    if (!SetFileAttributesA(path.c_str(), attributes))
        throw DriverError(LastErrorText("cannot set the attributes of " + path));
}

std::string UnixPath(const std::string& windowsPath)
{
    const auto toUnix = reinterpret_cast<UnixNameFn>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("kernel32.dll"), "wine_get_unix_file_name")));
    if (!toUnix)
        throw DriverError("wine_get_unix_file_name is missing: the end-to-end tests run under Wine only");
    char* unixName = toUnix(Widen(windowsPath).c_str());
    if (!unixName)
        throw DriverError("Wine has no Linux path for " + windowsPath);
    std::string result = unixName;
    HeapFree(GetProcessHeap(), 0, unixName);
    return result;
}

std::string WindowsPathOfUnix(const std::string& unixPath)
{
    std::string path = "Z:" + unixPath;
    std::replace(path.begin(), path.end(), '/', '\\');
    return path;
}

void RunLinux(const std::vector<std::string>& argv)
{
    // Wine starts a Linux program but gives no handle to wait on: the shell around it leaves
    // the exit status in a file, and the driver waits for that.
    const ScratchDir statusDir("linux");
    const std::string statusFile = statusDir / "status";
    std::string command;
    for (const std::string& argument : argv)
        command += ShellQuote(argument) + " ";
    command += "; echo $? > " + ShellQuote(UnixPath(statusFile));
    // Wine splits the command line by the rules of Windows, where only double quotes group.
    std::string commandLine = "/bin/sh -c \"" + command + "\"";
    STARTUPINFOA startup = { sizeof(startup) };
    PROCESS_INFORMATION process = {};
    if (!CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                        &process))
        throw DriverError(LastErrorText("cannot start " + commandLine));
    UniqueHandle processHandle = OwnHandle(process.hProcess);
    UniqueHandle threadHandle = OwnHandle(process.hThread);
    std::string status;
    WaitFor(commandLine + " to finish", [&] {
        status = Exists(statusFile) ? ReadBytes(statusFile) : "";
        return status.find('\n') != std::string::npos;
    });
    if (status != "0\n")
        throw DriverError(commandLine + " exited with " + status);
}

WriteProtection::WriteProtection(const std::string& dir) : unixDir_(UnixPath(dir))
{
    RunLinux({"/bin/chmod", "a-w", unixDir_});
    const std::string probe = dir + "\\write-probe";
    UniqueHandle file = OwnHandle(CreateFileA(probe.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, 0, nullptr));
    effective_ = !file;
    file.reset();
    DeleteFileA(probe.c_str());
}

WriteProtection::~WriteProtection()
{
    try {
        RunLinux({"/bin/chmod", "u+w", unixDir_});
    } catch (const DriverError&) {
        // The scratch folder's removal reports what is left behind.
    }
}

DriveLetter::DriveLetter(const std::string& targetDir)
{
    const DWORD used = GetLogicalDrives();
    letter_ = 'X';
    while (letter_ > 'D' && (used & (1u << (letter_ - 'A'))))
        --letter_;
    link_ = RequiredEnv("WINEPREFIX") + "/dosdevices/" + char(letter_ - 'A' + 'a') + ":";
    RunLinux({"/bin/ln", "-sfn", UnixPath(targetDir), link_});
    WaitFor("drive " + root() + " to appear", [&] { return Exists(root() + "\\"); });
}

DriveLetter::~DriveLetter()
{
    try {
        RunLinux({"/bin/rm", "-f", link_});
    } catch (const DriverError&) {
        // A stale link only maps a letter that the next session's fresh prefix will not have.
    }
}

FullDisk::FullDisk() : dir_("T:\\veldrane-e2e-full"), filler_("T:\\veldrane-e2e-filler")
{
    RequiredEnv("VELDRANE_FULL_DISK");
    RemoveTree(dir_);
    RemoveTree(filler_);
    if (!CreateDirectoryA(dir_.c_str(), nullptr))
        throw DriverError(LastErrorText("cannot create " + dir_ + " on the small disk T:"));
    UniqueHandle file = OwnHandle(CreateFileA(filler_.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                              FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file)
        throw DriverError(LastErrorText("cannot create the filler " + filler_));
    // Big chunks first, then ever smaller ones, so that the last page is full to the byte.
    for (size_t size = 1 << 16; size > 0; size /= 16)
        WriteUntilRefused(file.get(), std::string(size, 'F'));
    ULARGE_INTEGER freeBytes = {};
    GetDiskFreeSpaceExA("T:\\", &freeBytes, nullptr, nullptr);
    if (freeBytes.QuadPart >= 4096)
        throw DriverError("T: still has " + std::to_string(freeBytes.QuadPart) + " bytes free after filling");
}

FullDisk::~FullDisk()
{
    RemoveTree(filler_);
    RemoveTree(dir_);
}

}  // namespace e2e
