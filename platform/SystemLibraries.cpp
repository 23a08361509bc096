#include "platform/SystemLibraries.h"

#include <cstring>

#include "platform/Win32Values.h"
#include "base/TextSizes.h"

namespace platform {

void SystemLibraries::RestrictSearch()
{
    searchLimited_ = loader_.SetDefaultDllSearch(win32values::kSearchSystem32);
    // Where the search cannot be limited (XP SP1 to 7 without the update),
    // this at least takes the current directory out of it.
    loader_.SetDllSearchDirectory("");
}

ModuleHandle SystemLibraries::Load(const char* fileName)
{
    char path[kPathSize];
    const std::uint32_t length = loader_.SystemDirectory(path, sizeof path);
    if (length == 0 || length >= sizeof path)
        return ModuleHandle();
    const bool separator = path[length - 1] != '\\';
    const std::size_t nameLength = std::strlen(fileName);
    if (length + (separator ? 1 : 0) + nameLength + 1 > sizeof path)
        return ModuleHandle();
    char* end = path + length;
    if (separator)
        *end++ = '\\';
    std::memcpy(end, fileName, nameLength + 1);
    // The library's own imports from its folder, the system directory: by
    // the limited search where there is one, else by the altered search path
    // (95 to 7), which starts at the folder of the DLL instead of the
    // launcher's.
    return loader_.LoadModule(path, searchLimited_ ? win32values::kSearchDllLoadDir | win32values::kSearchSystem32
                                                      : win32values::kLoadWithAlteredSearchPath);
}

Procedure SystemLibraries::Function(const char* fileName, const char* functionName)
{
    for (Loaded& slot : loaded_) {
        if (slot.fileName == nullptr) {
            const ModuleHandle module = Load(fileName);
            if (!module)
                return Procedure();
            slot = Loaded{fileName, module};
        }
        if (std::strcmp(slot.fileName, fileName) == 0)
            return loader_.FindExport(slot.module, functionName);
    }
    return Procedure();  // more libraries than slots: a fault of this program, not of Windows
}

}  // namespace platform
