// The byte sets the program carries are exactly the files this build made.
#include <gtest/gtest.h>

#include <string>

#include "appearance/built_in_byte_sets.h"
#include "driver/files.h"

namespace {

std::string BytesOf(ByteSpan span)
{
    return std::string(reinterpret_cast<const char*>(span.data), span.size);
}

}  // namespace

TEST(BuiltInByteSets, TheEnginePayloadIsTheEngineThisBuildLinked)
{
    const std::string built = e2e::ReadBytes(VELDRANE_TEST_BUILT_ENGINE);
    ASSERT_FALSE(built.empty());
    EXPECT_TRUE(BytesOf(EnginePayload()) == built);
}

TEST(BuiltInByteSets, TheCatalogueIsTheCompiledSkinsFile)
{
    EXPECT_TRUE(BytesOf(SkinCatalogue()) == e2e::ReadBytes(VELDRANE_TEST_SKIN_CATALOGUE));
}

TEST(BuiltInByteSets, TheThirtyThreeSkinsFillTheCatalogueBackToBack)
{
    const ByteSpan catalogue = SkinCatalogue();
    const unsigned char* next = catalogue.data;
    for (int32_t n = 1; n <= kBuiltInSkinCount; ++n) {
        const ByteSpan skin = SelectSkin(catalogue, n);
        ASSERT_NE(skin.data, nullptr) << "skin " << n << " is missing";
        EXPECT_GT(skin.size, 0u) << "skin " << n;
        EXPECT_EQ(skin.data, next + kByteSetHeaderSize) << "skin " << n;
        next = skin.data + skin.size;
    }
    EXPECT_EQ(next, catalogue.data + catalogue.size) << "bytes after the last skin";
}
