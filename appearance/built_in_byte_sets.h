// The two byte sets the build embeds in the program: the skin engine's file image and the
// catalogue of built-in skins.
#pragma once
#include "appearance/byte_set.h"

// The complete file image of Veneer.dll, as the same build made it for this architecture.
ByteSpan EnginePayload();

// The built-in skins, each a byte set, back to back in number order.
ByteSpan SkinCatalogue();
