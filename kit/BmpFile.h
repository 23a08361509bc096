// Bitmap files written field by field: the 14-byte file header, a core
// header (12 bytes) or an info header of 40 bytes or more (its standard
// fields, zeros after them), a colour table and the pixel bytes. Every
// field is written as given, even where the fields disagree: the tests
// make files that lie with it.
#pragma once
#include <cstdint>
#include <vector>

struct Rgb {
    std::uint8_t r, g, b;
};
inline bool operator==(const Rgb& a, const Rgb& b)
{
    return a.r == b.r && a.g == b.g && a.b == b.b;
}

struct BmpFields {
    std::uint32_t fileSize = 0, pixelOffset = 0;  // the file header's
    std::uint32_t headerSize = 40;
    std::uint32_t headerBytes = 40;  // how much of the header is written
    std::int32_t width = 0, height = 0;  // 16 bits each in a core header
    std::uint16_t bits = 8;
    std::uint32_t compression = 0, imageSize = 0, colorsUsed = 0;
};

// The table's entries take four bytes after an info header, three after a
// core header.
std::vector<unsigned char> BmpFile(const BmpFields& fields, const std::vector<Rgb>& table,
                                   const std::vector<unsigned char>& pixels);

// The bytes of one pixel row: rows are whole DWORDs.
std::uint64_t BmpStride(std::uint64_t width, unsigned bits);
