#include "Bmp8.h"

#include <cstdio>

std::vector<unsigned char> Bmp8(int width, int height, const std::vector<std::uint8_t>& indices,
                                const std::vector<Rgb>& palette)
{
    const std::size_t stride = (static_cast<std::size_t>(width) + 3) & ~static_cast<std::size_t>(3);
    const std::size_t offset = 14 + 40 + 256 * 4;
    const std::size_t total = offset + stride * static_cast<std::size_t>(height);
    std::vector<unsigned char> file(total, 0);
    auto put16 = [&](std::size_t at, std::uint32_t v) {
        file[at] = static_cast<unsigned char>(v);
        file[at + 1] = static_cast<unsigned char>(v >> 8);
    };
    auto put32 = [&](std::size_t at, std::uint32_t v) {
        put16(at, v & 0xFFFF);
        put16(at + 2, v >> 16);
    };
    file[0] = 'B';
    file[1] = 'M';
    put32(2, static_cast<std::uint32_t>(total));
    put32(10, static_cast<std::uint32_t>(offset));
    put32(14, 40);
    put32(18, static_cast<std::uint32_t>(width));
    put32(22, static_cast<std::uint32_t>(height));
    put16(26, 1);
    put16(28, 8);
    put32(34, static_cast<std::uint32_t>(stride * static_cast<std::size_t>(height)));
    put32(38, 2835);
    put32(42, 2835);
    put32(46, 256);
    for (std::size_t i = 0; i < palette.size() && i < 256; ++i) {
        file[54 + 4 * i] = palette[i].b;
        file[54 + 4 * i + 1] = palette[i].g;
        file[54 + 4 * i + 2] = palette[i].r;
    }
    for (int y = 0; y < height; ++y) {
        unsigned char* row = &file[offset + stride * static_cast<std::size_t>(height - 1 - y)];
        for (int x = 0; x < width; ++x)
            row[x] = indices[static_cast<std::size_t>(y) * static_cast<std::size_t>(width) + static_cast<std::size_t>(x)];
    }
    return file;
}

bool WriteFile(const std::string& path, const std::vector<unsigned char>& bytes)
{
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (file == nullptr)
        return false;
    const bool written = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
    return std::fclose(file) == 0 && written;
}
