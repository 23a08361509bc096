#include "BitmapBuilder.h"

namespace bitmaps {

std::vector<unsigned char> Make(const Spec& spec)
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
    const bool core = spec.headerSize == 12;
    const std::uint32_t entryBytes = core ? 3 : 4;
    file.push_back('B');
    file.push_back('M');
    put32(0);  // file size: not used
    put32(0);
    put32(spec.pixelOffsetField);
    put32(spec.headerSize);
    if (core) {
        put16(static_cast<std::uint32_t>(spec.width));
        put16(static_cast<std::uint32_t>(spec.height));
        put16(1);
        put16(spec.bits);
    } else {
        put32(static_cast<std::uint32_t>(spec.width));
        put32(static_cast<std::uint32_t>(spec.height));
        put16(1);
        put16(spec.bits);
        put32(spec.compression);
        put32(spec.imageSize);
        put32(2835);
        put32(2835);
        put32(spec.colorsUsed);
        put32(0);
        for (std::uint32_t i = 40; i < spec.headerSize && i < 4096; ++i)
            file.push_back(0);
    }
    for (std::uint32_t i = 0; i < spec.tableEntries; ++i) {
        file.push_back(static_cast<unsigned char>(i));        // blue
        file.push_back(static_cast<unsigned char>(i * 3));    // green
        file.push_back(static_cast<unsigned char>(255 - i));  // red
        if (entryBytes == 4)
            file.push_back(0);
    }
    std::int64_t pixels = spec.pixelBytes;
    if (pixels < 0) {
        const std::int64_t rows = spec.height < 0 ? -static_cast<std::int64_t>(spec.height) : spec.height;
        pixels = static_cast<std::int64_t>(Stride(spec.width, spec.bits)) * rows;
    }
    file.insert(file.end(), static_cast<std::size_t>(pixels), spec.pixelFill);
    return file;
}

}  // namespace bitmaps
