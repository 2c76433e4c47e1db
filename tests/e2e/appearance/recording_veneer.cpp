// A stand-in for the skin engine, built for the tests only: a library named Veneer.dll with the
// engine's one export, which dresses nothing and writes down what it was handed (call_record.h)
// in a file beside itself, so that a test can check the call site of the real program. Built
// with RECORDING_WITHOUT_ATTACH it lacks the export: a library of the right name but the wrong
// kind, which still writes down how it was unloaded.
#include <windows.h>

#include <cstdio>
#include <string>

#include "call_record.h"
#include "veneer/include/veneer.h"

namespace {

HMODULE g_self = nullptr;

void Append(const std::string& line)
{
    char path[MAX_PATH] = {};
    GetModuleFileNameA(g_self, path, sizeof(path));
    std::string record = path;
    record = record.substr(0, record.rfind('\\') + 1) + kCallRecordName;
    if (FILE* file = std::fopen(record.c_str(), "a")) {
        std::fputs((line + "\n").c_str(), file);
        std::fclose(file);
    }
}

BOOL CALLBACK AddWindow(HWND window, LPARAM list)
{
    char item[32];
    std::snprintf(item, sizeof(item), "%llx,", static_cast<unsigned long long>(reinterpret_cast<uintptr_t>(window)));
    *reinterpret_cast<std::string*>(list) += item;
    return TRUE;
}

std::string WindowsOfThisThread()
{
    std::string list;
    EnumThreadWindows(GetCurrentThreadId(), AddWindow, reinterpret_cast<LPARAM>(&list));
    return list;
}

}  // namespace

BOOL WINAPI DllMain(HINSTANCE self, DWORD reason, LPVOID reserved)
{
    if (reason == DLL_PROCESS_ATTACH)
        g_self = self;
    // FreeLibrary unloads with a null third argument; the end of the process with a non-null one.
    if (reason == DLL_PROCESS_DETACH)
        Append(std::string("detach by=") + (reserved ? "exit" : "FreeLibrary") + " windows=" + WindowsOfThisThread());
    return TRUE;
}

#ifndef RECORDING_WITHOUT_ATTACH

namespace {

const char* WhereSkinLies(const void* skin)
{
    if (!skin)
        return "null";
    HMODULE image = nullptr;
    const DWORD flags = GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT;
    return GetModuleHandleExA(flags, static_cast<const char*>(skin), &image) ? "image" : "copy";
}

const char* OptionsKind(const char* options)
{
    return !options ? "null" : *options ? "text" : "empty";
}

}  // namespace

extern "C" VENEER_API int32_t __stdcall Veneer_AttachSkin(const void* skin, uint32_t length, const char* options,
                                                          int32_t reserved1, int32_t reserved2, int32_t reserved3)
{
    const uint64_t digest = skin ? DigestOf(static_cast<const unsigned char*>(skin), length) : 0;
    char line[256];
    std::snprintf(line, sizeof(line), "attach skin=%s length=%u digest=%016llx options=%s reserved=%d,%d,%d",
                  WhereSkinLies(skin), length, static_cast<unsigned long long>(digest), OptionsKind(options),
                  reserved1, reserved2, reserved3);
    Append(line);
    return 1;
}

#endif
