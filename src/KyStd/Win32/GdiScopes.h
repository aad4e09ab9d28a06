// Scoped GDI state for drawing and measuring helpers: a font selected into a
// device context, and a window's device context, each given back when the
// scope ends, whether normally or by an exception.
#pragma once

#include <windows.h>

namespace Kyvant {

// Selects font into dc when font is not null; the object it replaced is
// selected again at the end.
class SelectedFont {
public:
    SelectedFont(HDC dc, HFONT font) : dc_(dc), old_(font ? SelectObject(dc, font) : nullptr) {}
    ~SelectedFont()
    {
        if (old_)
            SelectObject(dc_, old_);
    }
    SelectedFont(const SelectedFont&) = delete;
    SelectedFont& operator=(const SelectedFont&) = delete;

private:
    HDC dc_;
    HGDIOBJ old_;
};

// The device context of a window's client area, released at the end; get()
// is null when the window has none.
class WindowDC {
public:
    explicit WindowDC(HWND window) : window_(window), dc_(GetDC(window)) {}
    ~WindowDC()
    {
        if (dc_)
            ReleaseDC(window_, dc_);
    }
    WindowDC(const WindowDC&) = delete;
    WindowDC& operator=(const WindowDC&) = delete;

    HDC get() const { return dc_; }

private:
    HWND window_;
    HDC dc_;
};

} // namespace Kyvant
