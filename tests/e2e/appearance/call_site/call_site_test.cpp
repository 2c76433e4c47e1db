// The call into the engine, seen by the recording stand-in (call_record.h) that sits in the run
// directory as Veneer.dll: which bytes ApplyBuiltInSkin hands over for each skin number, and
// the five arguments that never change.
#include <gtest/gtest.h>

#include <windows.h>

#include "app/app_state.h"
#include "appearance/skin_application.h"
#include "call_record.h"
#include "driver/files.h"

namespace {

std::string RecordPath() { return RunDirectory() + "\\" + kCallRecordName; }

class AttachSkinCallSite : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        FixRunDirectory();
        DeleteFileA(RecordPath().c_str());
        // In place before the first call, so that deploying finds a library there and leaves it.
        ASSERT_TRUE(CopyFileA(VELDRANE_TEST_RECORDING_VENEER, (RunDirectory() + "\\Veneer.dll").c_str(), FALSE))
            << "cannot copy the recording stand-in from " << VELDRANE_TEST_RECORDING_VENEER;
    }

    // Applies the skin and returns the one call the engine saw for it.
    static AttachCall Apply(int32_t number)
    {
        const size_t before = ReadCallRecord(RecordPath()).attaches.size();
        ApplyBuiltInSkin(number);
        const CallRecord record = ReadCallRecord(RecordPath());
        EXPECT_EQ(record.attaches.size(), before + 1) << "skin " << number;
        EXPECT_TRUE(record.detaches.empty()) << "the engine was unloaded during the run";
        return record.attaches.empty() ? AttachCall{} : record.attaches.back();
    }

    static void ExpectFixedArguments(const AttachCall& call, int32_t number)
    {
        EXPECT_EQ(call.options, "empty") << "skin " << number << ": a pointer to a single zero byte";
        for (int32_t reserved : call.reserved)
            EXPECT_EQ(reserved, 0) << "skin " << number;
    }
};

TEST_F(AttachSkinCallSite, EachBuiltInSkinArrivesAsAPrivateCopyOfItsBytes)
{
    for (int32_t number : { 10, 1, 33 }) {
        const SkinFingerprint expected = CompiledSkin(VELDRANE_TEST_SKIN_CATALOGUE, number);
        const AttachCall call = Apply(number);
        EXPECT_EQ(call.skin, "copy") << "skin " << number;
        EXPECT_EQ(call.length, expected.length) << "skin " << number;
        EXPECT_EQ(call.digest, expected.digest) << "skin " << number;
        ExpectFixedArguments(call, number);
    }
}

TEST_F(AttachSkinCallSite, NumbersOutsideTheCatalogueHandOverNoSkin)
{
    for (int32_t number : { 0, 34, -1 }) {
        const AttachCall call = Apply(number);
        EXPECT_EQ(call.skin, "null") << "skin " << number;
        EXPECT_EQ(call.length, 0u) << "skin " << number;
        ExpectFixedArguments(call, number);
    }
}

TEST_F(AttachSkinCallSite, TheLibraryAlreadyInTheRunDirectoryIsLeftAsItIs)
{
    Apply(10);
    EXPECT_TRUE(e2e::ReadBytes(RunDirectory() + "\\Veneer.dll") == e2e::ReadBytes(VELDRANE_TEST_RECORDING_VENEER));
    EXPECT_EQ(GetFileAttributesA((RunDirectory() + "\\Veneer.dll").c_str()) & FILE_ATTRIBUTE_HIDDEN, 0u);
}

}  // namespace
