// The disc reader on images built byte by byte: directory records and names
// at their bounds, which volume descriptor gives the names, and the caps.
#include <gtest/gtest.h>

#include <cstring>
#include <functional>

#include "DirectoryRecords.h"
#include "DiscTree.h"

namespace {

using Bytes = std::vector<unsigned char>;

void Put32(Bytes& to, std::size_t at, std::uint32_t value)
{
    for (int i = 0; i < 4; ++i)
        to[at + static_cast<std::size_t>(i)] = static_cast<unsigned char>(value >> (8 * i));
}

// A record of the given length (0: just long enough) at a place in the extent.
void PutRecord(Bytes& extent, std::size_t at, const std::string& name, std::uint32_t lsn = 0, std::uint32_t size = 0,
               bool folder = false, std::size_t length = 0)
{
    extent[at] = static_cast<unsigned char>(length != 0 ? length : 34 + name.size());
    Put32(extent, at + 2, lsn), Put32(extent, at + 10, size);
    extent[at + 25] = folder ? 2 : 0;
    extent[at + 32] = static_cast<unsigned char>(name.size());
    std::memcpy(&extent[at + 33], name.data(), std::min(name.size(), extent.size() - at - 33));
}

std::string Listed(const Bytes& extent, bool joliet, bool* whole)
{
    std::vector<DirectoryRecord> records;
    *whole = ParseDirectory(extent.data(), extent.size(), joliet, &records);
    std::string names;
    for (const DirectoryRecord& r : records)
        names += r.name + (r.folder ? "/ " : " ");
    return names;
}

TEST(DirectoryRecords, NamesAsWindowsShowsThemAndNoRecordReadPastItsBlock)
{
    const std::string u = std::string("\0\xc4\0.\0t\0x\0t\0;\0" "1", 14);  // "Ä.txt;1" in UTF-16
    std::vector<std::pair<std::string, std::size_t>> filled(7, {"F", 255});  // up to 2015: a header still fits
    filled.push_back({"F", 230});
    const struct {
        const char* what;
        std::vector<std::pair<std::string, std::size_t>> records;  // one after another: name, length (0: its own); "": the next block
        std::size_t size;  // of the extent, cut after the records are written
        bool joliet, whole;
        std::string names;
    } cases[] = {
        {"dots skipped, versions dropped", {{std::string(1, '\0'), 0}, {"\1", 0}, {"SETUP.EXE;1", 0}, {"README.;1", 0}}, 2048, false, true, "SETUP.EXE README "},
        {"a zero length pads its block", {{"A;1", 0}, {"", 0}, {"B;1", 0}}, 4096, false, true, "A B "},
        {"Joliet names", {{u, 0}}, 2048, true, true, "\xc3\x84.txt "},
        {"a name longer than its record", {{"A;1", 0}, {"LONGNAME;1", 40}}, 2048, false, false, "A "},
        {"a record past the extent's end", {{"A;1", 0}, {"CUT;1", 0}}, 60, false, false, "A "},
        {"a header past the extent's end", {{"A;1", 0}, {"CUT;1", 10}}, 50, false, false, "A "},
        {"a record crossing its block", filled, 4096, false, false, "F F F F F F F F "},
    };
    for (const auto& c : cases) {
        Bytes extent(c.size + 300);
        std::size_t at = 0;
        for (const auto& [name, length] : c.records) {
            if (name.empty()) {
                at = (at / kDiscBlock + 1) * kDiscBlock;
                continue;
            }
            PutRecord(extent, at, name, 0, 0, false, length);
            at += extent[at];
        }
        if (c.records == filled)
            PutRecord(extent, at, "CROSSING;1");
        const Bytes exact(extent.begin(), extent.begin() + static_cast<std::ptrdiff_t>(c.size));  // nothing to read past unseen
        bool whole = false;
        EXPECT_EQ(Listed(exact, c.joliet, &whole), c.names) << c.what;
        EXPECT_EQ(whole, c.whole) << c.what;
    }
}

TEST(DirectoryRecords, Utf16BecomesUtf8AndWhatCannotBeShownBecomesTheReplacementCharacter)
{
    const std::pair<std::string, std::string> cases[] = {
        {std::string("\xd8\x3d\xde\x00", 4), "\xf0\x9f\x98\x80"},         // a pair
        {std::string("\xd8\x00\0A", 4), "\xef\xbf\xbd" "A"},              // a lone high surrogate
        {std::string("\xdc\x00", 2), "\xef\xbf\xbd"},                     // a lone low one
        {std::string("\xd8\x00\xe0\x00", 4), "\xef\xbf\xbd\xee\x80\x80"},  // a high one before no low one
        {std::string("\xd8\x3d\xde", 3), "\xef\xbf\xbd"},                   // the name ends inside the pair
        {std::string("\0A\0\0\x07\xff" "B", 7), std::string("A\0\xdf\xbf", 4)},  // a NUL kept, an odd byte dropped
    };
    for (const auto& [utf16, utf8] : cases) {
        const Bytes exact(utf16.begin(), utf16.end());
        EXPECT_EQ(FromUtf16(exact.data(), exact.size()), utf8);
    }
}

// An image with the descriptors from block 16, the ISO 9660 root at block 21
// (SETUP.EXE), the Joliet root at block 22 (setup.exe), and room for a root
// folder of 256 blocks, the largest the reader takes.
void PutDescriptor(Bytes& image, std::uint32_t block, unsigned char type, const char* escape, std::uint32_t root)
{
    const std::size_t at = block * kDiscBlock;
    image[at] = type;
    std::memcpy(&image[at + 1], "CD001", 5);
    std::memcpy(&image[at + 40], type == 1 ? "IRM_1" : std::string("\0I\0R\0M\0_\0" "1", 10).data(), type == 1 ? 5 : 10);
    std::memcpy(&image[at + 88], escape, 3);
    Put32(image, at + 80, 22 + 257);
    PutRecord(image, at + 156, std::string(1, '\0'), root, kDiscBlock, true, 34);
}

std::string Opened(const std::function<void(Bytes&)>& change)
{
    Bytes image((22 + 257) * kDiscBlock);
    PutRecord(image, 21 * kDiscBlock, "SETUP.EXE;1", 23, 5);
    PutRecord(image, 22 * kDiscBlock, std::string("\0s\0e\0t\0u\0p\0.\0e\0x\0e", 18), 23, 5);
    PutDescriptor(image, 16, 1, "   ", 21);
    PutDescriptor(image, 17, 2, "%/E", 22);
    PutDescriptor(image, 18, 255, "   ", 0);
    change(image);
    std::string why;
    const std::unique_ptr<DiscTree> disc = OpenDiscImage(std::move(image), &why);
    if (disc == nullptr)
        return why;
    const DiscEntry entry = disc->Find("SETUP.EXE");
    const std::vector<DiscProblem> remarks = disc->Remarks();
    return disc->Label() + " " + entry.storedPath + (remarks.empty() ? "" : " remark on " + remarks.front().file);
}

TEST(DiscImage, JolietNamesWhenADescriptorAnnouncesThemElseTheIsoNamesWithinTheCaps)
{
    const struct {
        const char* what;
        std::function<void(Bytes&)> change;
        std::string seen;
    } cases[] = {
        {"Joliet", [](Bytes&) {}, "IRM_1 setup.exe"},
        {"no Joliet escape", [](Bytes& d) { d[17 * kDiscBlock + 90] = 'F'; }, "IRM_1 SETUP.EXE"},
        {"the set ended before Joliet", [](Bytes& d) { d[17 * kDiscBlock] = 255; }, "IRM_1 SETUP.EXE"},
        {"a block without CD001 ends it", [](Bytes& d) { d[17 * kDiscBlock + 1] = 'X'; }, "IRM_1 SETUP.EXE remark on "},
        {"Joliet's root past the cap", [](Bytes& d) { Put32(d, 17 * kDiscBlock + 156 + 10, 256 * kDiscBlock + 1); }, "IRM_1  remark on /"},
        {"Joliet's root at the cap", [](Bytes& d) { Put32(d, 17 * kDiscBlock + 156 + 10, 256 * kDiscBlock); }, "IRM_1 setup.exe"},
        {"no primary descriptor", [](Bytes& d) { d[16 * kDiscBlock] = 3; }, "not an ISO 9660 image"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Opened(c.change), c.seen) << c.what;
}

}  // namespace
