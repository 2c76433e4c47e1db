// Reading a skin from the bytes a caller hands over (the format is described in FORMAT.md).
#pragma once
#include "skin_model.h"
#include <cstddef>
#include <optional>

namespace veneer {

// Checks every byte of the block and builds the skin it describes, or gives nothing when
// anything in it is out of place. Never reads outside [bytes, bytes + length), and keeps no
// pointer into it: the caller may free the block as soon as this returns.
std::optional<Skin> ReadSkin(const void* bytes, size_t length);

}  // namespace veneer
