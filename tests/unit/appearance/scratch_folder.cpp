#include "scratch_folder.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

namespace {

void RemoveTree(const std::string& path)
{
    SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
    if (!(GetFileAttributesA(path.c_str()) & FILE_ATTRIBUTE_DIRECTORY)) {
        DeleteFileA(path.c_str());
        return;
    }
    WIN32_FIND_DATAA found = {};
    const HANDLE search = FindFirstFileA((path + "\\*").c_str(), &found);
    if (search != INVALID_HANDLE_VALUE) {
        do {
            const std::string name = found.cFileName;
            if (name != "." && name != "..")
                RemoveTree(path + "\\" + name);
        } while (FindNextFileA(search, &found));
        FindClose(search);
    }
    RemoveDirectoryA(path.c_str());
}

}  // namespace

ScratchFolder::ScratchFolder()
{
    static int made = 0;
    char temp[MAX_PATH] = {};
    GetTempPathA(sizeof(temp), temp);
    path_ = std::string(temp) + "veldrane-appearance-" + std::to_string(GetCurrentProcessId()) + "-" +
            std::to_string(++made);
    RemoveTree(path_);
    EXPECT_TRUE(CreateDirectoryA(path_.c_str(), nullptr)) << path_;
}

ScratchFolder::~ScratchFolder() { RemoveTree(path_); }

std::vector<unsigned char> ReadWholeFile(const std::string& path)
{
    std::ifstream file(path, std::ios::binary);
    EXPECT_TRUE(file.good()) << "cannot read " << path;
    return { std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>() };
}

void WriteWholeFile(const std::string& path, const std::vector<unsigned char>& bytes)
{
    std::ofstream file(path, std::ios::binary);
    file.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    EXPECT_TRUE(file.good()) << "cannot write " << path;
}

DWORD AttributesOf(const std::string& path)
{
    const DWORD attributes = GetFileAttributesA(path.c_str());
    return attributes == INVALID_FILE_ATTRIBUTES ? attributes : attributes & ~FILE_ATTRIBUTE_ARCHIVE;
}
