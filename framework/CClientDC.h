// A device context of a window's client area: GetDC, and ReleaseDC when the
// object goes.
#pragma once
#include <windows.h>

class CClientDC {
public:
    explicit CClientDC(HWND window) : window_(window), dc_(GetDC(window)) {}
    ~CClientDC()
    {
        if (dc_ != NULL)
            ReleaseDC(window_, dc_);
    }
    CClientDC(const CClientDC&) = delete;
    CClientDC& operator=(const CClientDC&) = delete;
    HDC get() const { return dc_; }

private:
    HWND window_;
    HDC dc_;
};

// SelectPalette for one scope; the previous palette goes back as a background one.
class SelectedPalette {
public:
    SelectedPalette(HDC dc, HPALETTE palette, BOOL forceBackground)
        : dc_(dc), previous_(SelectPalette(dc, palette, forceBackground))
    {
    }
    ~SelectedPalette()
    {
        if (previous_ != NULL)
            SelectPalette(dc_, previous_, TRUE);
    }
    SelectedPalette(const SelectedPalette&) = delete;
    SelectedPalette& operator=(const SelectedPalette&) = delete;
    bool selected() const { return previous_ != NULL; }

private:
    HDC dc_;
    HPALETTE previous_;
};
