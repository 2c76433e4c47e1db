// Files, bytes and attributes as the tests see them, and the few things only the Linux side
// can do for a test under Wine: deny writes to a folder, map a drive letter, fill a disk.
// Paths are Windows paths in the ANSI code page (GBK under Wine's zh_CN locale).
#pragma once
#include <windows.h>
#include <string>
#include <vector>

namespace e2e {

// A fresh empty folder under the Wine user's temporary folder; on destruction it is removed
// with everything in it, attributes and write protection notwithstanding.
class ScratchDir {
public:
    explicit ScratchDir(const std::string& tag = "dir");
    ~ScratchDir();
    ScratchDir(const ScratchDir&) = delete;
    ScratchDir& operator=(const ScratchDir&) = delete;

    // Without a trailing backslash.
    const std::string& path() const { return path_; }
    // path() + "\" + name.
    std::string operator/(const std::string& name) const { return path_ + "\\" + name; }

private:
    std::string path_;
};

bool Exists(const std::string& path);
std::string ReadBytes(const std::string& path);  // throws DriverError when it cannot be read
void WriteBytes(const std::string& path, const std::string& bytes);
// The names in a folder, sorted, without "." and "..".
std::vector<std::string> ListDir(const std::string& dir);
void RemoveTree(const std::string& path);

DWORD Attributes(const std::string& path);  // throws when the path does not exist
// Wine reports FILE_ATTRIBUTE_ARCHIVE on every file, so tests compare the rest.
DWORD AttributesWithoutArchive(const std::string& path);
void SetAttributes(const std::string& path, DWORD attributes);

// The Linux path Wine maps a Windows path to, and the Windows path of a Linux one (Z:).
std::string UnixPath(const std::string& windowsPath);
std::string WindowsPathOfUnix(const std::string& unixPath);

// Runs a Linux program (Wine starts ELF files as they are) and throws unless it exits with 0.
void RunLinux(const std::vector<std::string>& argv);

// Takes the write permission of a folder away from everybody, on the Linux side, because Wine
// ignores FILE_ATTRIBUTE_READONLY on folders; gives it back on destruction. When the test runs
// with privileges that ignore permissions (root), effective() is false: skip such a test.
class WriteProtection {
public:
    explicit WriteProtection(const std::string& dir);
    ~WriteProtection();
    WriteProtection(const WriteProtection&) = delete;
    WriteProtection& operator=(const WriteProtection&) = delete;
    bool effective() const { return effective_; }

private:
    std::string unixDir_;
    bool effective_;
};

// Maps a drive letter (the first free one from 'X' down) to a folder while it lives, by a
// symbolic link among the prefix's dosdevices; "X:\" is then the folder.
class DriveLetter {
public:
    explicit DriveLetter(const std::string& targetDir);
    ~DriveLetter();
    DriveLetter(const DriveLetter&) = delete;
    DriveLetter& operator=(const DriveLetter&) = delete;
    std::string root() const { return std::string(1, letter_) + ":"; }  // "X:", no backslash

private:
    char letter_;
    std::string link_;
};

// Fills the tmpfs seen as T: (Linux path in VELDRANE_FULL_DISK) until not one more byte fits,
// and frees it again on destruction. Only one may live at a time.
class FullDisk {
public:
    FullDisk();
    ~FullDisk();
    FullDisk(const FullDisk&) = delete;
    FullDisk& operator=(const FullDisk&) = delete;
    // "T:\veldrane-e2e-full": an empty folder on the full disk (made before filling).
    const std::string& dir() const { return dir_; }

private:
    std::string dir_;
    std::string filler_;
};

}  // namespace e2e
