// What a drive root holds, to show that a command touched nothing.
#pragma once
#include <windows.h>
#include <ostream>
#include <string>
#include <vector>

#include "driver/files.h"
#include "driver/windows.h"

namespace e2e {

struct FolderState {
    std::vector<std::string> names;
    std::string desktopIni;        // its bytes; empty when there is none
    DWORD attributes = 0;          // its attributes without ARCHIVE; 0 when there is none

    static FolderState Of(const std::string& folder)
    {
        FolderState state{ListDir(folder)};
        const std::string ini = folder + "\\Desktop.ini";
        if (Exists(ini)) {
            state.desktopIni = ReadBytes(ini);
            state.attributes = AttributesWithoutArchive(ini);
        }
        return state;
    }
    bool operator==(const FolderState& other) const
    {
        return names == other.names && desktopIni == other.desktopIni && attributes == other.attributes;
    }
};

inline void PrintTo(const FolderState& state, std::ostream* out)
{
    *out << "{";
    for (const std::string& name : state.names)
        *out << Utf8(name) << " ";
    *out << "; Desktop.ini " << state.desktopIni.size() << " bytes, attributes " << state.attributes << "}";
}

}  // namespace e2e
