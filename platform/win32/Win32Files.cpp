#include <cstdio>

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

bool Files::CanonicalDirectory(const char* path, char* buffer, std::uint32_t size)
{
    char full[MAX_PATH];
    const DWORD fullLength = GetFullPathNameA(path, MAX_PATH, full, NULL);
    if (fullLength == 0 || fullLength >= MAX_PATH)
        return false;
    const DWORD length = GetLongPathNameA(full, buffer, size);
    if (length == 0 || length >= size)
        return false;
    // "C:\Games\" and "C:\Games" name one directory; a root keeps its separator.
    if (length > 3 && (buffer[length - 1] == '\\' || buffer[length - 1] == '/'))
        buffer[length - 1] = '\0';
    return true;
}

}  // namespace win32
