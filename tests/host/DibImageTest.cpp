// Reading bitmap files into images, their palettes, and drawing blocks of them.
#include <gtest/gtest.h>

#include "BitmapBuilder.h"
#include "GdiReader.h"
#include "image/DibHeader.h"
#include "image/DibImage.h"
#include "launcher/ButtonTable.h"

namespace {

using bitmaps::Layout;
using Bytes = std::vector<unsigned char>;

Bytes Made(void (*change)(Layout&))
{
    Layout layout;
    change(layout);
    return bitmaps::Make(layout);
}

Bytes MasksAfterShortHeader(std::int64_t bytesAfterHeader)
{
    Layout l;
    l.headerSize = 44, l.bits = 16, l.compression = 3, l.tableEntries = 0;
    l.width = l.height = 0, l.pixelBytes = bytesAfterHeader;
    return bitmaps::Make(l);
}

// Whether a file gives an image, its palette's entries (0: none) and whether
// it is drawn: one the system's drawing would read past is kept but never drawn.
struct ReaderCase {
    const char* name;
    Bytes file;
    bool loads, draws;
    int entries;
};

std::vector<ReaderCase> ReaderCases()
{
    return {
        {"info_header_8_bits", bitmaps::Make(Layout()), true, true, 256},
        {"core_header", Made([](Layout& l) { l.headerSize = 12; }), true, true, 256},
        {"24_bits_no_table", Made([](Layout& l) { l.bits = 24, l.tableEntries = 0; }), true, true, 0},
        {"16_colours_used", Made([](Layout& l) { l.colorsUsed = l.tableEntries = 16; }), true, true, 16},
        {"offset_field_ignored", Made([](Layout& l) { l.pixelOffsetField = 5000; }), true, true, 256},  // the offset field is ignored
        {"width_zero", Made([](Layout& l) { l.width = 0; }), true, true, 256},
        {"four_bits", Made([](Layout& l) { l.bits = 4, l.tableEntries = 16; }), true, true, 16},
        {"zero_by_zero", Bytes{'B', 'M', 14, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}, true, true, 0},      // a 0x0 image
        {"header_108_core_layout", Made([](Layout& l) { l.headerSize = 108; }), true, true, 0},            // read with the core layout
        {"rle8", Made([](Layout& l) { l.compression = 1, l.imageSize = l.pixelBytes = 16; }), true, true, 256},
        {"9_bits_no_rows", Made([](Layout& l) { l.bits = 9, l.height = 0, l.tableEntries = 0; }), true, true, 0},
        {"height_65536", Made([](Layout& l) { l.height = 65536, l.tableEntries = l.colorsUsed = 16; }), true, true, 16},
        {"masks_after_44_byte_header", MasksAfterShortHeader(8), true, true, 0},
        {"top_down", Made([](Layout& l) { l.height = -2; }), false, false, 0},  // top-down
        {"negative_width", Made([](Layout& l) { l.width = -4, l.pixelBytes = 16; }), false, false, 0},
        {"not_BM", Bytes{'B', 'A', 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 40, 0}, false, false, 0},
        {"cut_in_info_header", Bytes{'B', 'M', 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 40, 0, 0, 0, 1, 0}, false, false, 0},
        {"colours_used_past_table", Made([](Layout& l) { l.colorsUsed = 300; }), false, false, 0},  // colours-used past the table
        // Safe to read and to build a palette from; only the drawing would read past the file.
        {"pixels_short", Made([](Layout& l) { l.pixelBytes = 4; }), true, false, 256},
        // Rows are whole DWORDs: 1025 bits take 132 bytes.
        {"one_bit_rows_padded", Made([](Layout& l) { l.bits = 1, l.width = 1025, l.height = 1, l.tableEntries = 2, l.pixelBytes = 128; }),
         true, false, 2},
        {"header_5000", Made([](Layout& l) { l.headerSize = 5000, l.tableEntries = 0, l.pixelBytes = 16; }), true, false, 0},
        {"width_height_huge", Made([](Layout& l) { l.width = l.height = 0x7FFFFFFF, l.pixelBytes = 64; }), true, false, 256},
        {"core_header_pixels_short", Made([](Layout& l) { l.headerSize = 12, l.pixelBytes = 4; }), true, false, 256},
        {"header_108_pixels_short", Made([](Layout& l) { l.headerSize = 108, l.tableEntries = 0, l.pixelBytes = 2; }), true, false, 0},
        // Bit-field masks after a 44-byte header: the system reads them from
        // bytes 40 to 51, one byte short of the file here (inside it in masks_after_44_byte_header).
        {"masks_one_byte_short", MasksAfterShortHeader(7), true, false, 0},
        {"rle8_size_past_file", Made([](Layout& l) { l.compression = 1, l.imageSize = 5000, l.pixelBytes = 16; }), true, false, 256},
    };
}

// The drawing stand-in reads all that the system would; AddressSanitizer
// stops the test at the first byte read past an image.
struct LoadDibImage : testing::TestWithParam<ReaderCase> {};

TEST_P(LoadDibImage, KeepsAndDrawsOnlyWhatLiesInTheFile)
{
    const ReaderCase& c = GetParam();
    ReadingGraphics system;
    DibImages images(system, system);
    system.pictures["earlier.bmp"] = bitmaps::Make(Layout());  // so that "unchanged" and "none" differ
    const DibImage earlier = images.LoadDibImage("earlier.bmp");
    system.pictures["case.bmp"] = c.file;
    const DibImage image = images.LoadDibImage("case.bmp");
    EXPECT_EQ(!image.empty(), c.loads);
    const CPalette* palette = images.windowPalette();
    EXPECT_EQ(palette ? static_cast<int>(system.palettes.at(palette->handle()).size()) : 0, c.entries);
    EXPECT_EQ(system.palettes.size(), palette ? 1u : 0u);  // the earlier palette is gone
    if (palette != nullptr) {  // the image's colours in order, blue, green and red from the file
        const platform::PaletteColor second = system.palettes.at(palette->handle())[1];
        EXPECT_EQ((std::vector<int>{second.red, second.green, second.blue, second.flags}), (std::vector<int>{0xFE, 3, 1, 0}));
    }
    images.DrawDibImage(platform::DeviceContext(1), platform::Rect{0, 0, kBackgroundWidth, kBackgroundHeight}, image,
                        platform::Rect{0, 0, kBackgroundWidth, kBackgroundHeight}, palette);
    EXPECT_EQ(system.calls, c.draws ? 1 : 0);
}

INSTANTIATE_TEST_SUITE_P(Files, LoadDibImage, testing::ValuesIn(ReaderCases()),
                         [](const testing::TestParamInfo<ReaderCase>& info) { return std::string(info.param.name); });

TEST(DibDrawingFitsBlock, RefusesAColourTablePastTheFile)
{
    Bytes past = Made([](Layout& l) { l.colorsUsed = 300; });  // a colour table past the file
    past.resize(past.size() + 14);
    EXPECT_FALSE(DibDrawingFitsBlock(past.data() + 14, past.size() - 14));
}

}  // namespace
