// Deploying the engine file into real folders: written once and hidden when nothing is there,
// everything already there left exactly as it was, nothing torn left on a full disk.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "appearance/engine_deployment.h"
#include "scratch_folder.h"

namespace {

std::vector<unsigned char> PatternBytes(size_t size)
{
    std::vector<unsigned char> bytes(size);
    for (size_t i = 0; i < size; ++i)
        bytes[i] = static_cast<unsigned char>(i * 7 + i / 251);
    return bytes;
}

ByteSpan SpanOf(const std::vector<unsigned char>& bytes)
{
    return { bytes.data(), static_cast<uint32_t>(bytes.size()) };
}

bool Exists(const std::string& path)
{
    return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

}  // namespace

TEST(EnginePath, IsTheRunDirectoryAndTheLibraryNameWithOneBackslash)
{
    EXPECT_EQ(EnginePath("C:\\Tools\\Veldrane"), "C:\\Tools\\Veldrane\\Veneer.dll");
    EXPECT_EQ(EnginePath("X:"), "X:\\Veneer.dll");
}

TEST(DeployEngineAt, WritesThePayloadAsAHiddenFileWhenNothingIsThere)
{
    const ScratchFolder folder;
    const std::vector<unsigned char> payload = PatternBytes(300 * 1024 + 5);
    DeployEngineAt(folder / "Veneer.dll", SpanOf(payload));
    EXPECT_TRUE(ReadWholeFile(folder / "Veneer.dll") == payload);
    EXPECT_EQ(AttributesOf(folder / "Veneer.dll"), static_cast<DWORD>(FILE_ATTRIBUTE_HIDDEN));
}

struct PresentEntry {
    const char* what;
    std::vector<unsigned char> bytes;
    DWORD attributes;
};

TEST(DeployEngineAt, LeavesAnyFileOfThatNameAsItIs)
{
    const std::vector<unsigned char> payload = PatternBytes(4096);
    const PresentEntry cases[] = {
        { "an empty file", {}, FILE_ATTRIBUTE_NORMAL },
        { "a foreign file", { 'n', 'o', 't', ' ', 'a', ' ', 'd', 'l', 'l' }, FILE_ATTRIBUTE_NORMAL },
        { "a visible copy of the payload", payload, FILE_ATTRIBUTE_NORMAL },
        { "a torn earlier write", PatternBytes(1000), FILE_ATTRIBUTE_HIDDEN },
        { "a read-only system file", { 'x' }, FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_SYSTEM },
    };
    for (const PresentEntry& entry : cases) {
        const ScratchFolder folder;
        const std::string path = folder / "Veneer.dll";
        WriteWholeFile(path, entry.bytes);
        SetFileAttributesA(path.c_str(), entry.attributes);
        const DWORD before = AttributesOf(path);

        DeployEngineAt(path, SpanOf(payload));

        EXPECT_TRUE(ReadWholeFile(path) == entry.bytes) << entry.what;
        EXPECT_EQ(AttributesOf(path), before) << entry.what;
    }
}

TEST(DeployEngineAt, LeavesADirectoryOfThatNameAsItIs)
{
    const ScratchFolder folder;
    const std::string path = folder / "Veneer.dll";
    ASSERT_TRUE(CreateDirectoryA(path.c_str(), nullptr));
    const DWORD before = AttributesOf(path);

    DeployEngineAt(path, SpanOf(PatternBytes(4096)));

    EXPECT_EQ(AttributesOf(path), before);
    EXPECT_FALSE(Exists(path + "\\Veneer.dll"));
}

TEST(DeployEngineAt, LeavesNothingWhenTheFolderCannotTakeAFile)
{
    const ScratchFolder folder;
    const std::string path = folder / "missing folder\\Veneer.dll";
    DeployEngineAt(path, SpanOf(PatternBytes(4096)));
    EXPECT_FALSE(Exists(path));
    EXPECT_FALSE(Exists(folder / "missing folder"));
}

// Drive T: is a small tmpfs (see scripts/wine-session.sh): a payload larger than its free
// space fails part-way for real.
TEST(DeployEngineAt, TakesItsTornFileAwayWhenTheDiskIsFull)
{
    ULARGE_INTEGER free = {};
    ASSERT_TRUE(GetDiskFreeSpaceExA("T:\\", &free, nullptr, nullptr))
        << "drive T: (the full-disk tmpfs) is missing: run the tests through scripts/test";
    const std::string path = "T:\\Veneer.dll";
    ASSERT_FALSE(Exists(path));
    const std::vector<unsigned char> payload = PatternBytes(free.QuadPart + 256 * 1024);

    DeployEngineAt(path, SpanOf(payload));

    EXPECT_FALSE(Exists(path));
    ULARGE_INTEGER after = {};
    GetDiskFreeSpaceExA("T:\\", &after, nullptr, nullptr);
    EXPECT_EQ(after.QuadPart, free.QuadPart);
}
