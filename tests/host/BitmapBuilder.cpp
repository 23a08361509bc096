#include "BitmapBuilder.h"

namespace bitmaps {

std::vector<unsigned char> Make(const Layout& layout)
{
    std::vector<unsigned char> file;
    auto put16 = [&](std::uint32_t v) {
        file.push_back(static_cast<unsigned char>(v));
        file.push_back(static_cast<unsigned char>(v >> 8));
    };
    auto put32 = [&](std::uint32_t v) {
        put16(v & 0xFFFF);
        put16(v >> 16);
    };
    const bool core = layout.headerSize == 12;
    file = {'B', 'M'};
    for (std::uint32_t field : {0u, 0u, layout.pixelOffsetField, layout.headerSize})  // the file size is not used
        put32(field);
    const auto putSize = [&](std::int32_t v) { core ? put16(static_cast<std::uint32_t>(v)) : put32(static_cast<std::uint32_t>(v)); };
    putSize(layout.width);  // 16 bits in the core header
    putSize(layout.height);
    put16(1);
    put16(layout.bits);
    if (!core) {
        for (std::uint32_t field : {layout.compression, layout.imageSize, 2835u, 2835u, layout.colorsUsed, 0u})
            put32(field);
        for (std::uint32_t i = 40; i < layout.headerSize && i < 4096; ++i)
            file.push_back(0);
    }
    for (std::uint32_t i = 0; i < layout.tableEntries; ++i) {
        file.push_back(static_cast<unsigned char>(i));        // blue
        file.push_back(static_cast<unsigned char>(i * 3));    // green
        file.push_back(static_cast<unsigned char>(255 - i));  // red
        if (!core)
            file.push_back(0);  // the info header's entries have four bytes
    }
    std::int64_t pixels = layout.pixelBytes;
    if (pixels < 0) {
        const std::int64_t rows = layout.height < 0 ? -static_cast<std::int64_t>(layout.height) : layout.height;
        pixels = static_cast<std::int64_t>((static_cast<std::uint32_t>(layout.width) * layout.bits + 31) / 32 * 4) * rows;
    }
    file.insert(file.end(), static_cast<std::size_t>(pixels), layout.pixelFill);
    return file;
}

}  // namespace bitmaps
