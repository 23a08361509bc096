// One logical palette of the system, owned: deleting the object deletes the
// palette. Written over the platform's graphics so that the image code that
// holds it stays portable.
#pragma once
#include <cstdint>

#include "platform/Graphics.h"

class CPalette {
public:
    explicit CPalette(platform::Graphics& graphics) : graphics_(graphics) {}
    ~CPalette() { DeleteObject(); }
    CPalette(const CPalette&) = delete;
    CPalette& operator=(const CPalette&) = delete;

    bool CreatePalette(const platform::PaletteColor* entries, std::uint16_t count)
    {
        DeleteObject();
        handle_ = graphics_.CreatePalette(entries, count);
        return static_cast<bool>(handle_);
    }
    void DeleteObject()
    {
        if (handle_)
            graphics_.DeletePalette(handle_);
        handle_ = {};
    }
    platform::PaletteHandle handle() const { return handle_; }

private:
    platform::Graphics& graphics_;
    platform::PaletteHandle handle_{};
};

// A palette selected into a device context for one scope; the palette it
// replaced goes back, as a background palette, when the scope ends.
class SelectedPalette {
public:
    SelectedPalette(platform::Graphics& graphics, platform::DeviceContext dc, platform::PaletteHandle palette,
                    bool forceBackground)
        : graphics_(graphics), dc_(dc), previous_(graphics.SelectPalette(dc, palette, forceBackground))
    {
    }
    ~SelectedPalette()
    {
        if (previous_)
            graphics_.SelectPalette(dc_, previous_, true);
    }
    SelectedPalette(const SelectedPalette&) = delete;
    SelectedPalette& operator=(const SelectedPalette&) = delete;
    bool selected() const { return static_cast<bool>(previous_); }

private:
    platform::Graphics& graphics_;
    platform::DeviceContext dc_;
    platform::PaletteHandle previous_;
};
