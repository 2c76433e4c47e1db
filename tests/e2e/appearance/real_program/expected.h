// What the tests expect: the files the build made (Wine reaches the build folder on Z:), and
// the one report that every engine which cannot be bound ends in.
#pragma once
#include <string>

#include "driver/app.h"

namespace appearance_e2e {

constexpr const char* kBuiltEngine = VELDRANE_TEST_BUILT_ENGINE;
constexpr const char* kRecordingVeneer = VELDRANE_TEST_RECORDING_VENEER;
constexpr const char* kVeneerWithoutAttach = VELDRANE_TEST_VENEER_WITHOUT_ATTACH;

constexpr const char* kMissingEngineMessage = "无法找到指定DLL库文件“Veneer.dll”中的输出命令“Veneer_AttachSkin”";

// The fatal error report with that message, before the main window ever showed, and exit code -1.
void ExpectMissingEngineReport(const e2e::App& app);

constexpr const char* kSkinCatalogue = VELDRANE_TEST_SKIN_CATALOGUE;

// Copies a file the build made into `dir` under the engine's name.
void PutAsEngine(const char* builtFile, const std::string& dir);

}  // namespace appearance_e2e
