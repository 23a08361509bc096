// A whole file read into one block of memory that the caller owns.
#pragma once
#include <cstddef>
#include <cstdint>
#include <memory>

namespace platform {

struct WholeFile {
    enum class Outcome {
        Read,        // received says how much of length arrived
        NotOpened,   // missing, or held open for writing by another program
        ReadFailed,  // the system reported an error while reading
        NoMemory,    // no block of length + padding bytes could be had
    };
    Outcome outcome = Outcome::NotOpened;
    std::unique_ptr<std::uint8_t[]> bytes;  // length + padding bytes, zero-filled before the read
    std::uint64_t length = 0;               // the file's length when it was opened
    std::uint64_t received = 0;             // fewer than length when the file shrank meanwhile
};

class WholeFileReader {
public:
    // Opens for reading while others may read but not write the file
    // (CreateFileA with GENERIC_READ, FILE_SHARE_READ and OPEN_EXISTING) and
    // reads it in one go. The padding bytes after the file stay zero.
    virtual WholeFile ReadWholeFile(const char* path, std::size_t padding) = 0;

protected:
    ~WholeFileReader() = default;
};

}  // namespace platform
