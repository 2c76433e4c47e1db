// The engine's one exported function: check the call, read the skin, and only then dress.
#include "veneer.h"
#include "dresser.h"
#include "skin_reader.h"
#include <utility>

namespace {

// The reserved arguments carry no meaning yet; refusing anything but their empty values keeps
// them free to gain one later without old callers being misread.
bool ReservedArgumentsAreEmpty(const char* options, int32_t reserved1, int32_t reserved2, int32_t reserved3)
{
    const bool noOptions = options == nullptr || options[0] == '\0';
    return noOptions && reserved1 == 0 && reserved2 == 0 && reserved3 == 0;
}

}  // namespace

extern "C" VENEER_API int32_t __stdcall Veneer_AttachSkin(const void* skin, uint32_t length, const char* options,
                                                          int32_t reserved1, int32_t reserved2, int32_t reserved3)
{
    if (!ReservedArgumentsAreEmpty(options, reserved1, reserved2, reserved3))
        return 0;
    std::optional<veneer::Skin> accepted = veneer::ReadSkin(skin, length);
    if (!accepted)
        return 0;
    veneer::DressThread(std::move(*accepted));
    return 1;
}
