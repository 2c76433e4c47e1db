#include "probes.h"
#include <gtest/gtest.h>

namespace veneer_e2e {

namespace {

RECT WindowSize(HWND hwnd)
{
    RECT window;
    GetWindowRect(hwnd, &window);
    return {0, 0, window.right - window.left, window.bottom - window.top};
}

// A box's fill lies inside its one-pixel border; the probe sits just inside, clear of the glyph.
Probe BoxProbe(const std::string& part, const RECT& box, const SkinText& skin, const std::string& key)
{
    RECT fill = box;
    InflateRect(&fill, -1, -1);
    const POINT at = {fill.left + 1, fill.top + 1};
    return {part, at, skin.fillAt(key, fill, at)};
}

}  // namespace

void ExpectProbes(HWND hwnd, const std::vector<Probe>& probes)
{
    for (const Probe& probe : probes) {
        const COLORREF seen = PixelOf(hwnd, probe.at);
        EXPECT_LE(Distance(seen, probe.expected), kTolerance)
            << probe.part << " at (" << probe.at.x << ", " << probe.at.y << "): shows " << Hex(seen) << ", the skin has "
            << Hex(probe.expected);
    }
}

std::vector<Probe> FrameProbes(HWND hwnd, const SkinText& skin, bool active)
{
    const std::string look = active ? "active" : "inactive";
    const RECT size = WindowSize(hwnd);
    const int f = skin.number("frame.width"), c = skin.number("caption.height");
    const RECT caption = {f, f, size.right - f, f + c};
    const POINT captionTop = {size.right / 2, f + 1};
    return {
        {"left frame (" + look + ")", {0, size.bottom / 2}, skin.colour("frame." + look)},
        {"bottom frame (" + look + ")", {size.right / 2, size.bottom - 1}, skin.colour("frame." + look)},
        {"caption (" + look + ")", captionTop, skin.fillAt("caption." + look, caption, captionTop)},
    };
}

Probe ButtonProbe(HWND top, HWND button, const SkinText& skin, const std::string& state)
{
    return BoxProbe("push button (" + state + ")", PlaceIn(button, top), skin, "button." + state);
}

Probe CaptionButtonProbe(HWND top, LRESULT code, const SkinText& skin, const std::string& key)
{
    return BoxProbe(key + " button", HitArea(top, code), skin, key);
}

Probe EditBorderProbe(HWND top, HWND edit, const SkinText& skin, const std::string& state)
{
    const RECT place = PlaceIn(edit, top);
    return {"edit border (" + state + ")", {place.left, (place.top + place.bottom) / 2}, skin.colour("edit.border." + state)};
}

Probe BackgroundProbe(HWND top, const SkinText& skin, const std::string& key, POINT inClient)
{
    RECT client;
    GetClientRect(top, &client);
    POINT origin = {0, 0};
    ClientToScreen(top, &origin);
    RECT window;
    GetWindowRect(top, &window);
    const POINT offset = {origin.x - window.left, origin.y - window.top};
    OffsetRect(&client, offset.x, offset.y);
    const POINT at = {offset.x + inClient.x, offset.y + inClient.y};
    return {key, at, skin.fillAt(key, client, at)};
}

std::vector<Probe> MainLayoutProbes(const MainLayout& window, const SkinText& skin)
{
    const HWND top = window.hwnd();
    std::vector<Probe> probes = FrameProbes(top, skin, true);
    const RECT rootEdit = PlaceIn(window.control(MainLayout::kRootEdit), top);
    RECT client;
    GetClientRect(top, &client);
    probes.insert(probes.end(), {
        CaptionButtonProbe(top, HTCLOSE, skin, "close.normal"),
        ButtonProbe(top, window.control(MainLayout::kGenerate), skin, "normal"),
        ButtonProbe(top, window.control(MainLayout::kOpenRoot), skin, "normal"),
        EditBorderProbe(top, window.control(MainLayout::kRootEdit), skin, "normal"),
        EditBorderProbe(top, window.control(MainLayout::kPictureEdit), skin, "focused"),
        // Inside the edit box the skin's background wins over the program's own answer.
        {"edit background", {rootEdit.right - 4, rootEdit.bottom - 4}, skin.colour("edit.background")},
        BackgroundProbe(top, skin, "window.background", {8, 100}),
        BackgroundProbe(top, skin, "window.background", {client.right - 8, client.bottom - 4}),
    });
    return probes;
}

}  // namespace veneer_e2e
