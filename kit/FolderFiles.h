// A disc folder as the launcher reads its files: paths as the launcher
// writes them ("bitmaps\\8b1u.bmp"), found as Windows finds them on the
// mastered disc, and read no further than the largest picture can be.
#pragma once
#include <memory>
#include <string>

#include "DiscTree.h"
#include "platform/WholeFile.h"

class FolderFiles : public platform::WholeFileReader {
public:
    explicit FolderFiles(const std::string& root) : disc_(OpenDiscFolder(root, "")) {}
    // A file that is missing, a link, a device or too large is not opened,
    // and said on standard error.
    platform::WholeFile ReadWholeFile(const char* path, std::size_t padding) override;
    bool HasFile(const char* path) const { return disc_->Find(path).kind == DiscEntry::Kind::File; }
    bool HasFolder(const char* path) const { return disc_->Find(path).kind == DiscEntry::Kind::Folder; }

private:
    std::unique_ptr<DiscTree> disc_;
};
