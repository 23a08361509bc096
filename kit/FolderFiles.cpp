#include "FolderFiles.h"

#include <algorithm>
#include <cstdio>
#include <vector>

#include "DiscPictures.h"
#include "launcher/ButtonTable.h"

platform::WholeFile FolderFiles::ReadWholeFile(const char* path, std::size_t padding)
{
    platform::WholeFile whole;
    const DiscEntry entry = disc_->Find(path);
    std::vector<unsigned char> bytes;
    std::string why = "missing";
    if (entry.kind == DiscEntry::Kind::File &&
        disc_->Read(entry, PictureSizeCap(kBackgroundWidth, kBackgroundHeight), &bytes, &why)) {
        whole.length = whole.received = bytes.size();
        whole.bytes.reset(new std::uint8_t[bytes.size() + padding]());
        std::copy(bytes.begin(), bytes.end(), whole.bytes.get());
        whole.outcome = platform::WholeFile::Outcome::Read;
    } else if (entry.kind != DiscEntry::Kind::Missing) {
        std::fprintf(stderr, "%s: not drawn: %s\n", path, entry.kind == DiscEntry::Kind::File ? why.c_str() : "not a regular file");
    }
    return whole;
}
