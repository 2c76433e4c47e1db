// Owners for the GDI handles the painters create, so that no path leaks one.
#pragma once
#include <windows.h>
#include <utility>

namespace veneer {

// Owns one GDI object (brush, font, bitmap, region) and deletes it at the end of its life.
template <typename Handle>
class GdiObject {
public:
    GdiObject() = default;
    explicit GdiObject(Handle handle) : handle_(handle) {}
    GdiObject(GdiObject&& other) noexcept : handle_(std::exchange(other.handle_, nullptr)) {}
    GdiObject& operator=(GdiObject&& other) noexcept
    {
        std::swap(handle_, other.handle_);
        return *this;
    }
    GdiObject(const GdiObject&) = delete;
    GdiObject& operator=(const GdiObject&) = delete;
    ~GdiObject()
    {
        if (handle_) DeleteObject(handle_);
    }
    Handle get() const { return handle_; }
    // Hands the handle to a new owner (SetWindowRgn takes the region it is given).
    Handle release() { return std::exchange(handle_, nullptr); }

private:
    Handle handle_ = nullptr;
};

// A window's device context, whole window (frame included) or client area only.
class WindowDC {
public:
    enum class Area { Window, Client };
    WindowDC(HWND hwnd, Area area) : hwnd_(hwnd), dc_(area == Area::Window ? GetWindowDC(hwnd) : GetDC(hwnd)) {}
    WindowDC(const WindowDC&) = delete;
    WindowDC& operator=(const WindowDC&) = delete;
    ~WindowDC()
    {
        if (dc_) ReleaseDC(hwnd_, dc_);
    }
    HDC get() const { return dc_; }

private:
    HWND hwnd_;
    HDC dc_;
};

// Selects an object into a DC for the length of a scope.
class Selection {
public:
    Selection(HDC dc, HGDIOBJ object) : dc_(dc), previous_(SelectObject(dc, object)) {}
    Selection(const Selection&) = delete;
    Selection& operator=(const Selection&) = delete;
    ~Selection() { SelectObject(dc_, previous_); }

private:
    HDC dc_;
    HGDIOBJ previous_;
};

}  // namespace veneer
