// A bitmap file held in memory: the whole file, followed by 14 zero bytes.
// From its byte 14 on (info header, colour table, pixel rows) the block is
// as long as the file, and that is the part the header readers see.
#pragma once
#include <cstddef>
#include <cstdint>
#include <memory>
#include <utility>

#include "image/CPalette.h"
#include "platform/Graphics.h"
#include "platform/Types.h"
#include "platform/WholeFile.h"

class DibImage {
public:
    static constexpr std::size_t kFileHeaderBytes = 14;

    DibImage() = default;
    DibImage(std::unique_ptr<std::uint8_t[]> file, std::size_t fileLength)
        : file_(std::move(file)), length_(file_ ? fileLength : 0)
    {
    }

    bool empty() const { return !file_; }
    // The info or core header; null when empty.
    const std::uint8_t* header() const { return file_ ? file_.get() + kFileHeaderBytes : nullptr; }
    // Bytes from the header on: the file after its 14-byte header, then the 14 zero bytes.
    std::size_t bytes() const { return length_; }
    void Reset()
    {
        file_.reset();
        length_ = 0;
    }

private:
    std::unique_ptr<std::uint8_t[]> file_;
    std::size_t length_ = 0;
};

// Loading and drawing, with the one palette of the main window. Every load
// replaces the palette with that of the image just read.
class DibImages {
public:
    DibImages(platform::WholeFileReader& files, platform::Graphics& graphics) : files_(files), graphics_(graphics) {}

    DibImage LoadDibImage(const char* path);
    int DrawDibImage(platform::DeviceContext dc, const platform::Rect& destination, const DibImage& image,
                     const platform::Rect& source, const CPalette* palette);

    const CPalette* windowPalette() const { return windowPalette_.get(); }
    void ClearWindowPalette() { windowPalette_.reset(); }
    platform::Graphics& graphics() { return graphics_; }

private:
    DibImage ReadBitmapFile(platform::WholeFile& file);
    void AdoptDibImage(DibImage& image);
    bool BuildDibPalette(const DibImage& image, CPalette& palette);

    platform::WholeFileReader& files_;
    platform::Graphics& graphics_;
    std::unique_ptr<CPalette> windowPalette_;
};
