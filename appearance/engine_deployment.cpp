#include "appearance/engine_deployment.h"

#include <windows.h>

#include "app/app_state.h"
#include "appearance/built_in_byte_sets.h"
#include "appearance/skin_application.h"
#include "appearance/win_handles.h"

namespace {

// Anything of that name counts: a file of any size or content, or a directory.
bool SomethingIsAt(const std::string& path)
{
    WIN32_FIND_DATAA found = {};
    return FindHandle(FindFirstFileA(path.c_str(), &found)).valid();
}

}  // namespace

std::string EnginePath(const std::string& runDirectory)
{
    return runDirectory + "\\" + kEngineFileName;
}

void DeployEngineAt(const std::string& path, ByteSpan payload)
{
    if (SomethingIsAt(path))
        return;
    SECURITY_ATTRIBUTES security = { sizeof(security), nullptr, TRUE };
    FileHandle file(CreateFileA(path.c_str(), GENERIC_WRITE, 0, &security, CREATE_ALWAYS,
                                FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file.valid())
        return;  // refused: there is nothing of ours to hide or to take away
    // A file that appeared since the search is someone else's, torn or not.
    const bool createdHere = GetLastError() != ERROR_ALREADY_EXISTS;
    const bool complete = WriteAll(file.get(), payload.data, payload.size);
    file.reset();
    if (complete)
        SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_HIDDEN);
    else if (createdHere)
        DeleteFileA(path.c_str());
}

void DeploySkinEngine()
{
    DeployEngineAt(EnginePath(RunDirectory()), EnginePayload());
}
