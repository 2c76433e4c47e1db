#include "skin_bytes.h"
#include "skin_reader.h"
#include <gtest/gtest.h>
#include <algorithm>
#include <cctype>
#include <functional>

using namespace veneer;
using namespace veneer_test;

namespace {

constexpr int kBuiltInSkins = 33;
constexpr int kProgramSkin = 10;

std::optional<Skin> Read(const Bytes& bytes) { return ReadSkin(bytes.data(), bytes.size()); }

bool operator==(const Fill& a, const Fill& b) { return a.kind == b.kind && a.from == b.from && a.to == b.to; }
bool operator==(const BoxLook& a, const BoxLook& b) { return a.fill == b.fill && a.border == b.border && a.text == b.text; }

// A skin's file is named after it: "Cherry Blossom" lives in "29-cherry-blossom".
std::string StemOfName(int number, const std::string& name)
{
    char prefix[4];
    wsprintfA(prefix, "%02d-", number);
    std::string stem = prefix;
    for (char c : name)
        stem.push_back(c == ' ' ? '-' : char(std::tolower(static_cast<unsigned char>(c))));
    return stem;
}

TEST(BuiltInSkins, AreAllAcceptedUnderTheirNames)
{
    for (int number = 1; number <= kBuiltInSkins; ++number) {
        SCOPED_TRACE(number);
        const std::optional<Skin> skin = Read(BuiltInSkin(number));
        ASSERT_TRUE(skin);
        EXPECT_EQ(StemOfName(number, skin->name), BuiltInSkinStem(number));
    }
}

TEST(BuiltInSkins, AreLaidOutAsTheTestsLayThemOut)
{
    // The malformed skins below are made by re-joining records; that only means something if a
    // re-joined skin is byte for byte what the build compiled.
    for (int number = 1; number <= kBuiltInSkins; ++number) {
        const Bytes skin = BuiltInSkin(number);
        EXPECT_EQ(JoinSkin(SplitSkin(skin)), skin) << number;
    }
}

TEST(BuiltInSkins, CatalogueHoldsThemBackToBackAsByteSets)
{
    const Bytes catalogue = ReadFileBytes(VENEER_TEST_SKIN_CATALOGUE);
    size_t at = 0;
    for (int number = 1; number <= kBuiltInSkins; ++number) {
        SCOPED_TRACE(number);
        const Bytes skin = BuiltInSkin(number);
        ASSERT_LE(at + 8 + skin.size(), catalogue.size());
        const Bytes header(catalogue.begin() + std::ptrdiff_t(at), catalogue.begin() + std::ptrdiff_t(at + 8));
        Bytes expectedHeader(8);
        PutU32(expectedHeader, 0, 1);
        PutU32(expectedHeader, 4, uint32_t(skin.size()));
        EXPECT_EQ(header, expectedHeader);
        EXPECT_TRUE(std::equal(skin.begin(), skin.end(), catalogue.begin() + std::ptrdiff_t(at + 8)));
        at += 8 + skin.size();
    }
    EXPECT_EQ(at, catalogue.size());
}

// Each record kind decodes into its own place of the skin: a known payload goes in, and the
// matching part of the skin must come out with exactly those values.
struct DecodeCase {
    const char* what;
    uint16_t tag;
    Bytes payload;
    std::function<bool(const Skin&)> holds;
};

const Fill kSolid = {Fill::Kind::Solid, RGB(0x10, 0x20, 0x30), RGB(0x10, 0x20, 0x30)};
const Fill kVertical = {Fill::Kind::VerticalGradient, RGB(0x10, 0x20, 0x30), RGB(0x40, 0x50, 0x60)};
const Fill kHorizontal = {Fill::Kind::HorizontalGradient, RGB(0x10, 0x20, 0x30), RGB(0x40, 0x50, 0x60)};
const BoxLook kBox = {kHorizontal, RGB(0x70, 0x80, 0x90), RGB(0xA0, 0xB0, 0xC0)};
const Bytes kBoxPayload = {2, 0x10, 0x20, 0x30, 0x40, 0x50, 0x60, 0x70, 0x80, 0x90, 0xA0, 0xB0, 0xC0};

template <typename State>
size_t At(State state) { return size_t(state); }

const DecodeCase kDecodeCases[] = {
    {"one-letter name", 0x0100, {'X', 0}, [](const Skin& s) { return std::string(s.name) == "X"; }},
    {"longest name", 0x0100, [] { Bytes b(63, '~'); b.push_back(0); return b; }(),
     [](const Skin& s) { return std::string(s.name) == std::string(63, '~'); }},
    {"smallest metrics", 0x0200, {16, 1, 0},
     [](const Skin& s) { return s.metrics.captionHeight == 16 && s.metrics.frameWidth == 1 && s.metrics.cornerRadius == 0; }},
    {"largest metrics", 0x0200, {48, 8, 16},
     [](const Skin& s) { return s.metrics.captionHeight == 48 && s.metrics.frameWidth == 8 && s.metrics.cornerRadius == 16; }},
    {"active frame, solid caption", 0x0300, {0, 0x10, 0x20, 0x30, 1, 2, 3, 4, 5, 6},
     [](const Skin& s) { return s.active.caption == kSolid && s.active.border == RGB(1, 2, 3) && s.active.title == RGB(4, 5, 6); }},
    {"inactive frame, vertical caption", 0x0301, {1, 0x10, 0x20, 0x30, 0x40, 0x50, 0x60, 1, 2, 3, 4, 5, 6},
     [](const Skin& s) { return s.inactive.caption == kVertical && s.inactive.border == RGB(1, 2, 3) && s.inactive.title == RGB(4, 5, 6); }},
    {"close button, normal", 0x0400, kBoxPayload, [](const Skin& s) { return s.closeButton[At(CaptionButtonState::Normal)] == kBox; }},
    {"close button, hot", 0x0401, kBoxPayload, [](const Skin& s) { return s.closeButton[At(CaptionButtonState::Hot)] == kBox; }},
    {"minimise button, pressed", 0x0502, kBoxPayload, [](const Skin& s) { return s.minimizeButton[At(CaptionButtonState::Pressed)] == kBox; }},
    {"maximise button, disabled", 0x0603, kBoxPayload, [](const Skin& s) { return s.maximizeButton[At(CaptionButtonState::Disabled)] == kBox; }},
    {"maximise button, inactive", 0x0604, kBoxPayload, [](const Skin& s) { return s.maximizeButton[At(CaptionButtonState::Inactive)] == kBox; }},
    {"window background", 0x0700, {2, 0x10, 0x20, 0x30, 0x40, 0x50, 0x60}, [](const Skin& s) { return s.windowBackground == kHorizontal; }},
    {"dialog background", 0x0701, {0, 0x10, 0x20, 0x30}, [](const Skin& s) { return s.dialogBackground == kSolid; }},
    {"push button, focused", 0x0804, kBoxPayload, [](const Skin& s) { return s.pushButton[At(PushButtonState::Focused)] == kBox; }},
    {"push button, default", 0x0805, kBoxPayload, [](const Skin& s) { return s.pushButton[At(PushButtonState::Default)] == kBox; }},
    {"edit box", 0x0900, {1, 1, 1, 2, 2, 2, 3, 3, 3, 4, 4, 4, 5, 5, 5, 6, 6, 6, 7, 7, 7, 8, 8, 8},
     [](const Skin& s) {
         const EditLook& e = s.edit;
         return e.border[At(EditState::Normal)] == RGB(1, 1, 1) && e.border[At(EditState::Hot)] == RGB(2, 2, 2) &&
                e.border[At(EditState::Focused)] == RGB(3, 3, 3) && e.border[At(EditState::Disabled)] == RGB(4, 4, 4) &&
                e.text == RGB(5, 5, 5) && e.background == RGB(6, 6, 6) && e.disabledText == RGB(7, 7, 7) &&
                e.disabledBackground == RGB(8, 8, 8);
     }},
    {"label", 0x0A00, {0xFF, 0, 0, 0, 0xFF, 0}, [](const Skin& s) { return s.labelText == RGB(0xFF, 0, 0) && s.labelDisabledText == RGB(0, 0xFF, 0); }},
};

TEST(SkinReader, DecodesEveryRecordIntoItsPlace)
{
    const Bytes good = BuiltInSkin(kProgramSkin);
    for (const DecodeCase& c : kDecodeCases) {
        SCOPED_TRACE(c.what);
        const std::optional<Skin> skin = Read(WithPayload(good, c.tag, c.payload));
        ASSERT_TRUE(skin);
        EXPECT_TRUE(c.holds(*skin));
    }
}

TEST(SkinReader, CopiesWhatItKeeps)
{
    Bytes bytes = BuiltInSkin(kProgramSkin);
    const std::optional<Skin> skin = Read(bytes);
    ASSERT_TRUE(skin);
    const std::string name = skin->name;
    std::fill(bytes.begin(), bytes.end(), uint8_t(0xCC));
    EXPECT_EQ(std::string(skin->name), name);
}

TEST(SkinReader, RefusesNothingAtAll)
{
    const Bytes good = BuiltInSkin(kProgramSkin);
    EXPECT_FALSE(ReadSkin(nullptr, 0));
    EXPECT_FALSE(ReadSkin(nullptr, good.size()));
    EXPECT_FALSE(ReadSkin(good.data(), 0));
}

TEST(SkinReader, RefusesEveryTruncation)
{
    const Bytes good = BuiltInSkin(kProgramSkin);
    for (size_t length = 0; length < good.size(); ++length) {
        SCOPED_TRACE(length);
        Bytes cut(good.begin(), good.begin() + std::ptrdiff_t(length));
        EXPECT_FALSE(Read(cut));
        // Also when the header claims the shorter length, so the records themselves must tell.
        if (length >= kHeaderSize) {
            PutU32(cut, 8, uint32_t(length));
            EXPECT_FALSE(Read(cut));
        }
    }
}

// Malformed skins, each made from a good one by one change.
struct Mutation {
    const char* what;
    std::function<void(Bytes&)> apply;
};

size_t Entry(size_t index) { return kHeaderSize + index * kEntrySize; }
uint32_t OffsetOf(const Bytes& skin, size_t index)
{
    const size_t at = Entry(index) + 4;
    return uint32_t(skin[at] | skin[at + 1] << 8 | skin[at + 2] << 16) | uint32_t(skin[at + 3]) << 24;
}

std::function<void(Bytes&)> Payload(uint16_t tag, Bytes payload)
{
    return [=](Bytes& skin) { skin = WithPayload(skin, tag, payload); };
}
std::function<void(Bytes&)> U16At(size_t at, uint16_t value)
{
    return [=](Bytes& skin) { PutU16(skin, at, value); };
}
std::function<void(Bytes&)> U32At(size_t at, uint32_t value)
{
    return [=](Bytes& skin) { PutU32(skin, at, value); };
}
std::function<void(Bytes&)> Records(std::function<void(std::vector<Record>&)> edit)
{
    return [=](Bytes& skin) {
        std::vector<Record> records = SplitSkin(skin);
        edit(records);
        skin = JoinSkin(records);
    };
}
Bytes Name(const std::string& text) { return Bytes(text.c_str(), text.c_str() + text.size() + 1); }

const Mutation kMutations[] = {
    {"signature byte 0", [](Bytes& s) { s[0] = 'v'; }},
    {"signature byte 3", [](Bytes& s) { s[3] = 'X'; }},
    {"version 0", U16At(4, 0)},
    {"version 2", U16At(4, 2)},
    {"version 1 big-endian", U16At(4, 0x0100)},
    {"record count 0", U16At(6, 0)},
    {"record count one short", U16At(6, kRecordCount - 1)},
    {"record count one over", U16At(6, kRecordCount + 1)},
    {"record count 65535", U16At(6, 0xFFFF)},
    {"total length one short", [](Bytes& s) { PutU32(s, 8, uint32_t(s.size() - 1)); }},
    {"total length one over", [](Bytes& s) { PutU32(s, 8, uint32_t(s.size() + 1)); }},
    {"total length huge", U32At(8, 0xFFFFFFFF)},
    {"a trailing byte", [](Bytes& s) { s.push_back(0); }},
    {"a trailing byte the header counts", [](Bytes& s) { s.push_back(0); PutU32(s, 8, uint32_t(s.size())); }},
    {"records out of order", Records([](std::vector<Record>& r) { std::swap(r[2], r[3]); })},
    {"a record twice, another missing", Records([](std::vector<Record>& r) { r[28] = r[27]; })},
    {"a record missing", Records([](std::vector<Record>& r) { r.pop_back(); })},
    {"an unknown record more", Records([](std::vector<Record>& r) { r.push_back({0x0B00, {1, 2, 3}}); })},
    {"an unknown tag in place of one", U16At(Entry(28), 0x0B00)},
    {"a known part with a state too many", U16At(Entry(8), 0x0405)},
    {"offset past the end", [](Bytes& s) { PutU32(s, Entry(5) + 4, uint32_t(s.size())); }},
    {"offset huge", U32At(Entry(5) + 4, 0xFFFFFFFF)},
    {"offset into the header", U32At(Entry(0) + 4, 0)},
    {"offset into the directory", U32At(Entry(0) + 4, Entry(3))},
    {"payload overlapping the one before", [](Bytes& s) { PutU32(s, Entry(6) + 4, OffsetOf(s, 5)); }},
    {"a gap between payloads", [](Bytes& s) { PutU32(s, Entry(6) + 4, OffsetOf(s, 6) + 1); }},
    {"payload length past the end", U16At(Entry(28) + 2, 0xFFFF)},
    {"last payload one byte longer", [](Bytes& s) { PutU16(s, Entry(28) + 2, uint16_t(s.size() - OffsetOf(s, 28) + 1)); }},
    {"payload lengths shifted by one", [](Bytes& s) {
         PutU16(s, Entry(4) + 2, uint16_t(OffsetOf(s, 5) - OffsetOf(s, 4) + 1));
         PutU32(s, Entry(5) + 4, OffsetOf(s, 5) + 1);
     }},
    {"empty name", Payload(0x0100, Name(""))},
    {"name of 64 characters", Payload(0x0100, Name(std::string(64, 'a')))},
    {"unterminated name", Payload(0x0100, {'A', 'b', 'c'})},
    {"zero inside the name", Payload(0x0100, {'A', 0, 'b', 0})},
    {"control character in the name", Payload(0x0100, Name("A\tb"))},
    {"DEL in the name", Payload(0x0100, Name("A\x7f"))},
    {"non-ASCII byte in the name", Payload(0x0100, Name("A\xc3\xa9"))},
    {"empty name payload", Payload(0x0100, {})},
    {"caption height 0", Payload(0x0200, {0, 2, 4})},
    {"caption height 15", Payload(0x0200, {15, 2, 4})},
    {"caption height 49", Payload(0x0200, {49, 2, 4})},
    {"caption height 255", Payload(0x0200, {255, 2, 4})},
    {"frame width 0", Payload(0x0200, {24, 0, 4})},
    {"frame width 9", Payload(0x0200, {24, 9, 4})},
    {"corner radius 17", Payload(0x0200, {24, 2, 17})},
    {"corner radius 255", Payload(0x0200, {24, 2, 255})},
    {"metrics one byte short", Payload(0x0200, {24, 2})},
    {"metrics one byte over", Payload(0x0200, {24, 2, 4, 0})},
    {"fill kind 3 in a frame", Payload(0x0300, {3, 1, 2, 3, 4, 5, 6, 1, 2, 3, 4, 5, 6})},
    {"fill kind 255 in a box", Payload(0x0401, {255, 1, 2, 3, 4, 5, 6, 1, 2, 3, 4, 5, 6})},
    {"fill kind 3 in a background", Payload(0x0700, {3, 1, 2, 3, 4, 5, 6})},
    {"solid fill with a second colour", Payload(0x0701, {0, 1, 2, 3, 4, 5, 6})},
    {"gradient with one colour", Payload(0x0701, {1, 1, 2, 3})},
    {"box without its text colour", Payload(0x0805, {0, 1, 2, 3, 4, 5, 6})},
    {"box with a byte over", Payload(0x0805, {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 0})},
    {"edit box one colour short", Payload(0x0900, Bytes(21, 0x80))},
    {"label one byte over", Payload(0x0A00, Bytes(7, 0x80))},
    {"empty label", Payload(0x0A00, {})},
};

TEST(SkinReader, RefusesEveryMalformedSkin)
{
    for (int number : {1, kProgramSkin, kBuiltInSkins}) {
        const Bytes good = BuiltInSkin(number);
        ASSERT_TRUE(Read(good));
        for (const Mutation& m : kMutations) {
            SCOPED_TRACE(testing::Message() << "skin " << number << ": " << m.what);
            Bytes bad = good;
            m.apply(bad);
            ASSERT_NE(bad, good);
            EXPECT_FALSE(Read(bad));
        }
    }
}

}  // namespace
