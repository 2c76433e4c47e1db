// Generate's file operation on real files: a fresh folder, a file that is already there, a
// folder that is missing, a read-only file and a disk that fills up part way.
#include "folderview/commands.h"
#include "folderview/folder_view_file.h"
#include <gtest/gtest.h>
#include <windows.h>
#include <cstdlib>
#include <string>

namespace {

std::string ReadWholeFile(const std::string& path)
{
    std::string content;
    const HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) return "<missing>";
    char buffer[4096];
    DWORD read = 0;
    while (ReadFile(file, buffer, sizeof buffer, &read, nullptr) && read > 0) content.append(buffer, read);
    CloseHandle(file);
    return content;
}

void WriteWholeFile(const std::string& path, const std::string& content)
{
    const HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(file, INVALID_HANDLE_VALUE) << path;
    DWORD written = 0;
    WriteFile(file, content.data(), static_cast<DWORD>(content.size()), &written, nullptr);
    CloseHandle(file);
    ASSERT_EQ(written, content.size()) << path;
}

std::string Joined(const std::string& picturePath)
{
    std::string content;
    for (const std::string& line : FolderViewFileLines(picturePath)) content += line;
    return content;
}

// A folder of the test's own in the temporary folder, removed with everything in it.
class FolderViewWriter : public ::testing::Test {
protected:
    void SetUp() override
    {
        char temp[MAX_PATH];
        GetTempPathA(sizeof temp, temp);
        folder_ = std::string(temp) + "veldrane-writer-" + std::to_string(GetCurrentProcessId());
        ASSERT_TRUE(CreateDirectoryA(folder_.c_str(), nullptr)) << folder_;
    }
    void TearDown() override
    {
        const std::string file = FolderViewFilePath(folder_);
        SetFileAttributesA(file.c_str(), FILE_ATTRIBUTE_NORMAL);
        DeleteFileA(file.c_str());
        RemoveDirectoryA(folder_.c_str());
    }
    std::string folder_;
};

TEST_F(FolderViewWriter, WritesTheSevenLinesAndHidesTheFile)
{
    const std::string path = FolderViewFilePath(folder_);
    ASSERT_TRUE(WriteFolderViewFile(path, "C:\\a.jpg"));
    EXPECT_EQ(ReadWholeFile(path), Joined("C:\\a.jpg"));
    EXPECT_EQ(ReadWholeFile(path).size(), 219u);
    const DWORD attributes = GetFileAttributesA(path.c_str());
    EXPECT_TRUE(attributes & FILE_ATTRIBUTE_HIDDEN);
    EXPECT_FALSE(attributes & (FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_SYSTEM));
}

TEST_F(FolderViewWriter, ReplacesAPlainFileThatIsThere)
{
    const std::string path = FolderViewFilePath(folder_);
    WriteWholeFile(path, std::string(1000, 'x'));
    ASSERT_TRUE(WriteFolderViewFile(path, " "));
    EXPECT_EQ(ReadWholeFile(path), Joined(" "));
}

TEST_F(FolderViewWriter, CreatesNothingInAMissingFolder)
{
    const std::string path = FolderViewFilePath(folder_ + "\\missing");
    EXPECT_FALSE(WriteFolderViewFile(path, "C:\\a.jpg"));
    EXPECT_EQ(GetFileAttributesA(path.c_str()), INVALID_FILE_ATTRIBUTES);
}

TEST_F(FolderViewWriter, LeavesARefusingFileAsItWas)
{
    const std::string path = FolderViewFilePath(folder_);
    WriteWholeFile(path, "old");
    ASSERT_TRUE(SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_READONLY));
    EXPECT_FALSE(WriteFolderViewFile(path, "C:\\a.jpg"));
    EXPECT_EQ(ReadWholeFile(path), "old");
    const DWORD attributes = GetFileAttributesA(path.c_str());
    EXPECT_TRUE(attributes & FILE_ATTRIBUTE_READONLY);
    EXPECT_FALSE(attributes & FILE_ATTRIBUTE_HIDDEN);
}

// The test harness mounts a tiny disk as T:; a filler leaves it one page of room, so the file
// is created and its first lines fit, but a long fifth line does not.
TEST(FolderViewWriterOnAFullDisk, LeavesNoHalfWrittenFile)
{
    if (!std::getenv("VELDRANE_FULL_DISK")) GTEST_SKIP() << "no small disk mounted as T:";
    ULARGE_INTEGER freeBytes = {};
    ASSERT_TRUE(GetDiskFreeSpaceExA("T:\\", &freeBytes, nullptr, nullptr));
    ASSERT_GT(freeBytes.QuadPart, 4096u);
    const std::string filler = "T:\\veldrane-filler";
    WriteWholeFile(filler, std::string(static_cast<std::size_t>(freeBytes.QuadPart - 4096), '\0'));

    const std::string path = FolderViewFilePath("T:");
    const bool written = WriteFolderViewFile(path, "C:\\" + std::string(6000, 'a') + ".jpg");
    const std::string left = ReadWholeFile(path);
    DeleteFileA(path.c_str());
    DeleteFileA(filler.c_str());

    EXPECT_FALSE(written);
    EXPECT_EQ(left, "<missing>");
}

}  // namespace
