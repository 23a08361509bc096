// A bitmap file held in memory: one movable, zero-filled block with the file
// from its byte 14 on (info header, colour table, pixel rows), followed by
// 14 zero bytes, since the block has the length of the whole file.
#pragma once
#include <cstddef>
#include <cstdint>
#include <memory>

#include "image/CPalette.h"
#include "platform/BitmapFiles.h"
#include "platform/Graphics.h"
#include "platform/Memory.h"
#include "platform/Types.h"

class DibImage {
public:
    DibImage() = default;
    DibImage(platform::Memory& memory, platform::MemoryBlock block, std::size_t bytes)
        : memory_(&memory), block_(block), bytes_(bytes)
    {
    }
    ~DibImage() { Reset(); }
    DibImage(DibImage&& other) noexcept { *this = static_cast<DibImage&&>(other); }
    DibImage& operator=(DibImage&& other) noexcept;
    DibImage(const DibImage&) = delete;
    DibImage& operator=(const DibImage&) = delete;

    bool empty() const { return !block_; }
    platform::MemoryBlock block() const { return block_; }
    std::size_t bytes() const { return !block_ ? 0 : bytes_; }
    platform::Memory* memory() const { return memory_; }
    void Reset();

private:
    platform::Memory* memory_ = nullptr;
    platform::MemoryBlock block_{};
    std::size_t bytes_ = 0;
};

// The block locked for the length of one operation.
class LockedDib {
public:
    explicit LockedDib(const DibImage& image);
    ~LockedDib();
    LockedDib(const LockedDib&) = delete;
    LockedDib& operator=(const LockedDib&) = delete;

    const std::uint8_t* header() const { return header_; }

private:
    const DibImage& image_;
    const std::uint8_t* header_ = nullptr;
};

// The platform services that loading and drawing use, with the one palette
// of the main window. Every load replaces the palette with that of the image
// just read.
class DibImages {
public:
    DibImages(platform::Memory& memory, platform::BitmapFiles& files, platform::Graphics& graphics)
        : memory_(memory), files_(files), graphics_(graphics)
    {
    }

    DibImage LoadDibImage(const char* path);
    int DrawDibImage(platform::DeviceContext dc, const platform::Rect& destination, const DibImage& image,
                     const platform::Rect& source, const CPalette* palette);

    const CPalette* windowPalette() const { return windowPalette_.get(); }
    void ClearWindowPalette() { windowPalette_.reset(); }
    platform::Graphics& graphics() { return graphics_; }

    // Exposed for the tests of each step.
    DibImage ReadBitmapFile(platform::ReadableFile& file, bool* readError);
    void AdoptDibImage(DibImage& image);
    bool BuildDibPalette(const DibImage& image, CPalette& palette);

private:
    platform::Memory& memory_;
    platform::BitmapFiles& files_;
    platform::Graphics& graphics_;
    std::unique_ptr<CPalette> windowPalette_;
};
