// Binding the engine's function in the real program, seen through the recording stand-in
// (call_record.h): what skin 10 arrives as, where the library is taken from, how long it stays,
// and the one report for every engine that cannot be bound.
#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>

#include "expected.h"
#include "call_record.h"
#include "driver/files.h"
#include "launch.h"

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
    e2e::App app(LaidOutFirst(true));
    PutAsEngine(kRecordingVeneer, app.runDir());
    app.start();
    const HWND window = app.window();

    const CallRecord running = RecordIn(app.runDir());
    ASSERT_EQ(running.attaches.size(), 1u);
    const AttachCall& call = running.attaches[0];
    const SkinFingerprint skin10 = CompiledSkin(kSkinCatalogue, 10);
    EXPECT_EQ(call.skin, "copy");
    EXPECT_EQ(call.length, skin10.length);
    EXPECT_EQ(call.digest, skin10.digest);
    EXPECT_EQ(call.options, "empty");
    EXPECT_EQ(std::count(std::begin(call.reserved), std::end(call.reserved), 0), 3);
    EXPECT_TRUE(running.detaches.empty()) << "the engine was unloaded while the window showed";

    EXPECT_EQ(CloseAndWait(app), 0u);
    const CallRecord ended = RecordIn(app.runDir());
    EXPECT_EQ(ended.attaches.size(), 1u);
    ASSERT_EQ(ended.detaches.size(), 1u);
    EXPECT_EQ(ended.detaches[0].by, "FreeLibrary") << "unloaded by the exit clean-up, not by the end of the process";
    EXPECT_FALSE(Contains(ended.detaches[0].windows, window)) << "unloaded while the main window still existed";
}

TEST(EngineBinding, ALibraryWithoutTheFunctionIsUnloadedAndNoOtherCopyIsTried)
{
    e2e::App app(LaidOutFirst(false));
    const e2e::ScratchDir elsewhere("search-path");
    PutAsEngine(kVeneerWithoutAttach, app.runDir());
    PutAsEngine(kRecordingVeneer, elsewhere.path());
    const SearchPathFront searchPath(elsewhere.path());

    app.start();
    ExpectMissingEngineReport(app);

    const CallRecord unloaded = RecordIn(app.runDir());
    ASSERT_EQ(unloaded.detaches.size(), 1u);
    EXPECT_EQ(unloaded.detaches[0].by, "FreeLibrary");
    EXPECT_TRUE(RecordIn(elsewhere.path()).attaches.empty()) << "the copy on the search path was called";
}

TEST(EngineBinding, ABrokenEngineFileEndsInTheReport)
{
    e2e::App app(LaidOutFirst(false));
    const std::string engine = e2e::ReadBytes(kBuiltEngine);
    e2e::WriteBytes(app.runDir() + "\\Veneer.dll", engine.substr(0, engine.size() / 3));

    app.start();
    ExpectMissingEngineReport(app);
}

TEST(EngineBinding, WhenNoEngineCanBeWrittenTheOneOnTheSearchPathIsTaken)
{
    e2e::App app(LaidOutFirst(true));
    const e2e::ScratchDir elsewhere("search-path");
    PutAsEngine(kRecordingVeneer, elsewhere.path());
    const SearchPathFront searchPath(elsewhere.path());
    const e2e::WriteProtection protection(app.runDir());
    if (!protection.effective())
        GTEST_SKIP() << "running with privileges that ignore write protection";

    app.start();
    EXPECT_EQ(RecordIn(elsewhere.path()).attaches.size(), 1u);
    EXPECT_EQ(CloseAndWait(app), 0u);
}

}  // namespace
}  // namespace appearance_e2e
