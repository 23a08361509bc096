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
constexpr std::uint32_t BI_RGB = 0, BI_BITFIELDS = 3;
constexpr std::uint32_t kLargestHeader = 124, kV2HeaderSize = 52;  // BITMAPV5HEADER, BITMAPV2INFOHEADER

std::uint64_t Touch(const unsigned char* p, std::uint64_t bytes)
{
    std::uint64_t sum = 0;
    for (std::uint64_t i = 0; i < bytes; ++i)
        sum += p[i];
    return sum + bytes;
}

}  // namespace

int ReadingGraphics::SetDIBitsToDevice(platform::DeviceContext dc, const platform::DibCopy& copy)
{
    ++calls;
    const auto* header = static_cast<const unsigned char*>(copy.header);
    const auto* bits = static_cast<const unsigned char*>(copy.bits);
    BITMAPINFOHEADER info{};
    std::memcpy(&info.biSize, header, 4);
    std::uint64_t tableBytes;
    if (info.biSize == sizeof(BITMAPCOREHEADER)) {
        BITMAPCOREHEADER core;
        std::memcpy(&core, header, sizeof core);
        info.biWidth = core.bcWidth, info.biHeight = core.bcHeight, info.biBitCount = core.bcBitCount;
        if (core.bcBitCount == 16 || core.bcBitCount == 32)
            return 0;  // bcBitCount: 1, 4, 8 or 24
        tableBytes = core.bcBitCount <= 8 ? 3ull << core.bcBitCount : 0;  // an RGBTRIPLE per colour
        bytesRead += Touch(header, sizeof core);
    } else if (info.biSize >= sizeof info) {
        std::memcpy(&info, header, sizeof info);
        bytesRead += Touch(header, info.biSize < kLargestHeader ? info.biSize : kLargestHeader);
        if (info.biWidth <= 0)
            return 0;
        // biClrUsed, or zero for the most that biBitCount allows; GDI (Wine's
        // bitmap_info_size) reads no more than 256. With BI_BITFIELDS three
        // DWORD masks follow a BITMAPINFOHEADER.
        std::uint64_t colours = info.biClrUsed != 0 ? info.biClrUsed : (info.biBitCount <= 8 ? 1ull << info.biBitCount : 0);
        colours = colours < 256 ? colours : 256;
        tableBytes = 4 * colours + (info.biSize == sizeof info && info.biCompression == BI_BITFIELDS ? 12 : 0);
    } else {
        return 0;  // no header GDI knows
    }
    const std::uint16_t b = info.biBitCount;
    if (b != 1 && b != 4 && b != 8 && b != 16 && b != 24 && b != 32)
        return 0;
    bytesRead += Touch(header + info.biSize, tableBytes);
    // The masks stand where a BITMAPINFOHEADER's would, also in a header
    // longer than one but shorter than a BITMAPV2INFOHEADER.
    if (info.biCompression == BI_BITFIELDS && info.biSize > sizeof info && info.biSize < kV2HeaderSize)
        bytesRead += Touch(header + sizeof info, 12);
    if (info.biCompression != BI_RGB && info.biCompression != BI_BITFIELDS)
        return bytesRead += Touch(bits, info.biSizeImage), System::SetDIBitsToDevice(dc, copy);
    // Rows of whole DWORDs, bottom-up (biHeight > 0) or top-down; the
    // caller's line count or the header's, whichever is more.
    const std::uint64_t rows = static_cast<std::uint64_t>(info.biHeight < 0 ? -std::int64_t{info.biHeight} : info.biHeight);
    const std::uint64_t lines = copy.lines > rows ? copy.lines : rows;
    bytesRead += Touch(bits, ((static_cast<std::uint64_t>(info.biWidth) * b + 31) / 32) * 4 * lines);
    return System::SetDIBitsToDevice(dc, copy);
}
