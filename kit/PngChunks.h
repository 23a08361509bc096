// A PNG file's chunks, walked before any decoder sees it: the decoder then
// gets only what a picture needs, so that text and profile chunks (each may
// inflate to gigabytes) never reach it, and a damaged or cut-short file is
// named as such.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

struct PngPicture {
    std::vector<unsigned char> bytes;  // the signature and the chunks kept, in order
    std::uint32_t width = 0;
    std::uint32_t height = 0;
};

// Most chunks a file may have: the pixels may come in many IDAT chunks,
// nothing else needs more than a few.
constexpr std::size_t kMostPngChunks = 4096;

// "" and the picture, or what is wrong with the file and what to do.
std::string PictureChunks(const std::vector<unsigned char>& file, PngPicture* picture);

// The CRC of ISO 3309 that every PNG chunk carries.
std::uint32_t PngCrc(const unsigned char* bytes, std::size_t size);
