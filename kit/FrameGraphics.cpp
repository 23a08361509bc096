#include "FrameGraphics.h"

#include "image/DibHeader.h"

platform::PaletteHandle FrameGraphics::CreatePalette(const platform::PaletteColor* entries, std::uint16_t count)
{
    const platform::PaletteHandle palette(next_++);
    palettes_[palette].assign(entries, entries + count);
    return palette;
}

const std::vector<platform::PaletteColor>* FrameGraphics::Palette(platform::PaletteHandle handle) const
{
    const auto found = palettes_.find(handle);
    return found == palettes_.end() ? nullptr : &found->second;
}

int FrameGraphics::SetDIBitsToDevice(platform::DeviceContext, const platform::DibCopy& copy)
{
    // Only the layout the launcher's pictures have: an info header, 8 bits,
    // uncompressed, rows bottom first; the checker reports anything else.
    const auto* header = static_cast<const std::uint8_t*>(copy.header);
    const auto* bits = static_cast<const std::uint8_t*>(copy.bits);
    if (!IsInfoLayout(header) || ImageBitCount(header) != 8 || ImageCompression(header) != 0)
        return 0;
    const auto imageWidth = static_cast<std::int32_t>(ImageWidth(header));
    const auto imageHeight = static_cast<std::int32_t>(ImageHeight(header));
    const std::uint32_t colours = ImageColorCount(header);
    const std::size_t stride = (static_cast<std::size_t>(imageWidth) + 3) & ~static_cast<std::size_t>(3);
    for (std::uint32_t dy = 0; dy < copy.height; ++dy) {
        const int row = copy.ySrc + static_cast<int>(copy.height - 1 - dy);  // from the bottom
        const int y = copy.yDest + static_cast<int>(dy);
        if (row < 0 || row >= imageHeight || y < 0 || y >= height_)
            continue;
        for (std::uint32_t dx = 0; dx < copy.width; ++dx) {
            const int column = copy.xSrc + static_cast<int>(dx);
            const int x = copy.xDest + static_cast<int>(dx);
            if (column < 0 || column >= imageWidth || x < 0 || x >= width_)
                continue;
            const unsigned index = bits[static_cast<std::size_t>(row) * stride + static_cast<std::size_t>(column)];
            if (index >= colours)
                continue;
            const std::uint8_t* entry = header + PaletteTableOffset(header) + PaletteEntryBytes(header) * index;
            unsigned char* out = &rgb_[(static_cast<std::size_t>(y) * static_cast<std::size_t>(width_) + x) * 3];
            out[0] = entry[2];
            out[1] = entry[1];
            out[2] = entry[0];
        }
    }
    return static_cast<int>(copy.lines);
}
