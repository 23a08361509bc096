// Files and directories: the process-wide current directory, the folders
// where Windows looks for programs, and the "can this file be read" test.
#pragma once
#include <cstdint>
#include <string>

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

    // Same contract as GetWindowsDirectoryA, and as GetSystemDirectoryA.
    virtual std::uint32_t WindowsDirectory(char* buffer, std::uint32_t size) = 0;
    virtual std::uint32_t SystemDirectory(char* buffer, std::uint32_t size) = 0;

    // The folder of the running program's file (GetModuleFileNameA without
    // the name), with the contract of the calls above.
    virtual std::uint32_t ProgramDirectory(char* buffer, std::uint32_t size) = 0;

    // The PATH environment variable, "" when there is none.
    virtual std::string PathVariable() = 0;

    // The full, long form of a directory path, without a trailing separator
    // (except at a drive root). Returns false when the system cannot say.
    virtual bool CanonicalDirectory(const char* path, char* buffer, std::uint32_t size) = 0;

protected:
    ~Files() = default;
};

}  // namespace platform
