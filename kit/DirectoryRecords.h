// The parts of an ISO 9660 image that Windows reads to find a file: the
// volume descriptors from block 16 on, and the records of a directory's
// extent. Plain parsing over bytes, bounded by what it is given.
#pragma once
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

constexpr std::uint32_t kDiscBlock = 2048;
constexpr std::uint32_t kFirstVolumeDescriptor = 16;

// Where a file or folder lies: its first block and its length in bytes.
struct Extent {
    std::uint32_t lsn = 0;
    std::uint32_t size = 0;
};

struct VolumeDescriptor {
    enum class Kind { NotOne, Primary, Joliet, OtherSupplementary, Terminator, Other };
    Kind kind = Kind::NotOne;  // NotOne: no "CD001" standard identifier
    std::string label;         // Joliet's as UTF-8
    Extent root;
    bool rootRecordWhole = false;  // the root's record is 34 bytes, as it must be
    std::uint32_t volumeBlocks = 0;
};

// One 2048-byte block read as a volume descriptor.
VolumeDescriptor ParseVolumeDescriptor(const unsigned char* block);

struct DirectoryRecord {
    std::string name;  // as Windows shows it: no ";1", no trailing dot; Joliet's UTF-16 as UTF-8
    bool folder = false;
    Extent extent;
};

// The records of a directory extent of size bytes, without "." and "..".
// Records never cross a block; false when one is damaged (too short for its
// name, or crossing its block), with the records before it kept.
bool ParseDirectory(const unsigned char* extent, std::size_t size, bool joliet, std::vector<DirectoryRecord>* records);

// Big-endian UTF-16 as UTF-8; a lone surrogate becomes U+FFFD, as it cannot
// be shown, and a NUL stays in the text (it is part of the name).
std::string FromUtf16(const unsigned char* bytes, std::size_t size);
