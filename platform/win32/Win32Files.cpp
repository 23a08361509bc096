#include <cstdio>

#include "platform/win32/SystemFunction.h"
#include "platform/win32/Win32Platform.h"

namespace win32 {

bool Files::CanOpenForReading(const char* path)
{
    std::FILE* file = std::fopen(path, "rb");
    if (file == nullptr)
        return false;
    std::fclose(file);
    return true;
}

std::uint32_t Files::CurrentDirectory(char* buffer, std::uint32_t size)
{
    return GetCurrentDirectoryA(size, buffer);
}

bool Files::ChangeDirectory(const char* path)
{
    return SetCurrentDirectoryA(path) != FALSE;
}

std::uint32_t Files::WindowsDirectory(char* buffer, std::uint32_t size)
{
    return GetWindowsDirectoryA(buffer, size);
}

std::uint32_t Files::SystemDirectory(char* buffer, std::uint32_t size)
{
    return GetSystemDirectoryA(buffer, size);
}

std::uint32_t Files::ProgramDirectory(char* buffer, std::uint32_t size)
{
    char path[MAX_PATH];
    const DWORD length = GetModuleFileNameA(NULL, path, MAX_PATH);
    if (length == 0 || length >= MAX_PATH)
        return 0;  // cut short: no folder to trust
    DWORD folder = length;
    while (folder > 0 && path[folder - 1] != '\\' && path[folder - 1] != '/')
        --folder;
    // "C:\x.exe" -> "C:\", "C:\G\x.exe" -> "C:\G"
    if (folder > 1 && path[folder - 2] != ':')
        --folder;
    if (folder + 1 > size)
        return folder + 1;
    CopyMemory(buffer, path, folder);
    buffer[folder] = '\0';
    return folder;
}

std::string Files::PathVariable()
{
    const DWORD needed = GetEnvironmentVariableA("PATH", NULL, 0);
    if (needed == 0)
        return std::string();
    std::string value(needed, '\0');
    const DWORD length = GetEnvironmentVariableA("PATH", &value[0], needed);
    value.resize(length < needed ? length : 0);
    return value;
}

bool Files::CanonicalDirectory(const char* path, char* buffer, std::uint32_t size)
{
    char full[MAX_PATH];
    const DWORD fullLength = GetFullPathNameA(path, MAX_PATH, full, NULL);
    if (fullLength == 0 || fullLength >= MAX_PATH)
        return false;
    // GetLongPathNameA is missing from Windows 95 and NT 4.0. There the full
    // paths are compared as they are: a short and a long name of one folder
    // then cost one restart, which the restart mark keeps from repeating.
    typedef DWORD(WINAPI * GetLongPathNameFunction)(LPCSTR, LPSTR, DWORD);
    static const GetLongPathNameFunction getLongPathName =
        SystemFunction<GetLongPathNameFunction>("kernel32.dll", "GetLongPathNameA");
    DWORD length = 0;
    if (getLongPathName != nullptr) {
        length = getLongPathName(full, buffer, size);
    } else if (fullLength < size) {
        lstrcpyA(buffer, full);
        length = fullLength;
    }
    if (length == 0 || length >= size)
        return false;
    // "C:\Games\" and "C:\Games" name one directory; a root keeps its separator.
    if (length > 3 && (buffer[length - 1] == '\\' || buffer[length - 1] == '/'))
        buffer[length - 1] = '\0';
    return true;
}

}  // namespace win32
