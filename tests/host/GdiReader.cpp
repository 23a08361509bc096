#include "GdiReader.h"

#include <cstring>

// The headers as the Windows SDK declares them (wingdi.h), little-endian and
// packed. The model reads them by these fields, not by the reader's offsets.
namespace {

#pragma pack(push, 1)
struct BITMAPCOREHEADER {
    std::uint32_t bcSize;
    std::uint16_t bcWidth, bcHeight, bcPlanes, bcBitCount;
};
struct BITMAPINFOHEADER {
    std::uint32_t biSize;
    std::int32_t biWidth, biHeight;
    std::uint16_t biPlanes, biBitCount;
    std::uint32_t biCompression, biSizeImage;
    std::int32_t biXPelsPerMeter, biYPelsPerMeter;
    std::uint32_t biClrUsed, biClrImportant;
};
#pragma pack(pop)
static_assert(sizeof(BITMAPCOREHEADER) == 12 && sizeof(BITMAPINFOHEADER) == 40, "the SDK's sizes");

constexpr std::uint32_t BI_RGB = 0, BI_BITFIELDS = 3;
constexpr std::uint32_t kLargestHeader = 124;  // BITMAPV5HEADER

template <typename Header>
Header Fields(const unsigned char* p)
{
    Header header;
    std::memcpy(&header, p, sizeof header);
    return header;
}

std::uint64_t Touch(const unsigned char* p, std::uint64_t bytes)
{
    std::uint64_t sum = 0;
    for (std::uint64_t i = 0; i < bytes; ++i)
        sum += p[i];
    return sum + bytes;
}

// What GDI takes from a header: the size of the pixel rows and of the colour
// table that follows the header. False when it refuses the header.
struct Layout {
    std::uint64_t width, rows, bitCount, compression, imageSize, tableBytes;
};

bool CoreLayout(const BITMAPCOREHEADER& h, Layout* layout)
{
    // bcBitCount: 1, 4, 8 or 24; up to 8 bits an RGBTRIPLE per colour.
    if (h.bcBitCount != 1 && h.bcBitCount != 4 && h.bcBitCount != 8 && h.bcBitCount != 24)
        return false;
    *layout = {h.bcWidth, h.bcHeight, h.bcBitCount, BI_RGB, 0, h.bcBitCount <= 8 ? 3ull << h.bcBitCount : 0};
    return true;
}

bool InfoLayout(const BITMAPINFOHEADER& h, Layout* layout)
{
    // biBitCount: 1, 4, 8, 16, 24 or 32. A bottom-up image has a positive
    // biHeight, a top-down one a negative; biWidth is never negative.
    const std::uint16_t b = h.biBitCount;
    if (h.biWidth <= 0 || (b != 1 && b != 4 && b != 8 && b != 16 && b != 24 && b != 32))
        return false;
    // biClrUsed: the colours in the table, or zero for the most biBitCount
    // allows; GDI (Wine's bitmap_info_size) reads no more than 256 of them.
    std::uint64_t colours = h.biClrUsed != 0 ? h.biClrUsed : (b <= 8 ? 1ull << b : 0);
    if (colours > 256)
        colours = 256;
    // With BI_BITFIELDS a BITMAPINFOHEADER is followed by three DWORD masks.
    const std::uint64_t masks = h.biSize == sizeof(BITMAPINFOHEADER) && h.biCompression == BI_BITFIELDS ? 12 : 0;
    const std::int64_t height = h.biHeight;
    *layout = {static_cast<std::uint64_t>(h.biWidth), static_cast<std::uint64_t>(height < 0 ? -height : height), b,
               h.biCompression, h.biSizeImage, 4 * colours + masks};
    return true;
}

}  // namespace

int ReadingGraphics::SetDIBitsToDevice(platform::DeviceContext dc, const platform::DibCopy& copy)
{
    ++calls;
    const auto* header = static_cast<const unsigned char*>(copy.header);
    const auto* bits = static_cast<const unsigned char*>(copy.bits);
    std::uint32_t size;
    std::memcpy(&size, header, sizeof size);
    Layout layout{};
    if (size == sizeof(BITMAPCOREHEADER)) {
        bytesRead += Touch(header, size);
        if (!CoreLayout(Fields<BITMAPCOREHEADER>(header), &layout))
            return 0;
    } else if (size >= sizeof(BITMAPINFOHEADER)) {
        bytesRead += Touch(header, size < kLargestHeader ? size : kLargestHeader);
        if (!InfoLayout(Fields<BITMAPINFOHEADER>(header), &layout))
            return 0;
    } else {
        return 0;  // no header GDI knows
    }
    bytesRead += Touch(header + size, layout.tableBytes);
    // The masks stand where a BITMAPINFOHEADER's would, also in a header a
    // few bytes longer than one but shorter than BITMAPV2INFOHEADER (52).
    if (layout.compression == BI_BITFIELDS && size > sizeof(BITMAPINFOHEADER) && size < 52)
        bytesRead += Touch(header + sizeof(BITMAPINFOHEADER), 12);
    if (layout.compression != BI_RGB && layout.compression != BI_BITFIELDS) {
        bytesRead += Touch(bits, layout.imageSize);  // compressed: biSizeImage bytes
    } else {
        // Rows of whole DWORDs; the caller's line count or the header's, whichever is more.
        const std::uint64_t lines = copy.lines > layout.rows ? copy.lines : layout.rows;
        const std::uint64_t stride = ((layout.width * layout.bitCount + 31) / 32) * 4;
        bytesRead += Touch(bits, stride * lines);
    }
    return System::SetDIBitsToDevice(dc, copy);
}
