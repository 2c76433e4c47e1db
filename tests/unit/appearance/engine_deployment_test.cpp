// Deploying the engine file into real folders: written once and hidden when nothing is there,
// everything already there left exactly as it was, nothing torn left on a full disk.
#include <gtest/gtest.h>

#include <string>

#include "appearance/engine_deployment.h"
#include "driver/files.h"

namespace {

using e2e::AttributesWithoutArchive;
using e2e::Exists;
using e2e::ReadBytes;

std::string PatternBytes(size_t size)
{
    std::string bytes(size, '\0');
    for (size_t i = 0; i < size; ++i)
        bytes[i] = static_cast<char>(i * 7 + i / 251);
    return bytes;
}

ByteSpan SpanOf(const std::string& bytes)
{
    return { reinterpret_cast<const unsigned char*>(bytes.data()), static_cast<uint32_t>(bytes.size()) };
}

}  // namespace

TEST(EnginePath, IsTheRunDirectoryAndTheLibraryNameWithOneBackslash)
{
    EXPECT_EQ(EnginePath("C:\\Tools\\Veldrane"), "C:\\Tools\\Veldrane\\Veneer.dll");
    EXPECT_EQ(EnginePath("X:"), "X:\\Veneer.dll");
}

TEST(DeployEngineAt, WritesThePayloadAsAHiddenFileWhenNothingIsThere)
{
    const e2e::ScratchDir folder("deploy");
    const std::string payload = PatternBytes(300 * 1024 + 5);
    DeployEngineAt(folder / "Veneer.dll", SpanOf(payload));
    EXPECT_TRUE(ReadBytes(folder / "Veneer.dll") == payload);
    EXPECT_EQ(AttributesWithoutArchive(folder / "Veneer.dll"), static_cast<DWORD>(FILE_ATTRIBUTE_HIDDEN));
}

struct PresentEntry {
    const char* what;
    std::string bytes;
    DWORD attributes;
};

TEST(DeployEngineAt, LeavesAnyFileOfThatNameAsItIs)
{
    const std::string payload = PatternBytes(4096);
    const PresentEntry cases[] = {
        { "an empty file", {}, FILE_ATTRIBUTE_NORMAL },
        { "a foreign file", "not a dll", FILE_ATTRIBUTE_NORMAL },
        { "a visible copy of the payload", payload, FILE_ATTRIBUTE_NORMAL },
        { "a torn earlier write", PatternBytes(1000), FILE_ATTRIBUTE_HIDDEN },
        { "a read-only system file", "x", FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_SYSTEM },
    };
    for (const PresentEntry& entry : cases) {
        const e2e::ScratchDir folder("deploy");
        const std::string path = folder / "Veneer.dll";
        e2e::WriteBytes(path, entry.bytes);
        e2e::SetAttributes(path, entry.attributes);
        const DWORD before = AttributesWithoutArchive(path);

        DeployEngineAt(path, SpanOf(payload));

        EXPECT_EQ(ReadBytes(path), entry.bytes) << entry.what;
        EXPECT_EQ(AttributesWithoutArchive(path), before) << entry.what;
    }
}

TEST(DeployEngineAt, LeavesADirectoryOfThatNameAsItIs)
{
    const e2e::ScratchDir folder("deploy");
    const std::string path = folder / "Veneer.dll";
    ASSERT_TRUE(CreateDirectoryA(path.c_str(), nullptr));
    const DWORD before = AttributesWithoutArchive(path);

    DeployEngineAt(path, SpanOf(PatternBytes(4096)));

    EXPECT_EQ(AttributesWithoutArchive(path), before);
    EXPECT_FALSE(Exists(path + "\\Veneer.dll"));
}

TEST(DeployEngineAt, LeavesNothingWhenTheFolderCannotTakeAFile)
{
    const e2e::ScratchDir folder("deploy");
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
    const std::string payload = PatternBytes(free.QuadPart + 256 * 1024);

    DeployEngineAt(path, SpanOf(payload));

    EXPECT_FALSE(Exists(path));
    ULARGE_INTEGER after = {};
    GetDiskFreeSpaceExA("T:\\", &after, nullptr, nullptr);
    EXPECT_EQ(after.QuadPart, free.QuadPart);
}
