#include "image/DibImage.h"

#include <new>
#include <utility>

#include "image/DibHeader.h"

namespace {
constexpr std::uint32_t kLargestSignedDimension = 0x7FFFFFFF;
// Top-down and negative-width images are refused, and so is an image whose
// own header or colour table lies past the block. One that only the
// system's drawing would read past is kept, with its palette; its drawing is
// refused instead.
bool IsAcceptable(const DibImage& image)
{
    const std::uint8_t* header = image.header();
    return header != nullptr && DibPaletteFitsBlock(header, image.bytes()) &&
           ImageWidth(header) <= kLargestSignedDimension && ImageHeight(header) <= kLargestSignedDimension;
}

}  // namespace

DibImage DibImages::LoadDibImage(const char* path)
{
    platform::WholeFile file = files_.ReadWholeFile(path, DibImage::kFileHeaderBytes);
    using Outcome = platform::WholeFile::Outcome;
    if (file.outcome == Outcome::NotOpened || file.outcome == Outcome::ReadFailed)
        return DibImage();  // the palette stays as it was
    DibImage image = ReadBitmapFile(file);
    AdoptDibImage(image);
    return image;
}

// The file as it arrived, or none when it is no bitmap file or came short.
DibImage DibImages::ReadBitmapFile(platform::WholeFile& file)
{
    if (file.outcome != platform::WholeFile::Outcome::Read)
        return DibImage();
    const std::uint8_t* bytes = file.bytes.get();
    if (file.received < DibImage::kFileHeaderBytes || bytes[0] != 'B' || bytes[1] != 'M')
        return DibImage();
    if (file.received < file.length)
        return DibImage();
    return DibImage(std::move(file.bytes), static_cast<std::size_t>(file.length));
}

void DibImages::AdoptDibImage(DibImage& image)
{
    windowPalette_.reset();
    if (image.empty())
        return;
    if (!IsAcceptable(image)) {
        image.Reset();
        return;
    }
    windowPalette_.reset(new (std::nothrow) CPalette(graphics_));
    if (!windowPalette_) {
        image.Reset();
        return;
    }
    if (!BuildDibPalette(image, *windowPalette_))
        windowPalette_.reset();
}

bool DibImages::BuildDibPalette(const DibImage& image, CPalette& palette)
{
    const std::uint8_t* header = image.header();
    if (header == nullptr)
        return false;
    const std::uint16_t count = ImageColorCount(header);
    if (count == 0)
        return false;
    std::unique_ptr<platform::PaletteColor[]> entries(new (std::nothrow) platform::PaletteColor[count]);
    if (!entries)
        return false;
    const std::uint8_t* table = header + PaletteTableOffset(header);
    const std::uint32_t stride = PaletteEntryBytes(header);
    for (std::uint32_t i = 0; i < count; ++i) {
        const std::uint8_t* entry = table + i * stride;  // blue, green, red
        entries[i] = platform::PaletteColor{entry[2], entry[1], entry[0], 0};
    }
    return palette.CreatePalette(entries.get(), count);
}

int DibImages::DrawDibImage(platform::DeviceContext dc, const platform::Rect& destination, const DibImage& image,
                            const platform::Rect& source, const CPalette* palette)
{
    const std::uint8_t* header = image.header();
    if (header == nullptr || !DibDrawingFitsBlock(header, image.bytes()))
        return 0;

    const auto selected =
        ScopedPaletteSelection(graphics_, dc, palette != nullptr ? palette->handle() : platform::PaletteHandle{}, true);

    const std::uint32_t height = ImageHeight(header);
    platform::DibCopy copy{};
    copy.xDest = destination.left;
    copy.yDest = destination.top;
    copy.width = static_cast<std::uint32_t>(destination.right - destination.left);
    copy.height = static_cast<std::uint32_t>(destination.bottom - destination.top);
    copy.xSrc = source.left;
    copy.ySrc = static_cast<int>(height - static_cast<std::uint32_t>(source.bottom));
    copy.startScan = 0;
    copy.lines = static_cast<std::uint16_t>(height);
    copy.bits = ImagePixels(header);
    copy.header = header;
    return graphics_.SetDIBitsToDevice(dc, copy);
}
