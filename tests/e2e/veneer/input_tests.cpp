// Behaviour stays the system's through a dressed window: clicks, the space bar, typing and
// selecting, Alt+F4, the close button, moving by the caption, the system menu; hot states
// follow the pointer and clear when it leaves.
#include "probes.h"
#include <gtest/gtest.h>

namespace veneer_e2e {
namespace {

constexpr int kProgramSkin = 10;
const POINT kAway = {2, 2};  // a screen corner, far from the centred window

class DressedInput : public ::testing::Test {
protected:
    void SetUp() override
    {
        MoveMouse(kAway);
        ASSERT_EQ(1, engine.attach(SkinBytes(kProgramSkin)));
        window.show();
    }
    POINT screenCentreOf(HWND control) const { return ToScreen(window.hwnd(), CentreOf(PlaceIn(control, window.hwnd()))); }

    Engine engine;
    MainLayout window;
    SkinText skin = SkinSource(kProgramSkin);
};

TEST_F(DressedInput, AClickOnADressedButtonIsReported)
{
    MoveMouse(screenCentreOf(window.control(MainLayout::kGenerate)));
    MouseButton(true);
    MouseButton(false);
    Pump(100);
    EXPECT_EQ(std::vector<int>{MainLayout::kGenerate}, window.clicks);
}

TEST_F(DressedInput, TheSpaceBarPressesTheFocusedButton)
{
    SetFocus(window.control(MainLayout::kRestore));
    Tap(VK_SPACE);
    EXPECT_EQ(std::vector<int>{MainLayout::kRestore}, window.clicks);
}

TEST_F(DressedInput, TypingAndSelectingInADressedEdit)
{
    const HWND edit = window.control(MainLayout::kRootEdit);
    SetFocus(edit);
    Tap('A');
    Tap('B');
    Tap(VK_HOME, {VK_SHIFT});
    Tap('C');
    char text[16] = "";
    GetWindowTextA(edit, text, sizeof text);
    EXPECT_STREQ("c", text);
}

TEST_F(DressedInput, AltF4Closes)
{
    Tap(VK_F4, {VK_MENU});
    EXPECT_TRUE(PumpUntil([this] { return window.destroyed(); }));
}

TEST_F(DressedInput, TheCloseButtonCloses)
{
    const RECT close = HitArea(window.hwnd(), HTCLOSE);
    ASSERT_FALSE(IsRectEmpty(&close));
    MoveMouse(ToScreen(window.hwnd(), CentreOf(close)));
    ExpectProbes(window.hwnd(), {CaptionButtonProbe(window.hwnd(), HTCLOSE, skin, "close.hot")});
    MouseButton(true);
    ExpectProbes(window.hwnd(), {CaptionButtonProbe(window.hwnd(), HTCLOSE, skin, "close.pressed")});
    MouseButton(false);
    EXPECT_TRUE(PumpUntil([this] { return window.destroyed(); }));
}

TEST_F(DressedInput, TheCloseButtonReleasedElsewhereDoesNothing)
{
    const RECT close = HitArea(window.hwnd(), HTCLOSE);
    const POINT centre = ToScreen(window.hwnd(), CentreOf(close));
    MoveMouse(centre);
    MouseButton(true);
    MoveMouse({centre.x - 120, centre.y + 100});
    MouseButton(false);
    MoveMouse(kAway);
    Pump(100);
    ASSERT_FALSE(window.destroyed());
    ExpectProbes(window.hwnd(), {CaptionButtonProbe(window.hwnd(), HTCLOSE, skin, "close.normal")});
}

TEST_F(DressedInput, TheCaptionMovesTheWindow)
{
    RECT before;
    GetWindowRect(window.hwnd(), &before);
    const POINT grip = {before.left + 60, before.top + skin.number("frame.width") + skin.number("caption.height") / 2};
    ASSERT_EQ(HTCAPTION, SendMessageA(window.hwnd(), WM_NCHITTEST, 0, MAKELPARAM(grip.x, grip.y)));
    MoveMouse(grip);
    WhilePumping([grip] {
        MouseButton(true);
        for (int step = 1; step <= 4; ++step) MoveMouse({grip.x + 10 * step, grip.y + 8 * step});
        MouseButton(false);
    });
    RECT after;
    GetWindowRect(window.hwnd(), &after);
    EXPECT_EQ(before.left + 40, after.left);
    EXPECT_EQ(before.top + 32, after.top);
}

BOOL CALLBACK FindMenu(HWND hwnd, LPARAM seen)
{
    char name[16];
    if (IsWindowVisible(hwnd) && GetClassNameA(hwnd, name, sizeof name) && lstrcmpA(name, "#32768") == 0)
        *reinterpret_cast<bool*>(seen) = true;
    return TRUE;
}

TEST_F(DressedInput, AltSpaceOpensTheSystemMenu)
{
    bool seen = false;
    WhilePumping([&seen] {
        Tap(VK_SPACE, {VK_MENU});
        for (int tries = 0; tries < 30 && !seen; ++tries) {
            Sleep(100);
            EnumWindows(FindMenu, reinterpret_cast<LPARAM>(&seen));
        }
        // The first Esc closes the menu, the second leaves the menu mode the keyboard opened.
        Tap(VK_ESCAPE);
        Tap(VK_ESCAPE);
    });
    EXPECT_TRUE(seen);
    EXPECT_FALSE(window.destroyed());
}

TEST_F(DressedInput, AButtonIsHotWhileThePointerIsOverItOnly)
{
    const HWND button = window.control(MainLayout::kGenerate);
    MoveMouse(screenCentreOf(button));
    ExpectProbes(window.hwnd(), {ButtonProbe(window.hwnd(), button, skin, "hot")});
    MoveMouse(kAway);
    Pump(800);  // Wine notices the pointer's leaving on a timer
    ExpectProbes(window.hwnd(), {ButtonProbe(window.hwnd(), button, skin, "normal")});
}

TEST_F(DressedInput, APressReleasedOutsideLeavesTheButtonNormalAndUnclicked)
{
    const HWND button = window.control(MainLayout::kGenerate);
    const POINT centre = screenCentreOf(button);
    MoveMouse(centre);
    MouseButton(true);
    ExpectProbes(window.hwnd(), {ButtonProbe(window.hwnd(), button, skin, "pressed")});
    MoveMouse({centre.x, centre.y + 300});
    MouseButton(false);
    Pump(200);
    // The pressed button took the focus, so its resting look is the focused one.
    ExpectProbes(window.hwnd(), {ButtonProbe(window.hwnd(), button, skin, "focused")});
    EXPECT_TRUE(window.clicks.empty());
}

TEST_F(DressedInput, EditAndCaptionButtonHotStatesClearWhenThePointerLeaves)
{
    const HWND edit = window.control(MainLayout::kRootEdit);
    MoveMouse(screenCentreOf(edit));
    ExpectProbes(window.hwnd(), {EditBorderProbe(window.hwnd(), edit, skin, "hot")});
    MoveMouse(ToScreen(window.hwnd(), CentreOf(HitArea(window.hwnd(), HTCLOSE))));
    ExpectProbes(window.hwnd(), {EditBorderProbe(window.hwnd(), edit, skin, "normal"),
                                 CaptionButtonProbe(window.hwnd(), HTCLOSE, skin, "close.hot")});
    MoveMouse(kAway);
    Pump(200);
    ExpectProbes(window.hwnd(), {CaptionButtonProbe(window.hwnd(), HTCLOSE, skin, "close.normal")});
}

}  // namespace
}  // namespace veneer_e2e
