#include "Bmp8.h"

#include <algorithm>
#include <cstdio>

std::vector<unsigned char> Bmp8(int width, int height, const std::vector<std::uint8_t>& indices,
                                const std::vector<Rgb>& palette)
{
    const std::size_t stride = BmpStride(static_cast<std::uint64_t>(width), 8);
    std::vector<unsigned char> rows(stride * static_cast<std::size_t>(height), 0);
    for (int y = 0; y < height; ++y) {
        unsigned char* row = &rows[stride * static_cast<std::size_t>(height - 1 - y)];
        for (int x = 0; x < width; ++x)
            row[x] = indices[static_cast<std::size_t>(y) * static_cast<std::size_t>(width) + static_cast<std::size_t>(x)];
    }
    std::vector<Rgb> table(palette.begin(), palette.begin() + static_cast<std::ptrdiff_t>(std::min<std::size_t>(palette.size(), 256)));
    table.resize(256, Rgb{0, 0, 0});
    BmpFields fields;
    fields.pixelOffset = 14 + 40 + 256 * 4;
    fields.fileSize = static_cast<std::uint32_t>(fields.pixelOffset + rows.size());
    fields.width = width, fields.height = height;
    fields.imageSize = static_cast<std::uint32_t>(rows.size());
    fields.colorsUsed = 256;
    return BmpFile(fields, table, rows);
}

bool WriteFile(const std::string& path, const std::vector<unsigned char>& bytes)
{
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (file == nullptr)
        return false;
    const bool written = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
    return std::fclose(file) == 0 && written;
}
