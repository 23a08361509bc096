// Opening a bitmap file for reading while others may read but not write it
// (CreateFileA with GENERIC_READ, FILE_SHARE_READ and OPEN_EXISTING).
#pragma once
#include <cstdint>
#include <memory>

namespace platform {

class ReadableFile {
public:
    virtual ~ReadableFile() = default;
    virtual std::uint64_t Length() = 0;
    // False on a read error of the system; *received may then be anything.
    virtual bool Read(void* buffer, std::uint32_t bytes, std::uint32_t* received) = 0;
};

class BitmapFiles {
public:
    virtual std::unique_ptr<ReadableFile> OpenShareDenyWrite(const char* path) = 0;

protected:
    ~BitmapFiles() = default;
};

}  // namespace platform
