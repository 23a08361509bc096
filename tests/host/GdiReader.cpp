#include "GdiReader.h"

namespace {

std::uint32_t Read16(const unsigned char* p) { return static_cast<std::uint32_t>(p[0] | (p[1] << 8)); }
std::uint32_t Read32(const unsigned char* p) { return Read16(p) | (Read16(p + 2) << 16); }

// The bit counts the system draws; it refuses a header with any other.
bool DrawableBitCount(std::uint64_t b, bool core) { return b == 1 || b == 4 || b == 8 || b == 24 || (!core && (b == 16 || b == 32)); }

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
    const std::uint32_t size = Read32(header);
    std::uint64_t width, rows, bitCount, compression = 0, imageSize = 0, tableBytes;
    if (size == 12) {
        Touch(header, 12);
        width = Read16(header + 4);
        rows = Read16(header + 6);
        bitCount = Read16(header + 10);
        if (!DrawableBitCount(bitCount, true))
            return 0;
        tableBytes = bitCount <= 8 ? 3ull << bitCount : 0;
    } else if (size >= 40) {
        bytesRead += Touch(header, size < 124 ? size : 124);
        const auto w = static_cast<std::int32_t>(Read32(header + 4));
        const auto h = static_cast<std::int32_t>(Read32(header + 8));
        if (w <= 0)
            return 0;
        width = static_cast<std::uint64_t>(w);
        rows = h < 0 ? static_cast<std::uint64_t>(-static_cast<std::int64_t>(h)) : static_cast<std::uint64_t>(h);
        bitCount = Read16(header + 14);
        if (!DrawableBitCount(bitCount, false))
            return 0;
        compression = Read32(header + 16);
        imageSize = Read32(header + 20);
        const std::uint32_t used = Read32(header + 32);
        const std::uint64_t entries = used != 0 ? (used < 256 ? used : 256) : (bitCount <= 8 ? 1ull << bitCount : 0);
        tableBytes = 4 * entries + (size == 40 && compression == 3 ? 12 : 0);
    } else {
        return 0;  // the system refuses other header sizes
    }
    bytesRead += Touch(header + size, tableBytes);
    if (compression == 3 && size > 40 && size < 52)
        bytesRead += Touch(header + 40, 12);  // the masks, whatever the header size
    if (compression != 0 && compression != 3) {
        bytesRead += Touch(bits, imageSize);
    } else {
        const std::uint64_t lines = copy.lines > rows ? copy.lines : rows;
        const std::uint64_t stride = ((width * bitCount + 31) / 32) * 4;
        bytesRead += Touch(bits, stride * lines);
    }
    return System::SetDIBitsToDevice(dc, copy);
}
