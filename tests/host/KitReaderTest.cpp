// The kit's readers of untrusted bytes at their bounds, under the
// sanitizers: a disc image's directory records. Whole discs and artwork
// are tests/kit/disc-check.sh's.
#include <gtest/gtest.h>

#include "DirectoryRecords.h"

namespace {

using Bytes = std::vector<unsigned char>;

// A directory record with a plain or Joliet name; length pads it to even.
Bytes Record(const std::string& name, bool joliet = false, bool folder = false)
{
    Bytes id;
    for (unsigned char c : name)
        joliet ? (id.push_back(0), id.push_back(c)) : id.push_back(c);
    Bytes record(33 + id.size() + (id.size() % 2 == 0 ? 1 : 0), 0);
    record[0] = static_cast<unsigned char>(record.size());
    record[2] = 20, record[10] = 5;  // block 20, 5 bytes
    record[25] = folder ? 2 : 0;
    record[32] = static_cast<unsigned char>(id.size());
    std::copy(id.begin(), id.end(), record.begin() + 33);
    return record;
}

// Records laid from an offset into a zeroed extent of blocks blocks.
Bytes Extent(std::size_t blocks, std::size_t at, const std::vector<Bytes>& records)
{
    Bytes extent(blocks * kDiscBlock, 0);
    for (const Bytes& r : records) {
        std::copy(r.begin(), r.end(), extent.begin() + static_cast<std::ptrdiff_t>(at));
        at += r.size();
    }
    return extent;
}

struct DirectoryCase {
    const char* name;
    Bytes extent;
    bool joliet, whole;
    std::vector<std::string> names;
};

TEST(DiscImageReader, DirectoryRecordsAreReadWithinTheirBlock)
{
    Bytes headerCut = Extent(1, 0, {Record("A.BMP;1")});
    headerCut.resize(Record("A.BMP;1").size() + 3);
    headerCut[headerCut.size() - 3] = 0x22;  // a record whose fixed part would run past the extent
    Bytes nameTooLong = Extent(1, 0, {Record("A"), Record("B")});
    nameTooLong[34 + 32] = 40;  // B's name says 40 bytes in a 34-byte record
    const std::string filler(221, 'F');  // 254-byte records: eight fill a block to 2032
    Bytes crossing = Extent(2, 0, std::vector<Bytes>(9, Record(filler)));
    crossing[8 * 254] = 60;  // the ninth runs 44 bytes into the next block
    const DirectoryCase cases[] = {
        {"plain names without their version or final dot", Extent(1, 0, {Record("SETUP.EXE;1"), Record("README.;1")}), false, true, {"SETUP.EXE", "README"}},
        {"the folder itself and its parent are left out", Extent(1, 0, {Record(std::string(1, '\0')), Record("\x01"), Record("X")}), false, true, {"X"}},
        {"after a zero length the next block", Extent(2, kDiscBlock + 0, {Record("NEXT")}), false, true, {"NEXT"}},
        {"Joliet names", Extent(1, 0, {Record("8bgamespyu.bmp;1", true)}), true, true, {"8bgamespyu.bmp"}},
        {"a record header cut by the extent's end", headerCut, false, false, {"A.BMP"}},
        {"a name longer than its record", nameTooLong, false, false, {"A"}},
        {"a record crossing into the next block", crossing, false, false, std::vector<std::string>(8, filler)},
    };
    for (const DirectoryCase& c : cases) {
        std::vector<DirectoryRecord> records;
        EXPECT_EQ(ParseDirectory(c.extent.data(), c.extent.size(), c.joliet, &records), c.whole) << c.name;
        std::vector<std::string> names;
        for (const DirectoryRecord& r : records)
            names.push_back(r.name);
        EXPECT_EQ(names, c.names) << c.name;
    }
}

}  // namespace
