// Selecting a built-in skin from a catalogue of byte sets laid back to back.
#include <gtest/gtest.h>

#include <climits>
#include <cstring>
#include <string>
#include <vector>

#include "appearance/byte_set.h"

namespace {

// A catalogue as the build lays it out: for each skin a 32-bit 1, its 32-bit length, its bytes.
std::vector<unsigned char> CatalogueOf(const std::vector<std::string>& skins, uint32_t tag = 1)
{
    std::vector<unsigned char> bytes;
    for (const std::string& skin : skins) {
        const uint32_t header[2] = { tag, static_cast<uint32_t>(skin.size()) };
        const auto* raw = reinterpret_cast<const unsigned char*>(header);
        bytes.insert(bytes.end(), raw, raw + sizeof(header));
        bytes.insert(bytes.end(), skin.begin(), skin.end());
    }
    return bytes;
}

ByteSpan SpanOf(const std::vector<unsigned char>& bytes)
{
    return { bytes.data(), static_cast<uint32_t>(bytes.size()) };
}

std::string TextOf(ByteSpan span)
{
    return std::string(reinterpret_cast<const char*>(span.data), span.size);
}

// Skins of different, mostly odd lengths, so that most headers are not 4-byte aligned.
std::vector<std::string> NumberedSkins(int count)
{
    std::vector<std::string> skins;
    for (int n = 1; n <= count; ++n)
        skins.push_back("skin " + std::to_string(n) + std::string(n * 3, '.'));
    return skins;
}

}  // namespace

TEST(SelectSkin, EveryNumberFromOneToThirtyThreeSelectsThatSkin)
{
    const std::vector<std::string> skins = NumberedSkins(kBuiltInSkinCount);
    const std::vector<unsigned char> catalogue = CatalogueOf(skins);
    for (int32_t n = 1; n <= kBuiltInSkinCount; ++n) {
        const ByteSpan skin = SelectSkin(SpanOf(catalogue), n);
        EXPECT_EQ(TextOf(skin), skins[n - 1]) << "skin " << n;
        // The bytes are the catalogue's own, right after their header.
        EXPECT_GE(skin.data, catalogue.data() + kByteSetHeaderSize);
        EXPECT_LE(skin.data + skin.size, catalogue.data() + catalogue.size());
    }
}

TEST(SelectSkin, NumbersOutsideTheCatalogueSelectTheEmptyByteSet)
{
    // Even a catalogue that happens to hold more skins gives none past 33.
    const std::vector<unsigned char> catalogue = CatalogueOf(NumberedSkins(kBuiltInSkinCount + 1));
    for (int32_t n : { 0, -1, kBuiltInSkinCount + 1, 100, INT_MIN, INT_MAX }) {
        const ByteSpan skin = SelectSkin(SpanOf(catalogue), n);
        EXPECT_EQ(skin.data, nullptr) << "number " << n;
        EXPECT_EQ(skin.size, 0u) << "number " << n;
    }
}

TEST(SelectSkin, AnEmptySkinIsSelectedAsItsOwnEmptyBytes)
{
    const std::vector<unsigned char> catalogue = CatalogueOf({ "first", "", "third" });
    const ByteSpan skin = SelectSkin(SpanOf(catalogue), 2);
    EXPECT_EQ(skin.size, 0u);
    EXPECT_EQ(skin.data, catalogue.data() + 2 * kByteSetHeaderSize + 5);
    EXPECT_EQ(TextOf(SelectSkin(SpanOf(catalogue), 3)), "third");
}

struct BrokenCatalogue {
    const char* what;
    std::vector<unsigned char> bytes;
    int32_t lastGoodSkin;  // every skin after this one is the empty byte set
};

TEST(SelectSkin, NeverReadsPastTheEndOfABrokenCatalogue)
{
    std::vector<unsigned char> overlong = CatalogueOf({ "one", "two", "three" });
    overlong[2 * kByteSetHeaderSize + 6 + 4] = 200;  // the third skin claims 200 bytes
    std::vector<unsigned char> wrongTag = CatalogueOf({ "one", "two" });
    const std::vector<unsigned char> untagged = CatalogueOf({ "three" }, 7);
    wrongTag.insert(wrongTag.end(), untagged.begin(), untagged.end());
    std::vector<unsigned char> cutHeader = CatalogueOf({ "one", "two" });
    cutHeader.insert(cutHeader.end(), { 1, 0, 0, 0, 3 });

    const BrokenCatalogue cases[] = {
        { "no bytes at all", {}, 0 },
        { "ends after two skins", CatalogueOf({ "one", "two" }), 2 },
        { "a length past the end", overlong, 2 },
        { "a header that is not a byte set's", wrongTag, 2 },
        { "a header cut short", cutHeader, 2 },
    };
    for (const BrokenCatalogue& broken : cases) {
        for (int32_t n = 1; n <= kBuiltInSkinCount; ++n) {
            const ByteSpan skin = SelectSkin(SpanOf(broken.bytes), n);
            if (n <= broken.lastGoodSkin)
                EXPECT_EQ(skin.size, 3u) << broken.what << ", skin " << n;
            else
                EXPECT_EQ(skin.data, nullptr) << broken.what << ", skin " << n;
        }
    }
}

TEST(ByteSetAt, ReadsTheLengthFromAnUnalignedHeader)
{
    const std::vector<unsigned char> padded = [] {
        std::vector<unsigned char> bytes = { 0xAA };
        const std::vector<unsigned char> set = CatalogueOf({ std::string(300, 'x') });
        bytes.insert(bytes.end(), set.begin(), set.end());
        return bytes;
    }();
    const ByteSpan set = ByteSetAt(padded.data() + 1);
    EXPECT_EQ(set.size, 300u);
    EXPECT_EQ(set.data, padded.data() + 1 + kByteSetHeaderSize);
}
