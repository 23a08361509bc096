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
        return handle_ != 0;
    }
    void DeleteObject()
    {
        if (handle_ != 0)
            graphics_.DeletePalette(handle_);
        handle_ = 0;
    }
    platform::PaletteHandle handle() const { return handle_; }

private:
    platform::Graphics& graphics_;
    platform::PaletteHandle handle_ = 0;
};
