#include <gtest/gtest.h>

#include "BitmapBuilder.h"
#include "Fakes.h"
#include "GdiReader.h"
#include "image/DibHeader.h"
#include "image/DibImage.h"

namespace {

using bitmaps::Layout;
using fakes::FakePlatform;

enum class Palette { Unchanged, None, Entries };

// Whether an image is kept, with which palette, and whether it is drawn:
// one the system's drawing would read past is kept but never drawn.
struct ReaderCase {
    const char* name;
    std::vector<unsigned char> file;
    bool loads;
    bool draws;
    Palette palette;
    std::uint16_t entries = 0;
};

Layout With(Layout layout)
{
    return layout;
}

std::vector<unsigned char> Bytes(std::initializer_list<unsigned char> bytes)
{
    return std::vector<unsigned char>(bytes);
}

std::vector<ReaderCase> ReaderCases()
{
    Layout plain;
    Layout rle;
    rle.compression = 1;
    rle.imageSize = 16;
    rle.pixelBytes = 16;
    Layout v4;
    v4.headerSize = 108;
    Layout shortRows;
    shortRows.pixelBytes = 4;  // one row of two
    Layout hugeTable;
    hugeTable.colorsUsed = 300;
    Layout hugeHeader;
    hugeHeader.headerSize = 5000;
    hugeHeader.tableEntries = 0;
    hugeHeader.pixelBytes = 16;
    Layout overflow;
    overflow.width = 0x7FFFFFFF;
    overflow.height = 0x7FFFFFFF;
    overflow.pixelBytes = 64;
    Layout v4Short = v4;  // the system reads a 256-colour table that is not there
    v4Short.tableEntries = 0;
    v4Short.pixelBytes = 2;
    Layout bitfields;
    bitfields.bits = 16;
    bitfields.compression = 3;
    bitfields.tableEntries = 0;
    bitfields.pixelBytes = 8;  // the masks alone need 12
    Layout wideTable;  // the launcher sees 16 colours, the system up to 256
    wideTable.colorsUsed = 0x10010;
    wideTable.tableEntries = 16;
    Layout honestRle = rle;
    Layout lyingRle = rle;
    lyingRle.imageSize = 5000;
    Layout rleWithoutSize = rle;
    rleWithoutSize.imageSize = 0;

    Layout oddBits;  // a bit count the system never draws, and no rows
    oddBits.bits = 9;
    oddBits.height = 0;
    oddBits.tableEntries = 0;
    Layout tall;  // 65536 rows, all of them there
    tall.height = 65536;
    tall.tableEntries = 16;
    tall.colorsUsed = 16;
    Layout shortMasks;  // bit fields after a 44-byte header: the masks reach byte 52
    shortMasks.headerSize = 44;
    shortMasks.bits = 16;
    shortMasks.compression = 3;
    shortMasks.tableEntries = 0;
    shortMasks.width = 0;
    shortMasks.height = 0;
    shortMasks.pixelBytes = 0;

    std::vector<unsigned char> headerOnly = {'B', 'M', 14, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0};
    std::vector<unsigned char> infoCut = bitmaps::Make(plain);
    infoCut.resize(14 + 30);

    return {
        {"8-bit info layout", bitmaps::Make(plain), true, true, Palette::Entries, 256},
        {"8-bit core layout", bitmaps::Make(With([] { Layout s; s.headerSize = 12; return s; }())), true, true,
         Palette::Entries, 256},
        {"24-bit without a table", bitmaps::Make(With([] { Layout s; s.bits = 24; s.tableEntries = 0; return s; }())),
         true, true, Palette::None},
        {"colours-used 16 on 8 bits", bitmaps::Make(With([] { Layout s; s.colorsUsed = 16; s.tableEntries = 16; return s; }())),
         true, true, Palette::Entries, 16},
        {"offset field past the table is ignored",
         bitmaps::Make(With([] { Layout s; s.pixelOffsetField = 5000; return s; }())), true, true, Palette::Entries, 256},
        {"only the file header: a 0x0 image", headerOnly, true, true, Palette::None},
        {"larger info header read with the core layout", bitmaps::Make(v4), true, true, Palette::None},
        {"RLE with an honest size", bitmaps::Make(honestRle), true, true, Palette::Entries, 256},
        {"odd bit count without rows", bitmaps::Make(oddBits), true, true, Palette::None},
        {"65536 rows", bitmaps::Make(tall), true, true, Palette::Entries, 16},
        {"top-down", bitmaps::Make(With([] { Layout s; s.height = -2; return s; }())), false, false, Palette::None},
        {"negative width", bitmaps::Make(With([] { Layout s; s.width = -4; s.pixelBytes = 16; return s; }())), false,
         false, Palette::None},
        {"not BM", Bytes({'B', 'A', 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 40, 0}), false, false, Palette::None},
        {"shorter than 14 bytes", Bytes({'B', 'M', 0, 0}), false, false, Palette::None},
        {"an info header size in a 20-byte file",
         Bytes({'B', 'M', 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 40, 0, 0, 0, 1, 0}), false, false, Palette::None},
        {"colours-used past the table", bitmaps::Make(hugeTable), false, false, Palette::None},
        {"info header cut short", infoCut, false, false, Palette::None},
        // Safe to read, and to build a palette from; only the drawing would read past the file.
        {"rows shorter than the header says", bitmaps::Make(shortRows), true, false, Palette::Entries, 256},
        {"header size past the end", bitmaps::Make(hugeHeader), true, false, Palette::None},
        {"stride times height overflows", bitmaps::Make(overflow), true, false, Palette::Entries, 256},
        {"larger header whose rows are missing", bitmaps::Make(v4Short), true, false, Palette::None},
        {"bit fields without room for the masks and rows", bitmaps::Make(bitfields), true, false, Palette::None},
        {"bit fields whose masks pass a 44-byte header", bitmaps::Make(shortMasks), true, false, Palette::None},
        {"colours-used over 16 bits", bitmaps::Make(wideTable), true, false, Palette::Entries, 16},
        {"RLE whose size field lies", bitmaps::Make(lyingRle), true, false, Palette::Entries, 256},
        {"RLE without a size", bitmaps::Make(rleWithoutSize), true, false, Palette::Entries, 256},
    };
}

TEST(LoadDibImage, TableOfFiles)
{
    for (const ReaderCase& c : ReaderCases()) {
        FakePlatform fake;
        DibImages images(fake.memory, fake.bitmapFiles, fake.graphics);
        // A palette from an earlier load, so that "unchanged" and "none" differ.
        fake.bitmapFiles.Add("earlier.bmp", bitmaps::Make(Layout()));
        DibImage earlier = images.LoadDibImage("earlier.bmp");
        ASSERT_NE(images.windowPalette(), nullptr);

        fake.bitmapFiles.Add("case.bmp", c.file);
        DibImage image = images.LoadDibImage("case.bmp");
        EXPECT_EQ(!image.empty(), c.loads) << c.name;
        switch (c.palette) {
        case Palette::None:
            EXPECT_EQ(images.windowPalette(), nullptr) << c.name;
            break;
        case Palette::Entries:
            ASSERT_NE(images.windowPalette(), nullptr) << c.name;
            EXPECT_EQ(fake.graphics.palettes.at(images.windowPalette()->handle()).size(), c.entries) << c.name;
            break;
        case Palette::Unchanged:
            break;
        }
        // Rejected blocks are freed; nothing stays locked.
        EXPECT_EQ(fake.memory.liveBlocks(), 1u + (c.loads ? 1u : 0u)) << c.name;
        EXPECT_EQ(fake.memory.lockedNow, 0) << c.name;
    }
}

TEST(LoadDibImage, OpenAndReadFailuresLeaveThePaletteAlone)
{
    FakePlatform fake;
    DibImages images(fake.memory, fake.bitmapFiles, fake.graphics);
    fake.bitmapFiles.Add("first.bmp", bitmaps::Make(Layout()));
    DibImage first = images.LoadDibImage("first.bmp");
    const platform::PaletteHandle palette = images.windowPalette()->handle();

    EXPECT_TRUE(images.LoadDibImage("missing.bmp").empty());
    EXPECT_EQ(images.windowPalette()->handle(), palette);

    fake.bitmapFiles.Add("failing.bmp", bitmaps::Make(Layout()));
    fake.bitmapFiles.FailReadsOf("failing.bmp");
    EXPECT_TRUE(images.LoadDibImage("failing.bmp").empty());
    EXPECT_EQ(images.windowPalette()->handle(), palette);
    EXPECT_EQ(fake.memory.liveBlocks(), 1u);
}

TEST(LoadDibImage, OutOfMemoryAndPaletteFailures)
{
    FakePlatform fake;
    DibImages images(fake.memory, fake.bitmapFiles, fake.graphics);
    fake.bitmapFiles.Add("a.bmp", bitmaps::Make(Layout()));
    DibImage first = images.LoadDibImage("a.bmp");

    fake.memory.failAllocation = true;
    EXPECT_TRUE(images.LoadDibImage("a.bmp").empty());
    EXPECT_EQ(images.windowPalette(), nullptr);
    fake.memory.failAllocation = false;

    fake.graphics.failPalette = true;
    DibImage second = images.LoadDibImage("a.bmp");
    EXPECT_FALSE(second.empty());  // the image stays valid without a palette
    EXPECT_EQ(images.windowPalette(), nullptr);
    EXPECT_TRUE(fake.graphics.palettes.empty());  // every palette made was deleted again
}

TEST(LoadDibImage, PaletteTakesTheImagesColoursInOrder)
{
    FakePlatform fake;
    DibImages images(fake.memory, fake.bitmapFiles, fake.graphics);
    Layout core;
    core.headerSize = 12;
    for (const Layout& layout : {Layout(), core}) {
        fake.bitmapFiles.Add("p.bmp", bitmaps::Make(layout));
        DibImage image = images.LoadDibImage("p.bmp");
        const auto& entries = fake.graphics.palettes.at(images.windowPalette()->handle());
        for (int i : {0, 1, 100, 255}) {
            EXPECT_EQ(entries[i].blue, i);
            EXPECT_EQ(entries[i].green, static_cast<std::uint8_t>(i * 3));
            EXPECT_EQ(entries[i].red, 255 - i);
            EXPECT_EQ(entries[i].flags, 0);
        }
    }
}

TEST(DrawDibImage, BlockFromTheTopOfThePictureCountedFromTheBottomRow)
{
    FakePlatform fake;
    DibImages images(fake.memory, fake.bitmapFiles, fake.graphics);
    Layout layout;
    layout.width = 230;
    layout.height = 60;
    fake.bitmapFiles.Add("b.bmp", bitmaps::Make(layout));
    DibImage image = images.LoadDibImage("b.bmp");
    const platform::DeviceContext dc(0xD1);
    const int rows = images.DrawDibImage(dc, platform::Rect{400, 40, 630, 70}, image, platform::Rect{0, 0, 230, 30},
                                         images.windowPalette());
    EXPECT_EQ(rows, 60);
    ASSERT_EQ(fake.graphics.copies.size(), 1u);
    const platform::DibCopy& copy = fake.graphics.copies[0].copy;
    EXPECT_EQ(copy.xDest, 400);
    EXPECT_EQ(copy.yDest, 40);
    EXPECT_EQ(copy.width, 230u);
    EXPECT_EQ(copy.height, 30u);
    EXPECT_EQ(copy.xSrc, 0);
    EXPECT_EQ(copy.ySrc, 30);  // 60 - 30: the top 30 rows
    EXPECT_EQ(copy.startScan, 0u);
    EXPECT_EQ(copy.lines, 60u);
    EXPECT_EQ(static_cast<const unsigned char*>(copy.bits) - static_cast<const unsigned char*>(copy.header),
              40 + 1024);
    EXPECT_EQ(fake.graphics.copies[0].palette, images.windowPalette()->handle());
    // The palette goes in as a background palette and the previous one comes back.
    EXPECT_EQ(fake.log, (fakes::Log{"SelectPalette background", "SetDIBitsToDevice 400,40 7",
                                    "SelectPalette background"}));
    EXPECT_EQ(fake.memory.lockedNow, 0);
}

TEST(DrawDibImage, EmptyImageTouchesNothing)
{
    FakePlatform fake;
    DibImages images(fake.memory, fake.bitmapFiles, fake.graphics);
    DibImage none;
    EXPECT_EQ(images.DrawDibImage(platform::DeviceContext(1), platform::Rect{0, 0, 10, 10}, none, platform::Rect{0, 0, 10, 10}, nullptr), 0);
    EXPECT_TRUE(fake.log.empty());
}

TEST(DibHeader, ColourTableAndPixelsFollowTheHeaderDirectly)
{
    Layout layout;
    layout.colorsUsed = 16;
    layout.tableEntries = 16;
    const std::vector<unsigned char> file = bitmaps::Make(layout);
    const unsigned char* header = file.data() + 14;
    EXPECT_EQ(ImageColorCount(header), 16);
    EXPECT_EQ(ColorTableBytes(header), 64);
    EXPECT_EQ(ImagePixels(header) - header, 40 + 64);
    Layout core;
    core.headerSize = 12;
    const std::vector<unsigned char> coreFile = bitmaps::Make(core);
    EXPECT_EQ(ColorTableBytes(coreFile.data() + 14), 768);
    EXPECT_EQ(ImageWidth(coreFile.data() + 14), 4u);
}

}  // namespace

namespace {

TEST(LoadDibImage, EveryAcceptedImageDrawsWithinItsBlock)
{
    // The drawing stand-in reads all that the system would; AddressSanitizer
    // stops the test at the first byte read past a block.
    for (const ReaderCase& c : ReaderCases()) {
        fakes::Log log;
        fakes::FakeMemory memory;
        fakes::FakeBitmapFiles files;
        ReadingGraphics graphics(log);
        DibImages images(memory, files, graphics);
        files.Add("case.bmp", c.file);
        DibImage image = images.LoadDibImage("case.bmp");
        images.DrawDibImage(platform::DeviceContext(1), platform::Rect{0, 0, 640, 452}, image, platform::Rect{0, 0, 640, 452},
                            images.windowPalette());
        EXPECT_EQ(graphics.calls, c.draws ? 1 : 0) << c.name;
    }
}

}  // namespace
