// The life of the process seen from outside: how it starts, how each way of closing ends it.
#include <gtest/gtest.h>

#include "driver/app.h"
#include "driver/program_texts.h"
#include "driver/windows.h"

namespace e2e {
namespace {

class CloseEndsWithZero : public ::testing::TestWithParam<CloseWay> {};

TEST_P(CloseEndsWithZero, ExitCodeIsZero)
{
    App app;
    app.close(GetParam());
    EXPECT_EQ(app.waitForExit(), 0u);
}

INSTANTIATE_TEST_SUITE_P(EachWay, CloseEndsWithZero,
                         ::testing::Values(CloseWay::CloseBox, CloseWay::SystemMenuClose, CloseWay::AltF4,
                                           CloseWay::Escape),
                         [](const auto& info) { return std::string(Name(info.param)); });

struct LaunchCase {
    const char* name;
    bool elsewhere;         // start in another working directory
    const char* arguments;  // a command line the program is to ignore
};

void PrintTo(const LaunchCase& c, std::ostream* out) { *out << c.name; }

class Launch : public ::testing::TestWithParam<LaunchCase> {};

// Generate with the relative drive root "." shows, from outside, which directory is current:
// always the executable's own, whatever the start and the command line.
TEST_P(Launch, CurrentDirectoryIsTheRunDirectory)
{
    const LaunchCase& c = GetParam();
    ScratchDir start("start");
    LaunchOptions options;
    if (c.elsewhere)
        options.workingDirectory = start.path();
    options.arguments = c.arguments;
    App app(options);
    EXPECT_EQ(WindowText(app.window()), kMainCaption);
    app.setText(编辑框1, "C:\\a.jpg");
    app.setText(编辑框2, ".");

    EXPECT_EQ(app.runCommand(按钮1), CommandBox(kGenerateDone));
    EXPECT_EQ(ReadBytes(app.runDir() + "\\Desktop.ini").size(), 219u);
    EXPECT_TRUE(ListDir(start.path()).empty());
    app.close(CloseWay::SystemMenuClose);
    EXPECT_EQ(app.waitForExit(), 0u);
}

INSTANTIATE_TEST_SUITE_P(
    Variants, Launch,
    ::testing::Values(LaunchCase{"InItsOwnFolder", false, ""},
                      LaunchCase{"FromAnotherFolder", true, ""},
                      LaunchCase{"WithArguments", true, "/s --skin=3 C:\\elsewhere \"two words\""}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(TwoCopies, RunSideBySide)
{
    App first;
    App second;
    EXPECT_NE(first.window(), second.window());
    EXPECT_TRUE(IsWindowVisible(first.window()));
    EXPECT_TRUE(IsWindowVisible(second.window()));
    first.close(CloseWay::SystemMenuClose);
    EXPECT_EQ(first.waitForExit(), 0u);
    EXPECT_TRUE(second.running());
    second.close(CloseWay::SystemMenuClose);
    EXPECT_EQ(second.waitForExit(), 0u);
}

}  // namespace
}  // namespace e2e
