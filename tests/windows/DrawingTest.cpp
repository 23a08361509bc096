// Reading bitmap files and drawing them into a memory device context, then
// reading the pixels back.
#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "WindowsTestSupport.h"
#include "image/DibImage.h"
#include "platform/win32/Win32Platform.h"

namespace {

// An 8-bit picture whose row y (from the top) has palette index y + 1.
std::vector<unsigned char> RowBitmap(int width, int height, bool truncateRows)
{
    const int stride = (width + 3) & ~3;
    const std::size_t offset = 14 + 40 + 256 * 4;
    std::vector<unsigned char> file(offset + static_cast<std::size_t>(stride * height), 0);
    auto put32 = [&](std::size_t at, std::uint32_t v) {
        for (int i = 0; i < 4; ++i)
            file[at + i] = static_cast<unsigned char>(v >> (8 * i));
    };
    file[0] = 'B';
    file[1] = 'M';
    put32(14, 40);
    put32(18, static_cast<std::uint32_t>(width));
    put32(22, static_cast<std::uint32_t>(height));
    file[26] = 1;
    file[28] = 8;
    for (int i = 0; i < 256; ++i) {
        file[54 + 4 * i] = static_cast<unsigned char>(255 - i);  // blue
        file[54 + 4 * i + 1] = static_cast<unsigned char>(i);    // green
        file[54 + 4 * i + 2] = static_cast<unsigned char>(i / 2);
    }
    for (int y = 0; y < height; ++y) {
        const std::size_t row = offset + static_cast<std::size_t>((height - 1 - y) * stride);
        for (int x = 0; x < width; ++x)
            file[row + static_cast<std::size_t>(x)] = static_cast<unsigned char>(y + 1);
    }
    if (truncateRows)
        file.resize(file.size() - static_cast<std::size_t>(stride));
    return file;
}

COLORREF ExpectedColour(int index)
{
    return RGB(index / 2, index, 255 - index);
}

// A 640 by 452 32-bit drawing surface in memory, painted magenta.
class MemorySurface {
public:
    MemorySurface()
    {
        BITMAPINFO info = {};
        info.bmiHeader.biSize = sizeof info.bmiHeader;
        info.bmiHeader.biWidth = 640;
        info.bmiHeader.biHeight = -452;
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 32;
        dc_ = CreateCompatibleDC(NULL);
        bitmap_ = CreateDIBSection(dc_, &info, DIB_RGB_COLORS, &bits_, NULL, 0);
        previous_ = SelectObject(dc_, bitmap_);
        std::uint32_t* pixels = static_cast<std::uint32_t*>(bits_);
        for (int i = 0; i < 640 * 452; ++i)
            pixels[i] = 0x00FF00FF;
    }
    ~MemorySurface()
    {
        SelectObject(dc_, previous_);
        DeleteObject(bitmap_);
        DeleteDC(dc_);
    }
    MemorySurface(const MemorySurface&) = delete;
    MemorySurface& operator=(const MemorySurface&) = delete;
    HDC dc() const { return dc_; }
    COLORREF Pixel(int x, int y) const
    {
        const std::uint32_t value = static_cast<const std::uint32_t*>(bits_)[y * 640 + x];
        return RGB((value >> 16) & 0xFF, (value >> 8) & 0xFF, value & 0xFF);
    }

private:
    HDC dc_ = NULL;
    HBITMAP bitmap_ = NULL;
    HGDIOBJ previous_ = NULL;
    void* bits_ = nullptr;
};

struct DrawingTest : testing::Test {
    wintest::ScratchFolder folder;
    win32::Memory memory;
    win32::BitmapFiles files;
    win32::Graphics graphics;
    DibImages images{memory, files, graphics};
};

TEST_F(DrawingTest, BlockAtTheColumnShowsTheTopRowsOfThePicture)
{
    ASSERT_TRUE(wintest::WriteBytes(folder / "rows.bmp", RowBitmap(230, 60, false)));
    DibImage image = images.LoadDibImage((folder / "rows.bmp").c_str());
    ASSERT_FALSE(image.empty());
    ASSERT_NE(images.windowPalette(), nullptr);
    EXPECT_EQ(GetPaletteEntries(reinterpret_cast<HPALETTE>(images.windowPalette()->handle().value()), 0, 0, NULL), 256u);

    MemorySurface surface;
    const int rows = images.DrawDibImage(platform::DeviceContext(reinterpret_cast<std::uintptr_t>(surface.dc())),
                                         platform::Rect{400, 40, 630, 70}, image, platform::Rect{0, 0, 230, 30},
                                         images.windowPalette());
    EXPECT_GT(rows, 0);
    for (int y = 0; y < 30; ++y) {
        EXPECT_EQ(surface.Pixel(400, 40 + y), ExpectedColour(y + 1)) << "row " << y;
        EXPECT_EQ(surface.Pixel(629, 40 + y), ExpectedColour(y + 1)) << "row " << y;
    }
    EXPECT_EQ(surface.Pixel(399, 40), RGB(255, 0, 255));
    EXPECT_EQ(surface.Pixel(630, 40), RGB(255, 0, 255));
    EXPECT_EQ(surface.Pixel(400, 39), RGB(255, 0, 255));
    EXPECT_EQ(surface.Pixel(400, 70), RGB(255, 0, 255));
}

// Its colour table is whole, so it gives the window its palette; only its
// drawing, which would read past the file, is refused.
TEST_F(DrawingTest, PictureShorterThanItsHeaderKeepsItsPaletteAndDrawsNothing)
{
    ASSERT_TRUE(wintest::WriteBytes(folder / "short.bmp", RowBitmap(230, 60, true)));
    DibImage image = images.LoadDibImage((folder / "short.bmp").c_str());
    EXPECT_FALSE(image.empty());
    ASSERT_NE(images.windowPalette(), nullptr);
    MemorySurface surface;
    EXPECT_EQ(images.DrawDibImage(platform::DeviceContext(reinterpret_cast<std::uintptr_t>(surface.dc())),
                                  platform::Rect{0, 0, 230, 30}, image, platform::Rect{0, 0, 230, 30},
                                  images.windowPalette()),
              0);
    EXPECT_EQ(surface.Pixel(0, 0), RGB(255, 0, 255));
}

TEST_F(DrawingTest, FileHeldForWritingIsNotReadAndKeepsThePalette)
{
    ASSERT_TRUE(wintest::WriteBytes(folder / "a.bmp", RowBitmap(8, 8, false)));
    DibImage first = images.LoadDibImage((folder / "a.bmp").c_str());
    ASSERT_NE(images.windowPalette(), nullptr);
    const platform::PaletteHandle palette = images.windowPalette()->handle();
    HANDLE writer = CreateFileA((folder / "a.bmp").c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, NULL,
                                OPEN_EXISTING, 0, NULL);
    ASSERT_NE(writer, INVALID_HANDLE_VALUE);
    DibImage second = images.LoadDibImage((folder / "a.bmp").c_str());
    CloseHandle(writer);
    EXPECT_TRUE(second.empty());
    ASSERT_NE(images.windowPalette(), nullptr);
    EXPECT_EQ(images.windowPalette()->handle(), palette);
}

}  // namespace
