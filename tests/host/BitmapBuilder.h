// Bitmap files made field by field, honest or lying, for the reader tests
// and the fuzzer's seeds.
#pragma once
#include <cstdint>
#include <vector>

namespace bitmaps {

struct Layout {
    std::uint32_t headerSize = 40;
    std::int32_t width = 4;
    std::int32_t height = 2;
    std::uint16_t bits = 8;
    std::uint32_t compression = 0;
    std::uint32_t imageSize = 0;
    std::uint32_t colorsUsed = 0;
    std::uint32_t tableEntries = 256;  // entries actually written
    std::int64_t pixelBytes = -1;      // -1: exactly what the rows need
    std::uint32_t pixelOffsetField = 0;
    std::uint8_t pixelFill = 7;
};

// Info-style header of any size of 40 or more (the fields of the 40-byte
// header, zeros after them), or the 12-byte core header when headerSize is 12.
std::vector<unsigned char> Make(const Layout& layout);

}  // namespace bitmaps
