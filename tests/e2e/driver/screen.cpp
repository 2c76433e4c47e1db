#include "driver/screen.h"

#include "driver/wait.h"

namespace e2e {
namespace {

struct ScreenDc {
    HDC dc = GetDC(nullptr);
    ~ScreenDc() { ReleaseDC(nullptr, dc); }
};

struct MemoryDc {
    HDC dc;
    explicit MemoryDc(HDC like) : dc(CreateCompatibleDC(like)) {}
    ~MemoryDc() { DeleteDC(dc); }
};

struct Bitmap {
    HBITMAP bitmap;
    explicit Bitmap(HBITMAP b) : bitmap(b) {}
    ~Bitmap() { DeleteObject(bitmap); }
};

}  // namespace

Screenshot CaptureScreen(const RECT& rect)
{
    Screenshot shot;
    shot.width = rect.right - rect.left;
    shot.height = rect.bottom - rect.top;
    if (shot.width <= 0 || shot.height <= 0)
        throw DriverError("cannot capture an empty rectangle");
    BITMAPINFO info = {};
    info.bmiHeader = { sizeof(info.bmiHeader) };
    info.bmiHeader.biWidth = shot.width;
    info.bmiHeader.biHeight = -shot.height;  // top-down rows
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    ScreenDc screen;
    MemoryDc memory(screen.dc);
    void* bits = nullptr;
    Bitmap bitmap(CreateDIBSection(screen.dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    if (!bitmap.bitmap)
        throw DriverError("CreateDIBSection failed");
    HGDIOBJ old = SelectObject(memory.dc, bitmap.bitmap);
    const BOOL copied = BitBlt(memory.dc, 0, 0, shot.width, shot.height, screen.dc, rect.left, rect.top, SRCCOPY);
    SelectObject(memory.dc, old);
    if (!copied)
        throw DriverError("BitBlt from the screen failed");
    const auto* pixels = static_cast<const DWORD*>(bits);  // 0x00RRGGBB
    shot.pixels.reserve(size_t(shot.width) * shot.height);
    for (size_t i = 0; i < size_t(shot.width) * shot.height; ++i)
        shot.pixels.push_back(RGB((pixels[i] >> 16) & 0xFF, (pixels[i] >> 8) & 0xFF, pixels[i] & 0xFF));
    return shot;
}

Screenshot CaptureWindow(HWND window)
{
    RECT rect = {};
    GetWindowRect(window, &rect);
    return CaptureScreen(rect);
}

}  // namespace e2e
