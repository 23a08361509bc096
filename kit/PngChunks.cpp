#include "PngChunks.h"

#include <algorithm>
#include <cstring>

namespace {

const unsigned char kSignature[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};

// The critical chunks, and the ancillary ones that change how the pixels
// look; every other ancillary chunk (text, profiles, times) is left out.
const char* const kKept[] = {"IHDR", "PLTE", "IDAT", "IEND", "tRNS", "gAMA", "cHRM", "sRGB", "sBIT"};

std::uint32_t Big32(const unsigned char* p)
{
    return static_cast<std::uint32_t>(p[0]) << 24 | static_cast<std::uint32_t>(p[1] << 16 | p[2] << 8 | p[3]);
}

bool Kept(const std::string& type)
{
    return std::any_of(std::begin(kKept), std::end(kKept), [&](const char* kept) { return type == kept; });
}

}  // namespace

std::uint32_t PngCrc(const unsigned char* bytes, std::size_t size)
{
    std::uint32_t crc = 0xFFFFFFFFu;
    for (std::size_t i = 0; i < size; ++i) {
        crc ^= bytes[i];
        for (int bit = 0; bit < 8; ++bit)
            crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
    }
    return crc ^ 0xFFFFFFFFu;
}

std::string PictureChunks(const std::vector<unsigned char>& file, PngPicture* picture)
{
    const std::string notPng = "is not a PNG file: save the artwork as PNG";
    if (file.size() < sizeof kSignature || std::memcmp(file.data(), kSignature, sizeof kSignature) != 0)
        return notPng;
    picture->bytes.assign(kSignature, kSignature + sizeof kSignature);
    const std::string cut = "is cut short: export it again";
    std::size_t at = sizeof kSignature;
    for (std::size_t count = 0;; ++count) {
        if (count == kMostPngChunks)
            return "has more than " + std::to_string(kMostPngChunks) + " chunks: export it again without metadata";
        if (file.size() - at < 12)
            return cut;
        const std::uint32_t length = Big32(&file[at]);
        const std::string type(reinterpret_cast<const char*>(&file[at + 4]), 4);
        if (length > file.size() - at - 12)
            return cut;
        if (count == 0 && (type != "IHDR" || length != 13))
            return notPng;
        if (PngCrc(&file[at + 4], length + 4) != Big32(&file[at + 8 + length]))
            return "is damaged: its " + type + " chunk fails its checksum; export it again";
        const bool critical = (file[at + 4] & 0x20) == 0;
        if (critical && !Kept(type))
            return "holds a " + type + " chunk that no PNG decoder knows: export it again as a plain PNG";
        if (Kept(type))
            picture->bytes.insert(picture->bytes.end(), file.begin() + static_cast<std::ptrdiff_t>(at),
                                  file.begin() + static_cast<std::ptrdiff_t>(at + 12 + length));
        if (type == "IHDR") {
            picture->width = Big32(&file[at + 8]);
            picture->height = Big32(&file[at + 12]);
        }
        at += 12 + length;
        if (type == "IEND")
            return "";
    }
}
