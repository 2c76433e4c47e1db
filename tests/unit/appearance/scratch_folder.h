// A fresh folder of a test's own under the temporary directory, removed with all it holds
// (hidden and read-only entries too) when the test is done; and small file readers.
#pragma once
#include <windows.h>

#include <string>
#include <vector>

class ScratchFolder {
public:
    ScratchFolder();
    ~ScratchFolder();
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

    const std::string& path() const { return path_; }
    std::string operator/(const std::string& name) const { return path_ + "\\" + name; }

private:
    std::string path_;
};

// Every byte of a file; fails the calling test when the file cannot be read.
std::vector<unsigned char> ReadWholeFile(const std::string& path);

void WriteWholeFile(const std::string& path, const std::vector<unsigned char>& bytes);

// The attributes Windows would report: Wine adds the archive flag to every file.
DWORD AttributesOf(const std::string& path);
