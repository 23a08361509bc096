#include "framework/SystemLibrary.h"

#include <cstring>


namespace {

// Every library this program asks for; one slot each, filled on first use.
struct LoadedLibrary {
    const char* name;
    HMODULE module;
};
LoadedLibrary loaded[8] = {};

}  // namespace

bool SystemLibraryPath(const char* fileName, char* buffer, unsigned size)
{
    const UINT length = GetSystemDirectoryA(buffer, size);
    if (length == 0 || length >= size)
        return false;
    const std::size_t nameLength = std::strlen(fileName);
    const bool separator = buffer[length - 1] != '\\';
    if (length + (separator ? 1 : 0) + nameLength + 1 > size)
        return false;
    char* end = buffer + length;
    if (separator)
        *end++ = '\\';
    std::memcpy(end, fileName, nameLength + 1);
    return true;
}

HMODULE LoadSystemLibrary(const char* fileName)
{
    char path[MAX_PATH];
    if (!SystemLibraryPath(fileName, path, sizeof path))
        return NULL;
    return LoadLibraryA(path);
}

FARPROC SystemFunctionAddress(const char* fileName, const char* functionName)
{
    for (LoadedLibrary& slot : loaded) {
        if (slot.name == nullptr) {
            const HMODULE module = LoadSystemLibrary(fileName);
            if (module == NULL)
                return nullptr;
            slot.name = fileName;
            slot.module = module;
        }
        if (lstrcmpiA(slot.name, fileName) == 0)
            return GetProcAddress(slot.module, functionName);
    }
    return nullptr;  // more libraries than slots: a fault of this program, not of Windows
}

void RestrictDllSearchToSystemDirectory()
{
    typedef BOOL(WINAPI * SetDefaultDllDirectoriesFunction)(DWORD);
    const DWORD kSearchSystem32 = 0x00000800;  // LOAD_LIBRARY_SEARCH_SYSTEM32
    const SetDefaultDllDirectoriesFunction restrict =
        SystemFunction<SetDefaultDllDirectoriesFunction>("kernel32.dll", "SetDefaultDllDirectories");
    if (restrict != nullptr)
        restrict(kSearchSystem32);
}

