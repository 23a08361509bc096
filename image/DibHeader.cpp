#include "image/DibHeader.h"

namespace {

constexpr std::size_t kFileHeaderBytes = 14;
constexpr std::uint32_t kBiRgb = 0;
constexpr std::uint32_t kBiBitfields = 3;

std::uint16_t Read16(const std::uint8_t* p)
{
    return static_cast<std::uint16_t>(p[0] | (p[1] << 8));
}

std::uint32_t Read32(const std::uint8_t* p)
{
    return static_cast<std::uint32_t>(p[0]) | (static_cast<std::uint32_t>(p[1]) << 8) |
           (static_cast<std::uint32_t>(p[2]) << 16) | (static_cast<std::uint32_t>(p[3]) << 24);
}

std::uint16_t ColorsForBits(std::uint32_t bits)
{
    switch (bits) {
    case 1:
        return 2;
    case 4:
        return 16;
    case 8:
        return 256;
    default:
        return 0;
    }
}

// The header as the system's drawing reads it: by its own size field.
struct SystemView {
    bool accepted;  // a header size that the system draws at all
    std::uint64_t width;
    std::uint64_t rows;
    std::uint32_t bits;
    std::uint32_t compression;
    std::uint32_t imageSize;
    std::uint64_t tableBytes;
};

SystemView ReadSystemView(const std::uint8_t* header)
{
    const std::uint32_t size = HeaderSize(header);
    SystemView view{};
    if (size == kCoreHeaderSize) {
        view.accepted = true;
        view.width = Read16(header + 4);
        view.rows = Read16(header + 6);
        view.bits = Read16(header + 10);
        view.tableBytes = 3u * ColorsForBits(view.bits);
        return view;
    }
    if (size < kInfoHeaderSize)
        return view;
    view.accepted = true;
    const auto width = static_cast<std::int32_t>(Read32(header + 4));
    const auto height = static_cast<std::int32_t>(Read32(header + 8));
    // A negative width is refused by the system; count it as huge so that it
    // never fits. A negative height is a top-down image of |height| rows.
    view.width = width < 0 ? UINT64_MAX / 2 : static_cast<std::uint64_t>(width);
    view.rows = height < 0 ? static_cast<std::uint64_t>(-static_cast<std::int64_t>(height))
                           : static_cast<std::uint64_t>(height);
    view.bits = Read16(header + 14);
    view.compression = Read32(header + 16);
    view.imageSize = Read32(header + 20);
    const std::uint32_t used = Read32(header + 32);
    std::uint64_t entries = used != 0 ? (used < 256 ? used : 256) : (view.bits <= 8 ? (1u << view.bits) : 0);
    view.tableBytes = 4 * entries;
    if (size == kInfoHeaderSize && view.compression == kBiBitfields)
        view.tableBytes += 12;  // the three colour masks follow a plain info header
    return view;
}

bool RangeFits(std::uint64_t offset, std::uint64_t length, std::uint64_t limit)
{
    return offset <= limit && length <= limit - offset;
}

}  // namespace

std::uint32_t HeaderSize(const std::uint8_t* header)
{
    return Read32(header);
}

bool IsInfoLayout(const std::uint8_t* header)
{
    return HeaderSize(header) == kInfoHeaderSize;
}

std::uint32_t ImageWidth(const std::uint8_t* header)
{
    return IsInfoLayout(header) ? Read32(header + 4) : Read16(header + 4);
}

std::uint32_t ImageHeight(const std::uint8_t* header)
{
    return IsInfoLayout(header) ? Read32(header + 8) : Read16(header + 6);
}

std::uint16_t ImageColorCount(const std::uint8_t* header)
{
    const std::uint32_t used = IsInfoLayout(header) ? Read32(header + 32) : 0;
    return used != 0 ? static_cast<std::uint16_t>(used) : ColorsForBits(ImageBitCount(header));
}

std::uint16_t ImageBitCount(const std::uint8_t* header)
{
    return Read16(header + (IsInfoLayout(header) ? 14 : 10));
}

std::uint32_t ImageCompression(const std::uint8_t* header)
{
    return IsInfoLayout(header) ? Read32(header + 16) : kBiRgb;
}

std::uint16_t ColorTableBytes(const std::uint8_t* header)
{
    return static_cast<std::uint16_t>(ImageColorCount(header) * PaletteEntryBytes(header));
}

const std::uint8_t* ImagePixels(const std::uint8_t* header)
{
    return header + HeaderSize(header) + ColorTableBytes(header);
}

std::uint32_t PaletteTableOffset(const std::uint8_t* header)
{
    return IsInfoLayout(header) ? kInfoHeaderSize : kCoreHeaderSize;
}

std::uint32_t PaletteEntryBytes(const std::uint8_t* header)
{
    return IsInfoLayout(header) ? 4 : 3;
}

bool DibPaletteFitsBlock(const std::uint8_t* header, std::size_t blockBytes)
{
    const std::uint64_t launcherHeader = IsInfoLayout(header) ? kInfoHeaderSize : kCoreHeaderSize;
    if (blockBytes < launcherHeader || blockBytes < kFileHeaderBytes)
        return false;
    const std::uint64_t fileBytes = blockBytes - kFileHeaderBytes;
    const std::uint64_t paletteBytes = std::uint64_t{ImageColorCount(header)} * PaletteEntryBytes(header);
    return paletteBytes == 0 || RangeFits(PaletteTableOffset(header), paletteBytes, fileBytes);
}

bool DibDrawingFitsBlock(const std::uint8_t* header, std::size_t blockBytes)
{
    if (!DibPaletteFitsBlock(header, blockBytes))
        return false;
    const std::uint64_t fileBytes = blockBytes - kFileHeaderBytes;

    // The pixel address handed to the system.
    const std::uint64_t headerSize = HeaderSize(header);
    const std::uint64_t pixelOffset = headerSize + ColorTableBytes(header);
    if (pixelOffset > fileBytes)
        return false;

    const SystemView view = ReadSystemView(header);
    if (!view.accepted)
        return true;  // the system refuses the header and reads no further
    if (!RangeFits(headerSize, view.tableBytes, fileBytes))
        return false;
    // With bit fields the system takes the three masks from bytes 40 to 51
    // whatever the header size says, also from a header of 41 to 51 bytes.
    if (view.compression == kBiBitfields && headerSize > kInfoHeaderSize && headerSize < kInfoHeaderSize + 12 &&
        fileBytes < kInfoHeaderSize + 12)
        return false;

    const std::uint64_t available = fileBytes - pixelOffset;
    if (view.compression != kBiRgb && view.compression != kBiBitfields)
        return view.imageSize != 0 && view.imageSize <= available;

    // The launcher hands the system its own row count (16 bits); the system
    // may also go by the header's. Allow for the larger of the two.
    const std::uint64_t lines = ImageHeight(header) & 0xFFFFu;
    const std::uint64_t rows = lines > view.rows ? lines : view.rows;
    if (view.width == 0 || rows == 0)
        return true;
    if (view.width > (UINT64_MAX / 2) / (view.bits == 0 ? 1 : view.bits))
        return false;
    const std::uint64_t stride = ((view.width * view.bits + 31) / 32) * 4;
    if (stride != 0 && rows > available / stride)
        return false;
    return true;
}
