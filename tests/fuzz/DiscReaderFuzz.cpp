// libFuzzer target: any bytes as an ISO 9660 image from block 16 on (the
// system area before it is never read), searched and read as disc_check
// reads a disc.
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <vector>

#include "DiscTree.h"

namespace {

class MemoryImage : public ImageBytes {
public:
    explicit MemoryImage(std::vector<unsigned char> bytes) : bytes_(std::move(bytes)) {}
    std::uint64_t Size() const override { return bytes_.size(); }
    bool ReadAt(std::uint64_t offset, unsigned char* buffer, std::size_t bytes) override
    {
        if (offset > bytes_.size() || bytes > bytes_.size() - offset)
            return false;
        std::memcpy(buffer, bytes_.data() + offset, bytes);
        return true;
    }

private:
    std::vector<unsigned char> bytes_;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    std::vector<unsigned char> image(16 * 2048, 0);
    image.insert(image.end(), data, data + size);
    std::string why;
    const auto disc = OpenDiscImage(std::make_unique<MemoryImage>(std::move(image)), &why);
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
