#include "app/control_table.h"
#include <gtest/gtest.h>

namespace {

// The control list as the window has it right after start: everything visible and enabled.
std::vector<FocusCandidate> FreshWindow()
{
    std::vector<FocusCandidate> list;
    for (const ControlSpec& control : kControlTable) {
        list.push_back({control.id, IsTabStop(control.kind), true, true});
    }
    return list;
}

TEST(FocusOrder, RunsFromTheEndOfTheControlListToItsStart)
{
    const std::vector<int> expected = {编辑框1, 按钮1, 按钮2, 编辑框2, 按钮3, 按钮4};
    EXPECT_EQ(FocusOrder(FreshWindow()), expected);
}

TEST(FocusOrder, LeavesOutHiddenAndDisabledControls)
{
    std::vector<FocusCandidate> list = FreshWindow();
    for (FocusCandidate& c : list) {
        if (c.id == 按钮2) c.enabled = false;
        if (c.id == 编辑框2) c.visible = false;
    }
    const std::vector<int> expected = {编辑框1, 按钮1, 按钮3, 按钮4};
    EXPECT_EQ(FocusOrder(list), expected);
}

struct StepCase {
    int from;
    bool backward;
    int to;
};

const StepCase kSteps[] = {
    {按钮4, false, 编辑框1},     {编辑框1, true, 按钮4},  {编辑框2, false, 按钮3}, {编辑框1, false, 按钮1},
    {按钮1, true, 编辑框1},      {按钮3, true, 编辑框2},  {超级链接框1, false, 编辑框1},
    {超级链接框1, true, 按钮4}, {0, false, 编辑框1},
};

TEST(FocusOrder, TabAndShiftTabStepAndWrap)
{
    const std::vector<int> order = FocusOrder(FreshWindow());
    for (const StepCase& s : kSteps) {
        EXPECT_EQ(NextFocus(order, s.from, s.backward), s.to) << s.from << (s.backward ? " back" : " on");
    }
}

TEST(FocusOrder, GoesNowhereWhenNothingCanTakeTheFocus)
{
    EXPECT_EQ(NextFocus({}, 编辑框1, false), 0);
    EXPECT_EQ(NextFocus({按钮1}, 按钮1, true), 按钮1);
}

}  // namespace
