#include "framework/Win32Handle.h"
#include "platform/win32/Win32Platform.h"

namespace win32 {

platform::Registry::ReadResult Registry::ReadLocalMachineValue(const char* keyName, const char* valueName,
                                                               char* buffer, std::uint32_t* size)
{
    HKEY opened = NULL;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, keyName, 0, KEY_QUERY_VALUE, &opened) != ERROR_SUCCESS)
        return ReadResult::KeyMissing;
    RegistryKey key(opened);
    DWORD bytes = *size;
    if (RegQueryValueExA(key.get(), valueName, NULL, NULL, reinterpret_cast<BYTE*>(buffer), &bytes) != ERROR_SUCCESS)
        return ReadResult::ValueUnreadable;
    *size = bytes;
    return ReadResult::Ok;
}

}  // namespace win32
