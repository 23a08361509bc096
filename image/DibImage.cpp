#include "image/DibImage.h"

#include <new>
#include <optional>

#include "image/DibHeader.h"

namespace {
constexpr std::uint32_t kFileHeaderBytes = 14;
constexpr std::uint32_t kLargestSignedDimension = 0x7FFFFFFF;
// Top-down and negative-width images are refused, and so is an image whose
// own header or colour table lies past the block. One that only the
// system's drawing would read past is kept, with its palette; its drawing is
// refused instead.
bool IsAcceptable(const DibImage& image)
{
    LockedDib locked(image);
    const std::uint8_t* header = locked.header();
    return header != nullptr && DibPaletteFitsBlock(header, image.bytes()) &&
           ImageWidth(header) <= kLargestSignedDimension && ImageHeight(header) <= kLargestSignedDimension;
}

}  // namespace

DibImage& DibImage::operator=(DibImage&& other) noexcept
{
    if (this != &other) {
        Reset();
        memory_ = other.memory_;
        block_ = other.block_;
        bytes_ = other.bytes_;
        other.block_ = {};
        other.bytes_ = 0;
    }
    return *this;
}

void DibImage::Reset()
{
    if (block_ && memory_ != nullptr)
        memory_->Free(block_);
    block_ = {};
    bytes_ = 0;
}

LockedDib::LockedDib(const DibImage& image) : image_(image)
{
    if (!image.empty())
        header_ = static_cast<const std::uint8_t*>(image.memory()->Lock(image.block()));
}

LockedDib::~LockedDib()
{
    if (header_ != nullptr)
        image_.memory()->Unlock(image_.block());
}

DibImage DibImages::LoadDibImage(const char* path)
{
    std::unique_ptr<platform::ReadableFile> file = files_.OpenShareDenyWrite(path);
    if (!file)
        return DibImage();
    bool readError = false;
    DibImage image = ReadBitmapFile(*file, &readError);
    if (readError)
        return DibImage();  // the palette stays as it was
    AdoptDibImage(image);
    return image;
}

DibImage DibImages::ReadBitmapFile(platform::ReadableFile& file, bool* readError)
{
    *readError = false;
    const std::uint64_t length = file.Length();
    std::uint8_t fileHeader[kFileHeaderBytes];
    std::uint32_t received = 0;
    if (!file.Read(fileHeader, kFileHeaderBytes, &received)) {
        *readError = true;
        return DibImage();
    }
    if (received < kFileHeaderBytes || fileHeader[0] != 'B' || fileHeader[1] != 'M')
        return DibImage();
    if (length < kFileHeaderBytes || length > 0xFFFFFFFFu)
        return DibImage();

    const platform::MemoryBlock block = memory_.Allocate(static_cast<std::size_t>(length));
    if (!block)
        return DibImage();
    DibImage image(memory_, block, static_cast<std::size_t>(length));
    const std::uint32_t rest = static_cast<std::uint32_t>(length - kFileHeaderBytes);
    void* data = memory_.Lock(block);
    if (data == nullptr)
        return DibImage();
    const bool read = file.Read(data, rest, &received);
    memory_.Unlock(block);
    if (!read) {
        *readError = true;
        return DibImage();
    }
    if (received < rest)
        return DibImage();
    return image;
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
    if (image.empty())
        return false;
    LockedDib locked(image);
    const std::uint8_t* header = locked.header();
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
    if (image.empty())
        return 0;
    LockedDib locked(image);
    const std::uint8_t* header = locked.header();
    if (header == nullptr || !DibDrawingFitsBlock(header, image.bytes()))
        return 0;

    std::optional<SelectedPalette> selected;
    if (palette != nullptr && palette->handle())
        selected.emplace(graphics_, dc, palette->handle(), true);

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
