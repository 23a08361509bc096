#include "BmpFile.h"

std::vector<unsigned char> BmpFile(const BmpFields& f, const std::vector<Rgb>& table,
                                   const std::vector<unsigned char>& pixels)
{
    std::vector<unsigned char> file = {'B', 'M'};
    const auto put16 = [&file](std::uint32_t v) { file.insert(file.end(), {static_cast<unsigned char>(v), static_cast<unsigned char>(v >> 8)}); };
    const auto put32 = [&put16](std::uint32_t v) { put16(v & 0xFFFF), put16(v >> 16); };
    const bool core = f.headerSize == 12;
    for (std::uint32_t field : {f.fileSize, 0u, f.pixelOffset, f.headerSize})
        put32(field);
    for (std::int32_t size : {f.width, f.height})
        core ? put16(static_cast<std::uint32_t>(size)) : put32(static_cast<std::uint32_t>(size));
    put16(1);  // planes
    put16(f.bits);
    if (!core) {
        for (std::uint32_t field : {f.compression, f.imageSize, 2835u, 2835u, f.colorsUsed, 0u})  // 72 dpi
            put32(field);
        file.resize(file.size() + (f.headerBytes > 40 ? f.headerBytes - 40 : 0), 0);
    }
    for (const Rgb& colour : table) {
        file.insert(file.end(), {colour.b, colour.g, colour.r});
        if (!core)
            file.push_back(0);
    }
    file.insert(file.end(), pixels.begin(), pixels.end());
    return file;
}

std::uint64_t BmpStride(std::uint64_t width, unsigned bits)
{
    return (width * bits + 31) / 32 * 4;
}
