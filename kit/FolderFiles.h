// A disc folder as the launcher reads its files: paths as the launcher
// writes them ("bitmaps\\8b1u.bmp"), below a folder of the build machine.
#pragma once
#include <string>

#include "platform/WholeFile.h"

class FolderFiles : public platform::WholeFileReader {
public:
    explicit FolderFiles(std::string root) : root_(std::move(root)) {}
    platform::WholeFile ReadWholeFile(const char* path, std::size_t padding) override;
    std::string HostPath(const std::string& path) const;

private:
    std::string root_;
};
