#include "app/control_table.h"
#include "app/link_box.h"
#include <algorithm>

const std::array<ControlSpec, 10> kControlTable = {{
    {超级链接框1, ControlKind::LinkBox, 119, 176, 136, 24, kLinkAddress},
    {按钮4, ControlKind::Button, 287, 48, 56, 32, "打开"},
    {按钮3, ControlKind::Button, 287, 8, 56, 32, "打开"},
    {通用对话框1, ControlKind::CommonDialog, 40, 184, 40, 24, ""},
    {编辑框2, ControlKind::EditBox, 95, 8, 176, 32, ""},
    {标签2, ControlKind::Label, 31, 8, 64, 32, "分区目录："},
    {按钮2, ControlKind::Button, 232, 122, 120, 40, "还原"},
    {按钮1, ControlKind::Button, 32, 122, 120, 40, "生成"},
    {编辑框1, ControlKind::EditBox, 95, 48, 176, 32, ""},
    {标签1, ControlKind::Label, 31, 48, 64, 32, "图片路径："},
}};

bool IsTabStop(ControlKind kind)
{
    return kind == ControlKind::Button || kind == ControlKind::EditBox;
}

std::vector<int> FocusOrder(const std::vector<FocusCandidate>& controlList)
{
    std::vector<int> order;
    for (auto c = controlList.rbegin(); c != controlList.rend(); ++c) {
        if (c->tabStop && c->visible && c->enabled) order.push_back(c->id);
    }
    return order;
}

int NextFocus(const std::vector<int>& order, int current, bool backward)
{
    if (order.empty()) return 0;
    const auto found = std::find(order.begin(), order.end(), current);
    if (found == order.end()) return backward ? order.back() : order.front();
    const std::size_t at = static_cast<std::size_t>(found - order.begin());
    const std::size_t count = order.size();
    return order[backward ? (at + count - 1) % count : (at + 1) % count];
}
