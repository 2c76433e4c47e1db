// Writing the skin engine's file image beside the executable.
#pragma once
#include <string>

#include "appearance/byte_set.h"

// The engine's file name, which is also the name Windows searches for.
constexpr char kEngineFileName[] = "Veneer.dll";

// Where the engine lives: the run directory, one backslash and the library's file name
// (a drive root "X:" gives "X:\Veneer.dll").
std::string EnginePath(const std::string& runDirectory);

// Writes `payload` as a hidden file at `path` unless something of that name is already there,
// which is then left exactly as it is. A write that fails part-way takes its own file away
// again, so that no torn library is left for this or a later start to load.
void DeployEngineAt(const std::string& path, ByteSpan payload);
