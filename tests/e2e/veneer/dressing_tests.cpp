// The engine dresses the windows of the thread: the main window's layout, a second skin in
// place of the first, and nothing at all for a skin it refuses.
#include "probes.h"
#include <gtest/gtest.h>

namespace veneer_e2e {
namespace {

constexpr int kProgramSkin = 10;

class DressedMainLayout : public ::testing::Test {
protected:
    void SetUp() override { MoveMouse({2, 2}); }  // no part starts hot under the pointer
    Engine engine;
    MainLayout window;
};

TEST_F(DressedMainLayout, ShowsTheSkinsFrameCaptionButtonsEditsAndBackground)
{
    ASSERT_EQ(1, engine.attach(SkinBytes(kProgramSkin)));
    window.show();
    const SkinText skin = SkinSource(kProgramSkin);
    ExpectProbes(window.hwnd(), MainLayoutProbes(window, skin));
}

TEST_F(DressedMainLayout, LaysTheFrameOutByTheSkinsMetricsAndKeepsTheOuterSize)
{
    ASSERT_EQ(1, engine.attach(SkinBytes(kProgramSkin)));
    window.show();
    const SkinText skin = SkinSource(kProgramSkin);
    RECT outer, client;
    GetWindowRect(window.hwnd(), &outer);
    GetClientRect(window.hwnd(), &client);
    POINT origin = {0, 0};
    ClientToScreen(window.hwnd(), &origin);
    const int f = skin.number("frame.width"), c = skin.number("caption.height");
    EXPECT_EQ(380, outer.right - outer.left);
    EXPECT_EQ(250, outer.bottom - outer.top);
    EXPECT_EQ(f, origin.x - outer.left);
    EXPECT_EQ(f + c, origin.y - outer.top);
    EXPECT_EQ(380 - 2 * f, client.right);
    EXPECT_EQ(250 - 2 * f - c, client.bottom);
    EXPECT_EQ(WS_CAPTION | WS_SYSMENU, GetWindowLongA(window.hwnd(), GWL_STYLE) & (WS_CAPTION | WS_SYSMENU | WS_THICKFRAME));
}

TEST_F(DressedMainLayout, EverySkinCanBeAttachedAndTheLastOneShows)
{
    // Each skin replaces the one before; 33 attaches in a row also show that nothing piles up.
    for (int number = 1; number <= 33; ++number) ASSERT_EQ(1, engine.attach(SkinBytes(number))) << "skin " << number;
    window.show();
    ExpectProbes(window.hwnd(), MainLayoutProbes(window, SkinSource(33)));
}

TEST_F(DressedMainLayout, ASecondSkinReplacesTheFirst)
{
    const int first = 7;
    ASSERT_EQ(1, engine.attach(SkinBytes(first)));
    window.show();
    ExpectProbes(window.hwnd(), MainLayoutProbes(window, SkinSource(first)));
    ASSERT_EQ(1, engine.attach(SkinBytes(kProgramSkin)));
    Pump(100);
    ExpectProbes(window.hwnd(), MainLayoutProbes(window, SkinSource(kProgramSkin)));
}

TEST_F(DressedMainLayout, CaptionStaysDressedAfterNewTextAndActivationChanges)
{
    ASSERT_EQ(1, engine.attach(SkinBytes(kProgramSkin)));
    window.show();
    const SkinText skin = SkinSource(kProgramSkin);
    SetWindowTextA(window.hwnd(), "Another caption");
    Pump(100);
    ExpectProbes(window.hwnd(), FrameProbes(window.hwnd(), skin, true));
    SendMessageA(window.hwnd(), WM_NCACTIVATE, FALSE, 0);
    Pump(100);
    ExpectProbes(window.hwnd(), FrameProbes(window.hwnd(), skin, false));
    ExpectProbes(window.hwnd(), {CaptionButtonProbe(window.hwnd(), HTCLOSE, skin, "close.inactive")});
    SendMessageA(window.hwnd(), WM_NCACTIVATE, TRUE, 0);
    Pump(100);
    ExpectProbes(window.hwnd(), FrameProbes(window.hwnd(), skin, true));
}

TEST_F(DressedMainLayout, DisabledControlsShowTheirDisabledLook)
{
    ASSERT_EQ(1, engine.attach(SkinBytes(kProgramSkin)));
    window.show();
    const SkinText skin = SkinSource(kProgramSkin);
    EnableWindow(window.control(MainLayout::kRestore), FALSE);
    EnableWindow(window.control(MainLayout::kRootEdit), FALSE);
    Pump(100);
    ExpectProbes(window.hwnd(), {ButtonProbe(window.hwnd(), window.control(MainLayout::kRestore), skin, "disabled"),
                                 EditBorderProbe(window.hwnd(), window.control(MainLayout::kRootEdit), skin, "disabled")});
}

struct Malformation {
    const char* what;
    std::string (*change)(std::string);
};

const Malformation kMalformations[] = {
    {"empty", [](std::string) { return std::string(); }},
    {"cut short by one byte", [](std::string bytes) { return bytes.substr(0, bytes.size() - 1); }},
    {"one byte too many", [](std::string bytes) { return bytes + '\0'; }},
    {"wrong signature", [](std::string bytes) { return bytes.replace(0, 1, "X"); }},
    {"unknown version", [](std::string bytes) { return bytes.replace(4, 1, "\x07"); }},
    {"only the header", [](std::string bytes) { return bytes.substr(0, 12); }},
};

TEST_F(DressedMainLayout, AMalformedSkinLeavesEveryPixelAsItWas)
{
    window.show();
    const std::vector<COLORREF> before = PictureOf(window.hwnd());
    for (const Malformation& malformation : kMalformations) {
        EXPECT_EQ(0, engine.attach(malformation.change(SkinBytes(kProgramSkin)))) << malformation.what;
        RedrawWindow(window.hwnd(), nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
        Pump(50);
        EXPECT_TRUE(PictureOf(window.hwnd()) == before) << malformation.what << " changed the window";
    }
}

TEST_F(DressedMainLayout, AMalformedSkinKeepsTheSkinInForce)
{
    ASSERT_EQ(1, engine.attach(SkinBytes(kProgramSkin)));
    window.show();
    EXPECT_EQ(0, engine.attach(kMalformations[1].change(SkinBytes(3))));
    EXPECT_EQ(0, engine.attach(SkinBytes(3), "unknown option"));
    RedrawWindow(window.hwnd(), nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    Pump(50);
    ExpectProbes(window.hwnd(), MainLayoutProbes(window, SkinSource(kProgramSkin)));
}

}  // namespace
}  // namespace veneer_e2e
