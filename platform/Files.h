// Files and directories: the process-wide current directory, the Windows
// directory, and the "can this file be read" test.
#pragma once
#include <cstdint>

namespace platform {

class Files {
public:
    // True when the file opens for reading in binary mode (the C runtime's
    // fopen with "rb"); it is closed again at once.
    virtual bool CanOpenForReading(const char* path) = 0;

    // Same contract as GetCurrentDirectoryA: the length without the
    // terminator on success, the size needed (terminator included) when the
    // buffer is too small, 0 on failure.
    virtual std::uint32_t CurrentDirectory(char* buffer, std::uint32_t size) = 0;
    virtual bool ChangeDirectory(const char* path) = 0;

    // Same contract as GetWindowsDirectoryA.
    virtual std::uint32_t WindowsDirectory(char* buffer, std::uint32_t size) = 0;

    // The full, long form of a directory path, without a trailing separator
    // (except at a drive root). Returns false when the system cannot say.
    virtual bool CanonicalDirectory(const char* path, char* buffer, std::uint32_t size) = 0;

protected:
    ~Files() = default;
};

}  // namespace platform
