// The main window as it stands after start: caption, frame, place, and its controls.
#include <gtest/gtest.h>

#include "driver/app.h"
#include "driver/windows.h"

namespace e2e {
namespace {

class MainWindow : public ::testing::Test {
protected:
    static LONG Style(HWND window) { return GetWindowLongA(window, GWL_STYLE); }
    static LONG ExStyle(HWND window) { return GetWindowLongA(window, GWL_EXSTYLE); }
};

TEST_F(MainWindow, HasItsCaption)
{
    EXPECT_EQ(WindowText(SharedApp().window()), "Veldrane by:Tobrik");
}

TEST_F(MainWindow, Is380By250CentredOnTheScreen)
{
    RECT rect = {};
    GetWindowRect(SharedApp().window(), &rect);
    EXPECT_EQ(rect.right - rect.left, 380);
    EXPECT_EQ(rect.bottom - rect.top, 250);
    EXPECT_EQ(rect.left, (GetSystemMetrics(SM_CXSCREEN) - 380) / 2);
    EXPECT_EQ(rect.top, (GetSystemMetrics(SM_CYSCREEN) - 250) / 2);
}

TEST_F(MainWindow, IsAFixedToolWindowWithACloseBoxOnly)
{
    HWND window = SharedApp().window();
    EXPECT_EQ(Style(window) & WS_CAPTION, LONG(WS_CAPTION));
    EXPECT_TRUE(Style(window) & WS_SYSMENU);
    EXPECT_FALSE(Style(window) & WS_THICKFRAME);
    EXPECT_FALSE(Style(window) & WS_MINIMIZEBOX);
    EXPECT_FALSE(Style(window) & WS_MAXIMIZEBOX);
    EXPECT_TRUE(ExStyle(window) & WS_EX_TOOLWINDOW);  // hence no taskbar button
    EXPECT_FALSE(ExStyle(window) & WS_EX_TOPMOST);
}

// What the frame says under the pointer: no edge or corner to drag, a close box and no other.
TEST_F(MainWindow, FrameOffersNoSizingAndNoMinimiseOrMaximiseBox)
{
    HWND window = SharedApp().window();
    RECT rect = {};
    GetWindowRect(window, &rect);
    const auto hit = [&](int x, int y) { return SendTo(window, WM_NCHITTEST, 0, MAKELPARAM(x, y)); };
    const int midX = (rect.left + rect.right) / 2, midY = (rect.top + rect.bottom) / 2;
    for (LRESULT h : {hit(rect.left, midY), hit(rect.right - 1, midY), hit(midX, rect.top),
                      hit(midX, rect.bottom - 1), hit(rect.left, rect.top), hit(rect.right - 1, rect.bottom - 1)})
        EXPECT_TRUE(h < HTSIZEFIRST || h > HTSIZELAST) << "hit-test code " << h;
    int closeBoxes = 0, otherBoxes = 0;
    for (int y = rect.top + 2; y < rect.top + 32; y += 4) {
        for (int x = rect.left; x < rect.right; x += 2) {
            const LRESULT h = hit(x, y);
            closeBoxes += h == HTCLOSE;
            otherBoxes += h == HTMINBUTTON || h == HTMAXBUTTON || h == HTHELP;
        }
    }
    EXPECT_EQ(otherBoxes, 0);
    EXPECT_GT(closeBoxes, 0);
}

struct ControlCase {
    const char* name;
    ControlId id;
    const char* className;  // null for the program's own self-drawn controls
    RECT place;             // left, top, right, bottom in the client area
    const char* text;       // null where the text is the implementer's (the link's address)
    LONG style;             // styles it must have
    LONG exStyle;
};

void PrintTo(const ControlCase& c, std::ostream* out) { *out << c.name; }

constexpr LONG kButton = WS_TABSTOP | BS_CENTER | BS_VCENTER | BS_MULTILINE;
constexpr LONG kEdit = WS_TABSTOP | ES_AUTOHSCROLL;

class Controls : public MainWindow, public ::testing::WithParamInterface<ControlCase> {};

TEST_P(Controls, StandAtTheirPlacesWithTheirTexts)
{
    const ControlCase& c = GetParam();
    App& app = SharedApp();
    HWND control = app.control(c.id);
    EXPECT_TRUE(IsWindowVisible(control));
    const RECT place = RectIn(control, app.window());
    EXPECT_EQ(place.left, c.place.left);
    EXPECT_EQ(place.top, c.place.top);
    EXPECT_EQ(place.right, c.place.right);
    EXPECT_EQ(place.bottom, c.place.bottom);
    if (c.className) {
        EXPECT_STRCASEEQ(ClassName(control).c_str(), c.className);
    }
    if (c.text) {
        EXPECT_EQ(WindowText(control), c.text);
    }
    EXPECT_EQ(Style(control) & c.style, c.style);
    EXPECT_EQ(ExStyle(control) & c.exStyle, c.exStyle);
    const std::string kind = c.className ? c.className : "";
    if (kind == "Button") {
        EXPECT_EQ(Style(control) & BS_TYPEMASK, BS_PUSHBUTTON) << "a plain push button, none the default";
    }
    if (kind == "Edit") {
        EXPECT_FALSE(Style(control) & (ES_MULTILINE | ES_READONLY));
    }
}

// Places are left, top, width, height in the window's description.
constexpr RECT Place(int left, int top, int width, int height) { return {left, top, left + width, top + height}; }

INSTANTIATE_TEST_SUITE_P(
    EachControl, Controls,
    ::testing::Values(
        ControlCase{"Link", 超级链接框1, nullptr, Place(119, 176, 136, 24), nullptr, 0, 0},
        ControlCase{"OpenPicture", 按钮4, "Button", Place(287, 48, 56, 32), "打开", kButton, 0},
        ControlCase{"OpenDriveRoot", 按钮3, "Button", Place(287, 8, 56, 32), "打开", kButton, 0},
        ControlCase{"DriveRoot", 编辑框2, "Edit", Place(95, 8, 176, 32), "", kEdit, WS_EX_CLIENTEDGE},
        ControlCase{"DriveRootLabel", 标签2, nullptr, Place(31, 8, 64, 32), "分区目录：", 0, 0},
        ControlCase{"Restore", 按钮2, "Button", Place(232, 122, 120, 40), "还原", kButton, 0},
        ControlCase{"Generate", 按钮1, "Button", Place(32, 122, 120, 40), "生成", kButton, 0},
        ControlCase{"Picture", 编辑框1, "Edit", Place(95, 48, 176, 32), "", kEdit, WS_EX_CLIENTEDGE},
        ControlCase{"PictureLabel", 标签1, nullptr, Place(31, 48, 64, 32), "图片路径：", 0, 0}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(MainWindow, CommonDialogControlIsNeverShown)
{
    HWND dialog = GetDlgItem(SharedApp().window(), 通用对话框1);
    EXPECT_TRUE(dialog == nullptr || !IsWindowVisible(dialog));
}

}  // namespace
}  // namespace e2e
