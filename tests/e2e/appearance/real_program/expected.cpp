#include "expected.h"

#include <gtest/gtest.h>

#include <windows.h>

#include "driver/files.h"
#include "driver/program_texts.h"
#include "driver/wait.h"

namespace appearance_e2e {

void ExpectMissingEngineReport(const e2e::App& app)
{
    const e2e::FatalReport report = app.awaitFatalReport();
    EXPECT_EQ(report.box, e2e::FatalBox(kMissingEngineMessage));
    EXPECT_FALSE(report.mainWindowShown);
    EXPECT_EQ(report.exitCode, e2e::kFatalExitCode);
}

void PutAsEngine(const char* builtFile, const std::string& dir)
{
    const std::string target = dir + "\\Veneer.dll";
    if (!CopyFileA(builtFile, target.c_str(), TRUE))
        throw e2e::DriverError(std::string("cannot copy ") + builtFile + " to " + target);
}

}  // namespace appearance_e2e
