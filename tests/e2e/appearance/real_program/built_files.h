// What the build made, as the tests compare it (Wine reaches the build folder on Z:), and the
// one report a missing engine ends with.
#pragma once
#include <string>

namespace appearance_e2e {

constexpr const char* kBuiltEngine = VELDRANE_TEST_BUILT_ENGINE;
constexpr const char* kRecordingVeneer = VELDRANE_TEST_RECORDING_VENEER;
constexpr const char* kVeneerWithoutAttach = VELDRANE_TEST_VENEER_WITHOUT_ATTACH;

constexpr const char* kMissingEngineReport =
    "运行时出错!\r\n\r\n错误信息：无法找到指定DLL库文件“Veneer.dll”中的输出命令“Veneer_AttachSkin”\r\n";

constexpr const char* kSkinCatalogue = VELDRANE_TEST_SKIN_CATALOGUE;

// Copies a file the build made into `dir` under the engine's name.
void PutAsEngine(const char* builtFile, const std::string& dir);

}  // namespace appearance_e2e
