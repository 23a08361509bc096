// The system libraries the launcher loads at run time (WINMM, SHELL32, OLE32,
// DirectX), always by full path from the system directory, and what they
// import in turn from there too: Windows looks for a bare DLL name in the
// program's own folder first, and a folder the launcher runs from may hold
// anything. Portable: the loader underneath does the system's part.
#pragma once
#include <cstdint>

#include "platform/Types.h"

namespace platform {

class LibraryLoader {
public:
    // Same contract as GetSystemDirectoryA.
    virtual std::uint32_t SystemDirectory(char* buffer, std::uint32_t size) = 0;
    virtual ModuleHandle LoadModule(const char* path, std::uint32_t flags) = 0;  // LoadLibraryExA
    virtual Procedure FindExport(ModuleHandle module, const char* name) = 0;   // GetProcAddress
    // SetDefaultDllDirectories and SetDllDirectoryA, looked up at run time;
    // false when this Windows lacks the function (or it failed).
    virtual bool SetDefaultDllSearch(std::uint32_t directories) = 0;
    virtual bool SetDllSearchDirectory(const char* path) = 0;

protected:
    ~LibraryLoader() = default;
};

class SystemLibraries {
public:
    explicit SystemLibraries(LibraryLoader& loader) : loader_(loader) {}

    // Once, at start-up: the DLL search of the whole process without the
    // current directory, and, where Windows can (8 and later, Vista and 7
    // with KB2533623), limited to the system directory.
    void RestrictSearch();

    // A library from the system directory, or none; the caller frees it.
    ModuleHandle Load(const char* fileName);

    // An entry point of a library from the system directory, or none when
    // the library or the function is missing. The library is loaded on
    // first use and kept, as a static import would be; this program spells
    // each library's name one way.
    Procedure Function(const char* fileName, const char* functionName);

private:
    LibraryLoader& loader_;
    bool searchLimited_ = false;
    struct Loaded {
        const char* fileName;
        ModuleHandle module;
    };
    Loaded loaded_[8] = {};
};

}  // namespace platform
