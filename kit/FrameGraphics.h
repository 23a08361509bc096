// The launcher's painting on the build machine: SetDIBitsToDevice into a
// picture of the client area, for the disc checker and the previews.
#pragma once
#include <map>
#include <vector>

#include "platform/Graphics.h"
#include "platform/WindowSurface.h"

// SetDIBitsToDevice into a picture of the client area, as a true-colour
// display does it: each pixel's colour from the image's own colour table.
class FrameGraphics : public platform::Graphics {
public:
    FrameGraphics(int width, int height) : width_(width), height_(height), rgb_(static_cast<std::size_t>(width * height * 3)) {}
    platform::PaletteHandle CreatePalette(const platform::PaletteColor* entries, std::uint16_t count) override;
    void DeletePalette(platform::PaletteHandle palette) override { palettes_.erase(palette); }
    platform::PaletteHandle SelectPalette(platform::DeviceContext, platform::PaletteHandle, bool) override { return platform::PaletteHandle(1); }
    void RealizePalette(platform::DeviceContext) override {}
    int SetDIBitsToDevice(platform::DeviceContext dc, const platform::DibCopy& copy) override;

    const std::vector<platform::PaletteColor>* Palette(platform::PaletteHandle handle) const;
    int width() const { return width_; }
    int height() const { return height_; }
    const std::vector<unsigned char>& rgb() const { return rgb_; }

private:
    int width_;
    int height_;
    std::vector<unsigned char> rgb_;
    std::map<platform::PaletteHandle, std::vector<platform::PaletteColor>> palettes_;
    std::uintptr_t next_ = 0x100;
};

class FrameSurface : public platform::WindowSurface {
public:
    platform::DeviceContext GetClientDC() override { return platform::DeviceContext(1); }
    void ReleaseClientDC(platform::DeviceContext) override {}
    void BeginPaint() override {}
    void EndPaint() override {}
    bool ThreadHasKeyboardFocus() override { return true; }
    void UpdateWindow() override {}
    void WakeMessageLoop() override {}
    void AnnounceFocus(int) override {}
};
