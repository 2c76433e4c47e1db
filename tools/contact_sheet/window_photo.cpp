#include "window_photo.h"

#include <fstream>
#include <memory>
#include <type_traits>
#include <vector>

namespace {

struct GdiObjectDeleter {
    void operator()(void* object) const { DeleteObject(static_cast<HGDIOBJ>(object)); }
};
template <typename T>
using GdiObject = std::unique_ptr<std::remove_pointer_t<T>, GdiObjectDeleter>;

struct ScreenDcRelease {
    void operator()(HDC dc) const { ReleaseDC(nullptr, dc); }
};
struct MemoryDcDelete {
    void operator()(HDC dc) const { DeleteDC(dc); }
};
using ScreenDc = std::unique_ptr<HDC__, ScreenDcRelease>;
using MemoryDc = std::unique_ptr<HDC__, MemoryDcDelete>;

// Keeps `object` selected into `dc` for its lifetime.
struct Selection {
    HDC dc;
    HGDIOBJ previous;
    Selection(HDC into, HGDIOBJ object) : dc(into), previous(SelectObject(into, object)) {}
    ~Selection() { SelectObject(dc, previous); }
};

RECT BoundsOf(const HWND* windows, int count)
{
    RECT bounds = {};
    for (int i = 0; i < count; ++i) {
        RECT place;
        GetWindowRect(windows[i], &place);
        UnionRect(&bounds, &bounds, &place);
    }
    return bounds;
}

// Where the windows lie, in the coordinates of the picture whose top left is `origin`.
GdiObject<HRGN> AreaOf(const HWND* windows, int count, POINT origin)
{
    GdiObject<HRGN> area(CreateRectRgn(0, 0, 0, 0));
    for (int i = 0; i < count; ++i) {
        RECT place;
        GetWindowRect(windows[i], &place);
        GdiObject<HRGN> window(CreateRectRgn(0, 0, place.right - place.left, place.bottom - place.top));
        const int shape = GetWindowRgn(windows[i], window.get());
        if (shape == ERROR || shape == NULLREGION)
            SetRectRgn(window.get(), 0, 0, place.right - place.left, place.bottom - place.top);
        OffsetRgn(window.get(), place.left - origin.x, place.top - origin.y);
        CombineRgn(area.get(), area.get(), window.get(), RGN_OR);
    }
    return area;
}

bool WriteBmp(const std::string& path, const BITMAPINFOHEADER& header, const void* bits)
{
    BITMAPFILEHEADER file = {};
    file.bfType = 0x4D42;  // "BM"
    file.bfOffBits = sizeof(file) + sizeof(header);
    file.bfSize = file.bfOffBits + header.biSizeImage;
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(&file), sizeof(file));
    out.write(reinterpret_cast<const char*>(&header), sizeof(header));
    out.write(static_cast<const char*>(bits), header.biSizeImage);
    return out.good();
}

}  // namespace

bool SaveWindowsPicture(const std::string& path, const HWND* windows, int count, COLORREF backdrop)
{
    const RECT bounds = BoundsOf(windows, count);
    BITMAPINFO info = {};
    BITMAPINFOHEADER& header = info.bmiHeader;
    header = { sizeof(header) };
    header.biWidth = bounds.right - bounds.left;
    header.biHeight = bounds.bottom - bounds.top;  // bottom-up rows, as a BMP file keeps them
    header.biPlanes = 1;
    header.biBitCount = 24;
    header.biCompression = BI_RGB;
    header.biSizeImage = ((header.biWidth * 3 + 3) & ~3) * header.biHeight;
    if (header.biWidth <= 0 || header.biHeight <= 0) return false;

    const ScreenDc screen(GetDC(nullptr));
    const MemoryDc memory(CreateCompatibleDC(screen.get()));
    void* bits = nullptr;
    GdiObject<HBITMAP> bitmap(CreateDIBSection(screen.get(), &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    if (!bitmap) return false;
    Selection selection(memory.get(), bitmap.get());
    const RECT whole = {0, 0, header.biWidth, header.biHeight};
    GdiObject<HBRUSH> brush(CreateSolidBrush(backdrop));
    FillRect(memory.get(), &whole, brush.get());
    const GdiObject<HRGN> area = AreaOf(windows, count, {bounds.left, bounds.top});
    SelectClipRgn(memory.get(), area.get());
    if (!BitBlt(memory.get(), 0, 0, header.biWidth, header.biHeight, screen.get(), bounds.left, bounds.top, SRCCOPY))
        return false;
    GdiFlush();
    return WriteBmp(path, header, bits);
}
