// Stands in for <windows.h> when the skin reader is built natively for fuzzing: the reader and
// the skin it builds need only the colour type and the macro that packs one.
#pragma once
#include <stdint.h>

typedef uint32_t COLORREF;
#define RGB(r, g, b) ((COLORREF)((uint8_t)(r) | ((uint32_t)(uint8_t)(g) << 8) | ((uint32_t)(uint8_t)(b) << 16)))
