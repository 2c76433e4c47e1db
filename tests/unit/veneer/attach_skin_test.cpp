// Veneer_AttachSkin as a program reaches it: the real engine library, loaded and bound by name.
#include "skin_bytes.h"
#include <windows.h>
#include <gtest/gtest.h>
#include "veneer.h"

using namespace veneer_test;

namespace {

// Loaded once and kept for the whole run, as the program keeps it: an accepted skin leaves
// the engine dressing this thread, and its code must stay in place for that.
Veneer_AttachSkinFn AttachSkin()
{
    static const HMODULE engine = LoadLibraryA(VENEER_TEST_ENGINE);
    // Through a plain function pointer: FARPROC has no arguments, so a direct cast would warn.
    return engine ? reinterpret_cast<Veneer_AttachSkinFn>(reinterpret_cast<void (*)()>(GetProcAddress(engine, "Veneer_AttachSkin"))) : nullptr;
}

enum class Length { Whole, OneShort, Zero };

struct Call {
    const char* what;
    bool withSkin;
    Length length;
    const char* options;
    int32_t reserved1, reserved2, reserved3;
    int32_t expected;
};

const Call kCalls[] = {
    {"a good skin, empty options", true, Length::Whole, "", 0, 0, 0, 1},
    {"a good skin, no options", true, Length::Whole, nullptr, 0, 0, 0, 1},
    {"options not empty", true, Length::Whole, "x", 0, 0, 0, 0},
    {"options of one space", true, Length::Whole, " ", 0, 0, 0, 0},
    {"reserved1 set", true, Length::Whole, "", 1, 0, 0, 0},
    {"reserved2 negative", true, Length::Whole, "", 0, -1, 0, 0},
    {"reserved3 set", true, Length::Whole, "", 0, 0, 0x7FFFFFFF, 0},
    {"a good skin, length one short", true, Length::OneShort, "", 0, 0, 0, 0},
    {"a good skin, length 0", true, Length::Zero, "", 0, 0, 0, 0},
    {"no skin, length 0", false, Length::Zero, "", 0, 0, 0, 0},
    {"no skin, a skin's length", false, Length::Whole, "", 0, 0, 0, 0},
};

uint32_t LengthOf(Length length, size_t size)
{
    switch (length) {
    case Length::Whole: return uint32_t(size);
    case Length::OneShort: return uint32_t(size - 1);
    case Length::Zero: break;
    }
    return 0;
}

TEST(AttachSkin, AcceptsOnlyAGoodSkinWithEmptyReservedArguments)
{
    const Veneer_AttachSkinFn attach = AttachSkin();
    ASSERT_NE(attach, nullptr);
    const Bytes skin = BuiltInSkin(10);
    for (const Call& c : kCalls) {
        SCOPED_TRACE(c.what);
        const void* bytes = c.withSkin ? skin.data() : nullptr;
        const uint32_t length = LengthOf(c.length, skin.size());
        EXPECT_EQ(attach(bytes, length, c.options, c.reserved1, c.reserved2, c.reserved3), c.expected);
    }
}

}  // namespace
