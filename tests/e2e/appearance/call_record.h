// What the recording stand-in for Veneer.dll writes down, one line per event, in the file
// veneer_calls.txt beside itself; the tests read it back.
//
//   attach skin=<null|copy|image> length=<n> digest=<hex> options=<null|empty|text> reserved=<a>,<b>,<c>
//   detach by=<FreeLibrary|exit> windows=<hex>,<hex>,...
//
// skin says where the bytes lay: nowhere, in memory of no module (a copy), or inside a loaded
// image (the program's built-in bytes themselves). windows are the top-level windows of the
// unloading thread that still existed when the library was unloaded.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

constexpr char kCallRecordName[] = "veneer_calls.txt";

// FNV-1a, 64 bits: enough to tell the 33 skins and a torn copy apart.
inline uint64_t DigestOf(const unsigned char* bytes, size_t size)
{
    uint64_t digest = 14695981039346656037ull;
    for (size_t i = 0; i < size; ++i)
        digest = (digest ^ bytes[i]) * 1099511628211ull;
    return digest;
}

struct AttachCall {
    std::string skin;
    uint32_t length = 0;
    uint64_t digest = 0;
    std::string options;
    int32_t reserved[3] = {};
};

struct DetachEvent {
    std::string by;
    std::vector<uintptr_t> windows;
};

struct CallRecord {
    std::vector<AttachCall> attaches;
    std::vector<DetachEvent> detaches;
};

// The events in the file at `path`; no events when there is no such file.
CallRecord ReadCallRecord(const std::string& path);

// What the stand-in writes down for built-in skin `number` of the compiled catalogue file at
// `cataloguePath`; throws when the catalogue has no such skin.
struct SkinFingerprint {
    uint32_t length;
    uint64_t digest;
};
SkinFingerprint CompiledSkin(const std::string& cataloguePath, int32_t number);
