// The keyboard of the main window, with real keys: the first focus, Tab and Shift+Tab, Esc.
#include <gtest/gtest.h>

#include <vector>

#include "driver/app.h"

namespace e2e {
namespace {

TEST(Keyboard, FirstFocusAndFirstKeysGoToThePictureBox)
{
    App app;
    WaitFor("the focus on 编辑框1", [&] { return app.focus() == app.control(编辑框1); });
    app.type("abc");
    app.waitForText(编辑框1, "abc");
    EXPECT_EQ(app.text(编辑框2), "");
}

struct TabCase {
    const char* name;
    bool shift;
    std::vector<ControlId> order;  // where the focus goes, key by key, from 编辑框1
};

void PrintTo(const TabCase& c, std::ostream* out) { *out << c.name; }

class TabOrder : public ::testing::TestWithParam<TabCase> {};

TEST_P(TabOrder, VisitsEveryInputAndWrapsAround)
{
    const TabCase& c = GetParam();
    App app;
    WaitFor("the focus on 编辑框1", [&] { return app.focus() == app.control(编辑框1); });
    for (ControlId next : c.order) {
        if (c.shift)
            app.pressKey(VK_TAB, {VK_SHIFT});
        else
            app.pressKey(VK_TAB);
        WaitFor("the focus on control " + std::to_string(int(next)),
                [&] { return app.focus() == app.control(next); });
    }
}

INSTANTIATE_TEST_SUITE_P(
    BothWays, TabOrder,
    ::testing::Values(TabCase{"Tab", false, {按钮1, 按钮2, 编辑框2, 按钮3, 按钮4, 编辑框1}},
                      TabCase{"ShiftTab", true, {按钮4, 按钮3, 编辑框2, 按钮2, 按钮1, 编辑框1}}),
    [](const auto& info) { return std::string(info.param.name); });

class EscapeCloses : public ::testing::TestWithParam<ControlId> {};

TEST_P(EscapeCloses, WhateverHasTheFocus)
{
    App app;
    app.focusWithMouse(GetParam());
    app.pressKey(VK_ESCAPE);
    EXPECT_EQ(app.waitForExit(), 0u);
}

INSTANTIATE_TEST_SUITE_P(EditBoxes, EscapeCloses, ::testing::Values(编辑框1, 编辑框2),
                         [](const auto& info) { return info.param == 编辑框1 ? "Picture" : "DriveRoot"; });

}  // namespace
}  // namespace e2e
