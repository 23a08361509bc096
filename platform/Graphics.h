// The drawing surface and logical palettes (GDI).
#pragma once
#include <cstdint>

#include "platform/Types.h"

namespace platform {

struct PaletteColor {
    std::uint8_t red;
    std::uint8_t green;
    std::uint8_t blue;
    std::uint8_t flags;
};

// The arguments of one SetDIBitsToDevice call.
struct DibCopy {
    int xDest;
    int yDest;
    std::uint32_t width;
    std::uint32_t height;
    int xSrc;
    int ySrc;
    std::uint32_t startScan;
    std::uint32_t lines;
    const void* bits;
    const void* header;
};

class Graphics {
public:
    // CreatePalette from a logical palette of version 0x300 holding the entries.
    virtual PaletteHandle CreatePalette(const PaletteColor* entries, std::uint16_t count) = 0;
    virtual void DeletePalette(PaletteHandle palette) = 0;

    // SelectPalette; returns the palette it replaced, 0 on failure.
    virtual PaletteHandle SelectPalette(DeviceContext dc, PaletteHandle palette,
                                        bool forceBackground) = 0;
    virtual void RealizePalette(DeviceContext dc) = 0;

    // SetDIBitsToDevice with DIB_RGB_COLORS; the number of rows it reports.
    virtual int SetDIBitsToDevice(DeviceContext dc, const DibCopy& copy) = 0;

protected:
    ~Graphics() = default;
};

}  // namespace platform
