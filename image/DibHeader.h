// Reading the header of a bitmap held in memory: the file from its byte 14
// on, the info header (size 40) or, for every other header size, the core
// header.
#pragma once
#include <cstddef>
#include <cstdint>

constexpr std::uint32_t kInfoHeaderSize = 40;
constexpr std::uint32_t kCoreHeaderSize = 12;

std::uint32_t HeaderSize(const std::uint8_t* header);
bool IsInfoLayout(const std::uint8_t* header);
std::uint32_t ImageWidth(const std::uint8_t* header);
std::uint32_t ImageHeight(const std::uint8_t* header);
std::uint16_t ImageColorCount(const std::uint8_t* header);
// Bits per pixel (16 bits), and the info header's compression (32 bits; the
// core header has none: 0).
std::uint16_t ImageBitCount(const std::uint8_t* header);
std::uint32_t ImageCompression(const std::uint8_t* header);
std::uint16_t ColorTableBytes(const std::uint8_t* header);
const std::uint8_t* ImagePixels(const std::uint8_t* header);

// Offset of the colour table that the palette is built from, and the bytes
// of one entry there.
std::uint32_t PaletteTableOffset(const std::uint8_t* header);
std::uint32_t PaletteEntryBytes(const std::uint8_t* header);

// blockBytes is the file's length: the file without its 14-byte header,
// then 14 zero bytes.
//
// True when what the launcher itself reads lies inside the block: its own
// header (which may take the trailing zero bytes: a file of nothing but its
// 14-byte header is a 0x0 image) and the colour table that the palette is
// built from, which must have come from the file.
bool DibPaletteFitsBlock(const std::uint8_t* header, std::size_t blockBytes);

// The system's drawing reads the header, colour table and pixel rows by what
// the header says, not knowing the size of the block. True when all of that
// lies inside the bytes that came from the file.
bool DibDrawingFitsBlock(const std::uint8_t* header, std::size_t blockBytes);
