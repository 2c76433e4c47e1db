// Binding the engine's function in the real program, seen through the recording stand-in
// (call_record.h): what skin 10 arrives as, where the library is taken from, how long it stays,
// and the one report for every engine that cannot be bound.
#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>

#include "expected.h"
#include "call_record.h"
#include "driver/files.h"
#include "prepared_run.h"

namespace appearance_e2e {
namespace {

CallRecord RecordIn(const std::string& dir)
{
    return ReadCallRecord(dir + "\\" + kCallRecordName);
}

bool Contains(const std::vector<uintptr_t>& windows, HWND window)
{
    return std::find(windows.begin(), windows.end(), reinterpret_cast<uintptr_t>(window)) != windows.end();
}

TEST(EngineBinding, SkinTenArrivesOnceAndTheEngineStaysUntilTheWindowIsGone)
{
    const e2e::ScratchDir folder("stand-in");
    PutAsEngine(kRecordingVeneer, folder.path());
    const PreparedRun run(PlaceProgram(folder.path()));
    const HWND window = run.waitForMainWindow();

    const CallRecord running = RecordIn(folder.path());
    ASSERT_EQ(running.attaches.size(), 1u);
    const AttachCall& call = running.attaches[0];
    const SkinFingerprint skin10 = CompiledSkin(kSkinCatalogue, 10);
    EXPECT_EQ(call.skin, "copy");
    EXPECT_EQ(call.length, skin10.length);
    EXPECT_EQ(call.digest, skin10.digest);
    EXPECT_EQ(call.options, "empty");
    EXPECT_EQ(std::count(std::begin(call.reserved), std::end(call.reserved), 0), 3);
    EXPECT_TRUE(running.detaches.empty()) << "the engine was unloaded while the window showed";

    EXPECT_EQ(run.closeAndWait(window), 0u);
    const CallRecord ended = RecordIn(folder.path());
    EXPECT_EQ(ended.attaches.size(), 1u);
    ASSERT_EQ(ended.detaches.size(), 1u);
    EXPECT_EQ(ended.detaches[0].by, "FreeLibrary") << "unloaded by the exit clean-up, not by the end of the process";
    EXPECT_FALSE(Contains(ended.detaches[0].windows, window)) << "unloaded while the main window still existed";
}

TEST(EngineBinding, ALibraryWithoutTheFunctionIsUnloadedAndNoOtherCopyIsTried)
{
    const e2e::ScratchDir folder("without-attach");
    const e2e::ScratchDir elsewhere("search-path");
    PutAsEngine(kVeneerWithoutAttach, folder.path());
    PutAsEngine(kRecordingVeneer, elsewhere.path());
    const SearchPathFront searchPath(elsewhere.path());

    ExpectMissingEngineReport(PreparedRun(PlaceProgram(folder.path())));

    const CallRecord unloaded = RecordIn(folder.path());
    ASSERT_EQ(unloaded.detaches.size(), 1u);
    EXPECT_EQ(unloaded.detaches[0].by, "FreeLibrary");
    EXPECT_TRUE(RecordIn(elsewhere.path()).attaches.empty()) << "the copy on the search path was called";
}

TEST(EngineBinding, ABrokenEngineFileEndsInTheReport)
{
    const e2e::ScratchDir folder("broken");
    const std::string engine = e2e::ReadBytes(kBuiltEngine);
    e2e::WriteBytes(folder / "Veneer.dll", engine.substr(0, engine.size() / 3));

    ExpectMissingEngineReport(PreparedRun(PlaceProgram(folder.path())));
}

TEST(EngineBinding, WhenNoEngineCanBeWrittenTheOneOnTheSearchPathIsTaken)
{
    const e2e::ScratchDir folder("read-only");
    const e2e::ScratchDir elsewhere("search-path");
    PutAsEngine(kRecordingVeneer, elsewhere.path());
    const SearchPathFront searchPath(elsewhere.path());
    const std::string program = PlaceProgram(folder.path());
    const e2e::WriteProtection protection(folder.path());
    if (!protection.effective())
        GTEST_SKIP() << "running with privileges that ignore write protection";

    const PreparedRun run(program);
    const HWND window = run.waitForMainWindow();
    EXPECT_EQ(RecordIn(elsewhere.path()).attaches.size(), 1u);
    EXPECT_EQ(run.closeAndWait(window), 0u);
}

}  // namespace
}  // namespace appearance_e2e
