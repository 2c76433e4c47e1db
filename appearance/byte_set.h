// Built-in byte sets: a 32-bit 1, a 32-bit length, then the bytes. What the program hands on
// is the bytes alone, from the first one after that header.
#pragma once
#include <cstddef>
#include <cstdint>

// A run of bytes that someone else owns; the empty byte set is a null pointer and 0.
struct ByteSpan {
    const unsigned char* data = nullptr;
    uint32_t size = 0;
};

constexpr size_t kByteSetHeaderSize = 8;

// The bytes of the byte set whose header starts at `header` (the build vouches for its length).
ByteSpan ByteSetAt(const unsigned char* header);

// Built-in skins are numbered from 1; any number outside 1..33 selects none.
constexpr int32_t kBuiltInSkinCount = 33;

// Skin `number` of a catalogue of byte sets laid back to back in number order; the empty byte
// set when the number selects none or the catalogue ends (or breaks off) before that skin.
ByteSpan SelectSkin(ByteSpan catalogue, int32_t number);
