#include "appearance/skin_application.h"

#include <vector>

#include "appearance/built_in_byte_sets.h"
#include "appearance/engine_binding.h"

void ApplyBuiltInSkin(int32_t number)
{
    DeploySkinEngine();
    const ByteSpan skin = SelectSkin(SkinCatalogue(), number);
    // A private copy for the length of the call: the engine keeps what it needs during the
    // call, and the built-in bytes themselves never leave the program. (A copy that cannot be
    // allocated ends the program through the fatal error report, as every allocation does.)
    const std::vector<unsigned char> copy(skin.data, skin.data + skin.size);
    AttachSkinFunction()(skin.data ? copy.data() : nullptr, skin.size, "", 0, 0, 0);
}
