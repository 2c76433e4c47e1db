// Any bytes at all go to the skin reader. Beyond not crashing, reading past the input or
// hanging (the sanitizers and libFuzzer's timeout catch those), a skin it accepts must keep
// every promise the painters rely on.
#include "skin_reader.h"
#include <cstdint>
#include <cstdlib>

namespace {

bool Keeps(const veneer::Skin& skin)
{
    const veneer::Metrics& m = skin.metrics;
    if (m.captionHeight < 16 || m.captionHeight > 48 || m.frameWidth < 1 || m.frameWidth > 8 || m.cornerRadius < 0 ||
        m.cornerRadius > 16)
        return false;
    if (skin.name.empty() || skin.name.size() > 63)
        return false;
    for (char c : skin.name)
        if (c < 0x20 || c > 0x7E)
            return false;
    return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::optional<veneer::Skin> skin = veneer::ReadSkin(data, size);
    if (skin && !Keeps(*skin))
        std::abort();
    return 0;
}
