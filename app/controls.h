// The controls of the main window, by the names of the window's description, and the
// property access the handlers use. Each read yields a fresh text ("" when the property is
// empty); nothing is cached between reads.
#pragma once
#include <string>

// Control identifiers, in the order of the window's control list.
enum ControlId : int {
    超级链接框1 = 1001,
    按钮4,
    按钮3,
    通用对话框1,
    编辑框2,
    标签2,
    按钮2,
    按钮1,
    编辑框1,
    标签1,
};

constexpr int kContentProperty = 8;    // the text in an edit box
constexpr int kFileNameProperty = 10;  // the file name last confirmed in the common dialog

std::string ReadControlProperty(ControlId control, int property);
void WriteControlProperty(ControlId control, int property, const std::string& value);
