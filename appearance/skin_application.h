// Deploying the skin engine beside the executable and handing it a built-in skin.
#pragma once
#include <cstdint>

// Writes the engine's file image to <run directory>\Veneer.dll when nothing of that name is
// there. Reports nothing.
void DeploySkinEngine();

// Deploys the engine, binds Veneer_AttachSkin on the first call and hands it a private copy of
// built-in skin `number` (1 to 33; any other number hands it none). Ends the program through
// the fatal error report when the engine cannot be bound.
void ApplyBuiltInSkin(int32_t number);
