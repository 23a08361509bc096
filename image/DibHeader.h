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
std::uint16_t ColorTableBytes(const std::uint8_t* header);
const std::uint8_t* ImagePixels(const std::uint8_t* header);

// Offset of the colour table that the palette is built from, and the bytes
// of one entry there.
std::uint32_t PaletteTableOffset(const std::uint8_t* header);
std::uint32_t PaletteEntryBytes(const std::uint8_t* header);

// The system's drawing reads the header, colour table and pixel rows by what
// the header says, not knowing the size of the block. True when everything
// that the launcher and the system may read lies inside the bytes that came
// from the file (blockBytes is the file's length: the file without its
// 14-byte header, then 14 zero bytes).
bool DibFitsBlock(const std::uint8_t* header, std::size_t blockBytes);
