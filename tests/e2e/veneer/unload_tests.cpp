// Unloading the engine while its windows live (the program's fatal path does so) leaves no
// window calling into the unloaded library: the windows go on working, with their own look.
#include "probes.h"
#include <gtest/gtest.h>

namespace veneer_e2e {
namespace {

TEST(Unloading, WhileADressedWindowExistsLeavesItWorkingWithItsOwnLook)
{
    MoveMouse({2, 2});
    MainLayout undressed;  // the reference: the same layout never dressed
    undressed.show();
    RECT reference;
    GetClientRect(undressed.hwnd(), &reference);

    Engine engine;
    MainLayout window;
    ASSERT_EQ(1, engine.attach(SkinBytes(10)));
    window.show();
    engine.unload();
    EXPECT_EQ(nullptr, GetModuleHandleA("Veneer.dll"));
    // A subclass or hook left behind would now call into unmapped memory: each of these would crash.
    SetWindowTextA(window.hwnd(), "After unloading");
    SendMessageA(window.hwnd(), WM_NCACTIVATE, FALSE, 0);
    SendMessageA(window.hwnd(), WM_NCACTIVATE, TRUE, 0);
    RedrawWindow(window.hwnd(), nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    const HWND extra = CreateWindowExA(0, "BUTTON", "Extra", WS_CHILD | WS_VISIBLE, 200, 180, 60, 24, window.hwnd(), nullptr,
                                       nullptr, nullptr);
    EXPECT_NE(nullptr, extra);
    SetForegroundWindow(window.hwnd());
    const HWND generate = window.control(MainLayout::kGenerate);
    MoveMouse(ToScreen(window.hwnd(), CentreOf(PlaceIn(generate, window.hwnd()))));
    MouseButton(true);
    MouseButton(false);
    Pump(200);
    EXPECT_EQ(std::vector<int>{MainLayout::kGenerate}, window.clicks);

    // The frame is the system's again: the client area is that of the undressed window.
    RECT client;
    GetClientRect(window.hwnd(), &client);
    EXPECT_EQ(reference.right, client.right);
    EXPECT_EQ(reference.bottom, client.bottom);
}

}  // namespace
}  // namespace veneer_e2e
