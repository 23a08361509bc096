#include <vector>

#include "platform/win32/SystemFunction.h"
#include "platform/win32/Win32Platform.h"

namespace win32 {

platform::PaletteHandle Graphics::CreatePalette(const platform::PaletteColor* entries, std::uint16_t count)
{
    // LOGPALETTE: version, entry count, then the entries.
    std::vector<unsigned char> block(8 + 4 * static_cast<std::size_t>(count), 0);
    LOGPALETTE* logical = reinterpret_cast<LOGPALETTE*>(block.data());
    logical->palVersion = 0x300;
    logical->palNumEntries = count;
    PALETTEENTRY* out = logical->palPalEntry;
    for (std::uint16_t i = 0; i < count; ++i) {
        out[i].peRed = entries[i].red;
        out[i].peGreen = entries[i].green;
        out[i].peBlue = entries[i].blue;
        out[i].peFlags = entries[i].flags;
    }
    return Wrap<platform::PaletteHandle>(::CreatePalette(logical));
}

void Graphics::DeletePalette(platform::PaletteHandle palette)
{
    DeleteObject(Unwrap<HPALETTE>(palette));
}

platform::PaletteHandle Graphics::SelectPalette(platform::DeviceContext dc, platform::PaletteHandle palette,
                                                bool forceBackground)
{
    return Wrap<platform::PaletteHandle>(
        ::SelectPalette(Unwrap<HDC>(dc), Unwrap<HPALETTE>(palette), forceBackground ? TRUE : FALSE));
}

void Graphics::RealizePalette(platform::DeviceContext dc)
{
    ::RealizePalette(Unwrap<HDC>(dc));
}

int Graphics::SetDIBitsToDevice(platform::DeviceContext dc, const platform::DibCopy& copy)
{
    return ::SetDIBitsToDevice(Unwrap<HDC>(dc), copy.xDest, copy.yDest, copy.width, copy.height, copy.xSrc,
                               copy.ySrc, copy.startScan, copy.lines, copy.bits,
                               static_cast<const BITMAPINFO*>(copy.header), DIB_RGB_COLORS);
}

platform::DeviceContext WindowSurface::GetClientDC()
{
    return Wrap<platform::DeviceContext>(GetDC(window_));
}

void WindowSurface::ReleaseClientDC(platform::DeviceContext dc)
{
    if (dc)
        ReleaseDC(window_, Unwrap<HDC>(dc));
}

void WindowSurface::BeginPaint()
{
    ::BeginPaint(window_, &paint_);
}

void WindowSurface::EndPaint()
{
    ::EndPaint(window_, &paint_);
}

bool WindowSurface::ThreadHasKeyboardFocus()
{
    return GetFocus() != NULL;
}

void WindowSurface::UpdateWindow()
{
    ::UpdateWindow(window_);
}

void WindowSurface::AnnounceFocus(int child)
{
    // Windows 95 without the Active Accessibility add-on has none.
    typedef void(WINAPI * NotifyWinEventFunction)(DWORD, HWND, LONG, LONG);
    const NotifyWinEventFunction notify = SystemFunction<NotifyWinEventFunction>("user32.dll", "NotifyWinEvent");
    if (notify != nullptr)
        notify(EVENT_OBJECT_FOCUS, window_, OBJID_CLIENT, child);
}

void WindowSurface::WakeMessageLoop()
{
    PostMessageA(window_, WM_NULL, 0, 0);
}

}  // namespace win32
