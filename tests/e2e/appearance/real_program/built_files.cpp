#include "built_files.h"

#include <windows.h>

#include "driver/files.h"
#include "driver/wait.h"

namespace appearance_e2e {

void PutAsEngine(const char* builtFile, const std::string& dir)
{
    const std::string target = dir + "\\Veneer.dll";
    if (!CopyFileA(builtFile, target.c_str(), TRUE))
        throw e2e::DriverError(std::string("cannot copy ") + builtFile + " to " + target);
}

}  // namespace appearance_e2e
