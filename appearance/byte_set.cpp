#include "appearance/byte_set.h"

#include <cstring>

namespace {

constexpr uint32_t kByteSetTag = 1;

uint32_t ReadUint32(const unsigned char* at)
{
    uint32_t value;  // byte sets lie back to back, so a header need not be aligned
    std::memcpy(&value, at, sizeof(value));
    return value;
}

}  // namespace

ByteSpan ByteSetAt(const unsigned char* header)
{
    return { header + kByteSetHeaderSize, ReadUint32(header + 4) };
}

ByteSpan SelectSkin(ByteSpan catalogue, int32_t number)
{
    if (number < 1 || number > kBuiltInSkinCount)
        return {};
    size_t offset = 0;
    for (int32_t current = 1;; ++current) {
        const size_t left = catalogue.size - offset;
        if (left < kByteSetHeaderSize)
            return {};
        const unsigned char* header = catalogue.data + offset;
        const ByteSpan skin = ByteSetAt(header);
        if (ReadUint32(header) != kByteSetTag || skin.size > left - kByteSetHeaderSize)
            return {};
        if (current == number)
            return skin;
        offset += kByteSetHeaderSize + skin.size;
    }
}
