#include "HostPlatform.h"

#include <cstdio>
#include <cstring>
#include <fstream>

namespace {

std::uint32_t Read32(const unsigned char* p)
{
    return static_cast<std::uint32_t>(p[0] | p[1] << 8 | p[2] << 16) | static_cast<std::uint32_t>(p[3]) << 24;
}

std::uint32_t CopyOut(const std::string& text, char* buffer, std::uint32_t size)
{
    if (text.size() >= size)
        return static_cast<std::uint32_t>(text.size() + 1);
    std::memcpy(buffer, text.c_str(), text.size() + 1);
    return static_cast<std::uint32_t>(text.size());
}

}  // namespace

std::string FolderFiles::HostPath(const std::string& path) const
{
    std::string host = root_ + "/" + path;
    for (char& c : host)
        if (c == '\\')
            c = '/';
    return host;
}

platform::WholeFile FolderFiles::ReadWholeFile(const char* path, std::size_t padding)
{
    platform::WholeFile whole;
    std::ifstream file(HostPath(path), std::ios::binary | std::ios::ate);
    if (!file)
        return whole;
    whole.length = static_cast<std::uint64_t>(file.tellg());
    file.seekg(0);
    whole.bytes.reset(new std::uint8_t[static_cast<std::size_t>(whole.length) + padding]());
    file.read(reinterpret_cast<char*>(whole.bytes.get()), static_cast<std::streamsize>(whole.length));
    whole.received = static_cast<std::uint64_t>(file.gcount());
    whole.outcome = platform::WholeFile::Outcome::Read;
    return whole;
}

platform::PaletteHandle FrameGraphics::CreatePalette(const platform::PaletteColor* entries, std::uint16_t count)
{
    const platform::PaletteHandle palette(next_++);
    palettes_[palette].assign(entries, entries + count);
    return palette;
}

const std::vector<platform::PaletteColor>* FrameGraphics::Palette(platform::PaletteHandle handle) const
{
    const auto found = palettes_.find(handle);
    return found == palettes_.end() ? nullptr : &found->second;
}

int FrameGraphics::SetDIBitsToDevice(platform::DeviceContext, const platform::DibCopy& copy)
{
    // Only the layout the launcher's pictures have: an info header, 8 bits,
    // uncompressed, rows bottom first; the checker reports anything else.
    const auto* header = static_cast<const unsigned char*>(copy.header);
    const auto* bits = static_cast<const unsigned char*>(copy.bits);
    if (Read32(header) != 40 || (header[14] | header[15] << 8) != 8 || Read32(header + 16) != 0)
        return 0;
    const auto imageWidth = static_cast<std::int32_t>(Read32(header + 4));
    const auto imageHeight = static_cast<std::int32_t>(Read32(header + 8));
    const std::uint32_t used = Read32(header + 32);
    const std::uint32_t colours = used != 0 ? used : 256;
    const std::size_t stride = (static_cast<std::size_t>(imageWidth) + 3) & ~static_cast<std::size_t>(3);
    for (std::uint32_t dy = 0; dy < copy.height; ++dy) {
        const int row = copy.ySrc + static_cast<int>(copy.height - 1 - dy);  // from the bottom
        const int y = copy.yDest + static_cast<int>(dy);
        if (row < 0 || row >= imageHeight || y < 0 || y >= height_)
            continue;
        for (std::uint32_t dx = 0; dx < copy.width; ++dx) {
            const int column = copy.xSrc + static_cast<int>(dx);
            const int x = copy.xDest + static_cast<int>(dx);
            if (column < 0 || column >= imageWidth || x < 0 || x >= width_)
                continue;
            const unsigned index = bits[static_cast<std::size_t>(row) * stride + static_cast<std::size_t>(column)];
            if (index >= colours)
                continue;
            const unsigned char* entry = header + 40 + 4 * index;
            unsigned char* out = &rgb_[(static_cast<std::size_t>(y) * static_cast<std::size_t>(width_) + x) * 3];
            out[0] = entry[2];
            out[1] = entry[1];
            out[2] = entry[0];
        }
    }
    return static_cast<int>(copy.lines);
}

platform::Registry::ReadResult ChosenWorld::ReadLocalMachineValue(const char* keyName, const char* valueName,
                                                                  char* buffer, std::uint32_t* size)
{
    if (!installed_)
        return ReadResult::KeyMissing;
    const std::string value = std::strcmp(valueName, "Path") == 0 ? "C:\\Games\\Ironmarch"
                                                                   : "C:\\Games\\Ironmarch\\uninstall.exe";
    (void)keyName;
    if (value.size() + 1 > *size)
        return ReadResult::ValueUnreadable;
    std::memcpy(buffer, value.c_str(), value.size() + 1);
    *size = static_cast<std::uint32_t>(value.size() + 1);
    return ReadResult::Ok;
}

bool ChosenWorld::CanOpenForReading(const char* path)
{
    const std::string name = path;
    if (name == "reg32.exe")
        return registrationTool_ && current_ == "D:\\\\ereg";
    return installed_ && name == "C:\\Games\\Ironmarch\\IronmarchLauncher.exe";
}

std::uint32_t ChosenWorld::CurrentDirectory(char* buffer, std::uint32_t size)
{
    return CopyOut(current_, buffer, size);
}

bool ChosenWorld::ChangeDirectory(const char* path)
{
    current_ = path;
    return true;
}

std::uint32_t ChosenWorld::WindowsDirectory(char* buffer, std::uint32_t size)
{
    return CopyOut("C:\\WINDOWS", buffer, size);
}

std::uint32_t ChosenWorld::SystemDirectory(char* buffer, std::uint32_t size)
{
    return CopyOut("C:\\WINDOWS\\system32", buffer, size);
}

std::uint32_t ChosenWorld::ProgramDirectory(char* buffer, std::uint32_t size)
{
    return CopyOut("D:\\", buffer, size);
}

bool ChosenWorld::CanonicalDirectory(const char* path, char* buffer, std::uint32_t size)
{
    return CopyOut(path, buffer, size) < size;
}
