#include "platform/win32/Win32Platform.h"

namespace win32 {

platform::MutexHandle Instances::CreateNamedMutex(const char* name, bool* alreadyExists)
{
    const HANDLE mutex = CreateMutexA(NULL, TRUE, name);
    *alreadyExists = GetLastError() == ERROR_ALREADY_EXISTS;
    return platform::MutexHandle(reinterpret_cast<std::uintptr_t>(mutex));
}

void Instances::CloseMutex(platform::MutexHandle mutex)
{
    CloseHandle(reinterpret_cast<HANDLE>(mutex.value()));
}

platform::WindowHandle Instances::FindTopLevelWindow(const char* title)
{
    return platform::WindowHandle(reinterpret_cast<std::uintptr_t>(FindWindowA(NULL, title)));
}

platform::WindowHandle Instances::GetLastActivePopup(platform::WindowHandle window)
{
    return platform::WindowHandle(reinterpret_cast<std::uintptr_t>(::GetLastActivePopup(reinterpret_cast<HWND>(window.value()))));
}

bool Instances::IsMinimized(platform::WindowHandle window)
{
    return IsIconic(reinterpret_cast<HWND>(window.value())) != FALSE;
}

void Instances::Restore(platform::WindowHandle window)
{
    ShowWindow(reinterpret_cast<HWND>(window.value()), SW_RESTORE);
}

void Instances::BringToForeground(platform::WindowHandle window)
{
    SetForegroundWindow(reinterpret_cast<HWND>(window.value()));
}

}  // namespace win32
