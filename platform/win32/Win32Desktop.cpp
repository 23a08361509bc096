#include "platform/win32/Win32Platform.h"

namespace win32 {

platform::MutexHandle Desktop::CreateNamedMutex(const char* name, bool* alreadyExists)
{
    const HANDLE mutex = CreateMutexA(NULL, TRUE, name);
    *alreadyExists = GetLastError() == ERROR_ALREADY_EXISTS;
    return platform::MutexHandle(reinterpret_cast<std::uintptr_t>(mutex));
}

void Desktop::CloseMutex(platform::MutexHandle mutex)
{
    CloseHandle(reinterpret_cast<HANDLE>(mutex.value()));
}

platform::WindowHandle Desktop::FindTopLevelWindow(const char* title)
{
    return platform::WindowHandle(reinterpret_cast<std::uintptr_t>(FindWindowA(NULL, title)));
}

platform::WindowHandle Desktop::GetLastActivePopup(platform::WindowHandle window)
{
    return platform::WindowHandle(reinterpret_cast<std::uintptr_t>(::GetLastActivePopup(reinterpret_cast<HWND>(window.value()))));
}

bool Desktop::IsMinimized(platform::WindowHandle window)
{
    return IsIconic(reinterpret_cast<HWND>(window.value())) != FALSE;
}

void Desktop::Restore(platform::WindowHandle window)
{
    ShowWindow(reinterpret_cast<HWND>(window.value()), SW_RESTORE);
}

void Desktop::BringToForeground(platform::WindowHandle window)
{
    SetForegroundWindow(reinterpret_cast<HWND>(window.value()));
}

int Desktop::ScreenWidth()
{
    return GetSystemMetrics(SM_CXSCREEN);
}

int Desktop::ScreenHeight()
{
    return GetSystemMetrics(SM_CYSCREEN);
}

bool Desktop::GetVersion(std::uint32_t recordSize, platform::VersionInfo* info)
{
    OSVERSIONINFOEXA version = {};
    version.dwOSVersionInfoSize = recordSize;
    if (!GetVersionExA(reinterpret_cast<OSVERSIONINFOA*>(&version)))
        return false;
    info->platformId = version.dwPlatformId;
    info->majorVersion = version.dwMajorVersion;
    info->minorVersion = version.dwMinorVersion;
    return true;
}

bool Desktop::HasEnvironmentVariable(const char* name)
{
    char value[4];
    return GetEnvironmentVariableA(name, value, sizeof value) != 0;
}

void Desktop::SetEnvironmentText(const char* name, const char* value)
{
    SetEnvironmentVariableA(name, value);
}

}  // namespace win32
