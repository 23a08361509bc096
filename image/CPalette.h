// One logical palette of the system, owned: deleting the object deletes the
// palette. Written over the platform's graphics so that the image code that
// holds it stays portable.
#pragma once
#include <cstdint>

#include "base/Scoped.h"
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

// A palette selected into a device context for one scope (none: nothing is
// selected); the palette it replaced goes back, as a background palette,
// when the scope ends.
inline auto ScopedPaletteSelection(platform::Graphics& graphics, platform::DeviceContext dc,
                                   platform::PaletteHandle palette, bool forceBackground)
{
    const platform::PaletteHandle previous = palette ? graphics.SelectPalette(dc, palette, forceBackground)
                                                     : platform::PaletteHandle{};
    return Scoped(previous, [&graphics, dc](platform::PaletteHandle replaced) {
        graphics.SelectPalette(dc, replaced, true);
    });
}
