#include "appearance/built_in_byte_sets.h"

// Defined in built_in_byte_sets.S; each names the header of its byte set.
extern "C" const unsigned char veldrane_engine_payload[];
extern "C" const unsigned char veldrane_skin_catalogue[];

ByteSpan EnginePayload() { return ByteSetAt(veldrane_engine_payload); }
ByteSpan SkinCatalogue() { return ByteSetAt(veldrane_skin_catalogue); }
