// The call into the engine, seen by the recording stand-in (call_record.h) that sits in the run
// directory as Veneer.dll: which bytes ApplyBuiltInSkin hands over for each skin number, and
// the five arguments that never change.
#include <gtest/gtest.h>

#include <windows.h>

#include <fstream>
#include <iterator>
#include <vector>

#include "app/app_state.h"
#include "appearance/byte_set.h"
#include "appearance/skin_application.h"
#include "call_record.h"

namespace {

std::vector<unsigned char> FileBytes(const std::string& path)
{
    std::ifstream file(path, std::ios::binary);
    EXPECT_TRUE(file.good()) << "cannot read " << path;
    return { std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>() };
}

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
    const std::vector<unsigned char> catalogue = FileBytes(VELDRANE_TEST_SKIN_CATALOGUE);
    const ByteSpan compiled = { catalogue.data(), static_cast<uint32_t>(catalogue.size()) };
    for (int32_t number : { 10, 1, 33 }) {
        const ByteSpan expected = SelectSkin(compiled, number);
        ASSERT_NE(expected.data, nullptr) << "the compiled catalogue lacks skin " << number;
        const AttachCall call = Apply(number);
        EXPECT_EQ(call.skin, "copy") << "skin " << number;
        EXPECT_EQ(call.length, expected.size) << "skin " << number;
        EXPECT_EQ(call.digest, DigestOf(expected.data, expected.size)) << "skin " << number;
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
    EXPECT_TRUE(FileBytes(RunDirectory() + "\\Veneer.dll") == FileBytes(VELDRANE_TEST_RECORDING_VENEER));
    EXPECT_EQ(GetFileAttributesA((RunDirectory() + "\\Veneer.dll").c_str()) & FILE_ATTRIBUTE_HIDDEN, 0u);
}

}  // namespace
