#include "BitmapBuilder.h"

#include "BmpFile.h"

namespace bitmaps {

std::vector<unsigned char> Make(const Layout& layout)
{
    BmpFields fields;
    fields.pixelOffset = layout.pixelOffsetField;  // the file size is not used
    fields.headerSize = layout.headerSize;
    fields.headerBytes = layout.headerSize < 4096 ? layout.headerSize : 4096;
    fields.width = layout.width, fields.height = layout.height, fields.bits = layout.bits;
    fields.compression = layout.compression, fields.imageSize = layout.imageSize, fields.colorsUsed = layout.colorsUsed;
    std::vector<Rgb> table;
    for (std::uint32_t i = 0; i < layout.tableEntries; ++i)
        table.push_back({static_cast<std::uint8_t>(255 - i), static_cast<std::uint8_t>(i * 3), static_cast<std::uint8_t>(i)});
    std::int64_t pixels = layout.pixelBytes;
    if (pixels < 0) {
        const std::int64_t rows = layout.height < 0 ? -static_cast<std::int64_t>(layout.height) : layout.height;
        pixels = static_cast<std::int64_t>(BmpStride(static_cast<std::uint32_t>(layout.width), layout.bits)) * rows;
    }
    return BmpFile(fields, table, std::vector<unsigned char>(static_cast<std::size_t>(pixels), layout.pixelFill));
}

}  // namespace bitmaps
