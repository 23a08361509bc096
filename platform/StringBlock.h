// A string of a string-table resource block: sixteen strings, each a 16-bit
// count and that many UTF-16 units, string id n in block n / 16 + 1.
#pragma once
#include <cstddef>
#include <cstdint>

namespace platform {

struct StringInBlock {
    const std::uint16_t* text;
    std::size_t length;  // 0: the table has no such string
};

// String `index` (0 to 15) of a block of `units` 16-bit units; a block
// that ends before that string does gives no string.
StringInBlock FindInStringBlock(const std::uint16_t* block, std::size_t units, unsigned index);

}  // namespace platform
