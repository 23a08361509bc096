// libFuzzer target: any bytes as an ISO 9660 image from block 16 on (the
// system area before it is never read), searched and read as disc_check
// reads a disc.
#include <cstddef>
#include <cstdint>
#include <vector>

#include "DiscTree.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    std::vector<unsigned char> image(16 * 2048, 0);
    image.insert(image.end(), data, data + size);
    std::string why;
    const auto disc = OpenDiscImage(std::move(image), &why);
    if (!disc)
        return 0;
    disc->Label();
    disc->Unreadable();
    for (const char* path : {"IronmarchLauncher.exe", "bitmaps/8bg1.bmp", "bitmaps", "DirectX\\dxsetup.exe", "a/b/c/d"}) {
        const DiscEntry entry = disc->Find(path);
        std::vector<unsigned char> bytes;
        if (entry.kind == DiscEntry::Kind::File)
            disc->Read(entry, 1 << 20, &bytes, &why);
    }
    disc->Remarks();
    return 0;
}
