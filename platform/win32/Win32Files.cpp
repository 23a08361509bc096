#include <cstdio>

#include "framework/SystemLibrary.h"
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
