#include "appearance/engine_binding.h"

#include <windows.h>

#include <string>

#include "app/app_state.h"
#include "appearance/engine_deployment.h"

namespace {

constexpr char kAttachSkinName[] = "Veneer_AttachSkin";

[[noreturn]] void ReportMissingExport()
{
    ReportFatalError(std::string("无法找到指定DLL库文件“") + kEngineFileName + "”中的输出命令“" +
                     kAttachSkinName + "”");
}

// The deployed copy first; a copy that will not load leaves the standard search order.
HMODULE LoadEngine()
{
    const HMODULE deployed = LoadLibraryA(EnginePath(RunDirectory()).c_str());
    return deployed ? deployed : LoadLibraryA(kEngineFileName);
}

Veneer_AttachSkinFn Bind()
{
    const HMODULE library = LoadEngine();
    if (!library)
        ReportMissingExport();
    // GetProcAddress hands out a generic function pointer; the engine's header gives the real type.
    const auto attach = reinterpret_cast<Veneer_AttachSkinFn>(
        reinterpret_cast<void*>(GetProcAddress(library, kAttachSkinName)));
    if (!attach) {
        // A library of the right name but the wrong kind: no other copy is tried.
        FreeLibrary(library);
        ReportMissingExport();
    }
    RegisterOutsideLibrary(library);
    return attach;
}

}  // namespace

Veneer_AttachSkinFn AttachSkinFunction()
{
    static const Veneer_AttachSkinFn attach = Bind();
    return attach;
}
