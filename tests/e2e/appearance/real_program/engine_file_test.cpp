// The engine's file beside the real program: written and hidden when nothing of its name is
// there, left exactly as it is when anything is, and never left torn.
#include <gtest/gtest.h>

#include <windows.h>

#include "expected.h"
#include "driver/files.h"
#include "launch.h"

namespace appearance_e2e {
namespace {

using e2e::AttributesWithoutArchive;
using e2e::ReadBytes;

bool SamePath(const std::string& a, const std::string& b)
{
    return lstrcmpiA(a.c_str(), b.c_str()) == 0;
}

// Runs the program from `programDir` (which is `folder` seen some way) with nothing at the
// engine's path, and checks the engine that it leaves in `folder`.
void ExpectEngineDeployedAndLoaded(const std::string& programDir, const std::string& folder)
{
    e2e::LaunchOptions options;
    options.runDir = programDir;
    e2e::App app(options);
    EXPECT_TRUE(ReadBytes(folder + "\\Veneer.dll") == ReadBytes(kBuiltEngine)) << "not the engine this build made";
    EXPECT_EQ(AttributesWithoutArchive(folder + "\\Veneer.dll"), DWORD(FILE_ATTRIBUTE_HIDDEN));
    EXPECT_TRUE(SamePath(LoadedModulePath(app.processId(), "Veneer.dll"), programDir + "\\Veneer.dll"))
        << LoadedModulePath(app.processId(), "Veneer.dll");
    EXPECT_EQ(CloseAndWait(app), 0u);
}

TEST(EngineFile, IsWrittenHiddenBesideTheProgramWhenAbsent)
{
    const e2e::ScratchDir folder("deploy");
    ExpectEngineDeployedAndLoaded(folder.path(), folder.path());
}

TEST(EngineFile, IsWrittenInADriveRootWithOneBackslash)
{
    const e2e::ScratchDir folder("drive-root");
    const e2e::DriveLetter drive(folder.path());
    ExpectEngineDeployedAndLoaded(drive.root(), folder.path());
}

struct PresentEntry {
    const char* what;
    bool directory;
    const char* bytes;  // a file's content; null for the engine this build made
    DWORD attributes;   // set on a file; a directory keeps its own
    bool loads;         // a working engine: the window shows; anything else ends in the report
};

class SomethingPresent : public ::testing::TestWithParam<PresentEntry> {};

TEST_P(SomethingPresent, IsLeftUntouched)
{
    const PresentEntry& entry = GetParam();
    e2e::App app(LaidOutFirst(entry.loads));
    const std::string engine = app.runDir() + "\\Veneer.dll";
    const std::string bytes = entry.bytes ? entry.bytes : ReadBytes(kBuiltEngine);
    if (entry.directory) {
        ASSERT_TRUE(CreateDirectoryA(engine.c_str(), nullptr));
    } else {
        e2e::WriteBytes(engine, bytes);
        e2e::SetAttributes(engine, entry.attributes);
    }
    const DWORD attributes = AttributesWithoutArchive(engine);
    app.start();
    if (entry.loads) {
        EXPECT_EQ(CloseAndWait(app), 0u);
    } else {
        ExpectMissingEngineReport(app);
    }
    EXPECT_EQ(AttributesWithoutArchive(engine), attributes);
    if (entry.directory)
        EXPECT_TRUE(e2e::ListDir(engine).empty());
    else
        EXPECT_TRUE(ReadBytes(engine) == bytes) << "the file was changed";
}

const PresentEntry kPresentEntries[] = {
    { "EmptyFile", false, "", FILE_ATTRIBUTE_NORMAL, false },
    { "ForeignReadOnlyFile", false, "MZ but no library", FILE_ATTRIBUTE_READONLY, false },
    { "HiddenSystemFile", false, "x", FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM, false },
    { "VisibleWorkingEngine", false, nullptr, FILE_ATTRIBUTE_NORMAL, true },
    { "Directory", true, "", 0, false },
};

INSTANTIATE_TEST_SUITE_P(AtTheEnginePath, SomethingPresent, ::testing::ValuesIn(kPresentEntries),
                         [](const auto& info) { return std::string(info.param.what); });

TEST(EngineFile, IsNotWrittenIntoAFolderThatRefusesWrites)
{
    e2e::App app(LaidOutFirst(false));
    const e2e::WriteProtection protection(app.runDir());
    if (!protection.effective())
        GTEST_SKIP() << "running with privileges that ignore write protection";
    app.start();
    ExpectMissingEngineReport(app);
    EXPECT_EQ(e2e::ListDir(app.runDir()), std::vector<std::string>{ "Veldrane.exe" });
}

// A folder on the small disk T:, for the program to run from.
class FolderOnSmallDisk {
public:
    FolderOnSmallDisk() { CreateDirectoryA(path_.c_str(), nullptr); }
    ~FolderOnSmallDisk() { e2e::RemoveTree(path_); }
    const std::string& path() const { return path_; }

private:
    std::string path_ = "T:\\veldrane-appearance-run";
};

TEST(EngineFile, IsNotLeftTornOnAFullDisk)
{
    const FolderOnSmallDisk folder;
    e2e::App app(LaidOutFirst(false, folder.path()));
    // Room for half the engine: the write gets some of it onto the disk and then fails.
    const std::string reserve = folder.path() + "\\reserve";
    e2e::WriteBytes(reserve, std::string(ReadBytes(kBuiltEngine).size() / 2, 'r'));
    const e2e::FullDisk full;
    e2e::RemoveTree(reserve);

    app.start();
    ExpectMissingEngineReport(app);
    EXPECT_EQ(e2e::ListDir(folder.path()), std::vector<std::string>{ "Veldrane.exe" });
}

}  // namespace
}  // namespace appearance_e2e
