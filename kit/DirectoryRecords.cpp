#include "DirectoryRecords.h"

#include <algorithm>
#include <cstring>

namespace {

constexpr std::size_t kRecordHeader = 33;  // the fixed fields before the name
constexpr std::size_t kRootRecordOffset = 156;
constexpr unsigned char kDirectoryFlag = 0x02;

std::uint32_t Read32(const unsigned char* p)
{
    return static_cast<std::uint32_t>(p[0] | p[1] << 8 | p[2] << 16) | static_cast<std::uint32_t>(p[3]) << 24;
}

Extent ExtentOf(const unsigned char* record)
{
    return Extent{Read32(record + 2), Read32(record + 10)};
}

void AppendUtf8(std::string& text, unsigned c)
{
    if (c < 0x80) {
        text += static_cast<char>(c);
    } else if (c < 0x800) {
        text += static_cast<char>(0xC0 | c >> 6);
        text += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        text += static_cast<char>(0xE0 | c >> 12);
        text += static_cast<char>(0x80 | (c >> 6 & 0x3F));
        text += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        text += static_cast<char>(0xF0 | c >> 18);
        text += static_cast<char>(0x80 | (c >> 12 & 0x3F));
        text += static_cast<char>(0x80 | (c >> 6 & 0x3F));
        text += static_cast<char>(0x80 | (c & 0x3F));
    }
}

// "SETUP.EXE;1" -> "SETUP.EXE", "README.;1" -> "README".
std::string WithoutVersion(std::string name)
{
    const std::size_t version = name.rfind(';');
    if (version != std::string::npos)
        name.erase(version);
    if (!name.empty() && name.back() == '.')
        name.pop_back();
    return name;
}

// A label field without the blanks (and, in Joliet's, NULs) that pad it.
std::string Trimmed(std::string label)
{
    while (!label.empty() && (label.back() == ' ' || label.back() == '\0'))
        label.pop_back();
    return label;
}

bool IsJolietEscape(const unsigned char* escapes)
{
    // Levels 1, 2 and 3: "%/@", "%/C", "%/E".
    return escapes[0] == '%' && escapes[1] == '/' && (escapes[2] == '@' || escapes[2] == 'C' || escapes[2] == 'E');
}

}  // namespace

std::string FromUtf16(const unsigned char* bytes, std::size_t size)
{
    std::string text;
    for (std::size_t i = 0; i + 1 < size; i += 2) {
        unsigned c = static_cast<unsigned>(bytes[i] << 8 | bytes[i + 1]);
        if (c >= 0xD800 && c <= 0xDBFF && i + 3 < size) {
            const unsigned low = static_cast<unsigned>(bytes[i + 2] << 8 | bytes[i + 3]);
            if (low >= 0xDC00 && low <= 0xDFFF) {
                AppendUtf8(text, 0x10000 + ((c - 0xD800) << 10) + (low - 0xDC00));
                i += 2;
                continue;
            }
        }
        AppendUtf8(text, c >= 0xD800 && c <= 0xDFFF ? 0xFFFD : c);
    }
    return text;
}

VolumeDescriptor ParseVolumeDescriptor(const unsigned char* block)
{
    VolumeDescriptor descriptor;
    if (std::memcmp(block + 1, "CD001", 5) != 0)
        return descriptor;
    switch (block[0]) {
    case 1:
        descriptor.kind = VolumeDescriptor::Kind::Primary;
        descriptor.label = Trimmed(std::string(reinterpret_cast<const char*>(block + 40), 32));
        break;
    case 2:
        if (!IsJolietEscape(block + 88)) {
            descriptor.kind = VolumeDescriptor::Kind::OtherSupplementary;
            return descriptor;
        }
        descriptor.kind = VolumeDescriptor::Kind::Joliet;
        descriptor.label = Trimmed(FromUtf16(block + 40, 32));
        break;
    case 255:
        descriptor.kind = VolumeDescriptor::Kind::Terminator;
        return descriptor;
    default:
        descriptor.kind = VolumeDescriptor::Kind::Other;
        return descriptor;
    }
    descriptor.volumeBlocks = Read32(block + 80);
    descriptor.rootRecordWhole = block[kRootRecordOffset] == 34;
    descriptor.root = ExtentOf(block + kRootRecordOffset);
    return descriptor;
}

bool ParseDirectory(const unsigned char* extent, std::size_t size, bool joliet, std::vector<DirectoryRecord>* records)
{
    for (std::size_t at = 0; at < size;) {
        const std::size_t blockEnd = std::min<std::size_t>((at / kDiscBlock + 1) * kDiscBlock, size);
        const std::size_t length = extent[at];
        if (length == 0) {  // records do not cross a block: the rest of this one is padding
            at = blockEnd;
            continue;
        }
        // The whole fixed part first, then the name it announces, all inside the block.
        if (at + kRecordHeader > blockEnd || at + length > blockEnd)
            return false;
        const std::size_t nameLength = extent[at + 32];
        if (length < kRecordHeader + nameLength)
            return false;
        const unsigned char* record = extent + at;
        const unsigned char* name = record + kRecordHeader;
        if (!(nameLength == 1 && name[0] <= 1)) {  // not "." or ".."
            DirectoryRecord entry;
            entry.name = WithoutVersion(joliet ? FromUtf16(name, nameLength)
                                               : std::string(reinterpret_cast<const char*>(name), nameLength));
            entry.folder = (record[25] & kDirectoryFlag) != 0;
            entry.extent = ExtentOf(record);
            records->push_back(entry);
        }
        at += length;
    }
    return true;
}
