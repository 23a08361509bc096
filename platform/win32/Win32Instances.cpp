#include "platform/win32/Win32Platform.h"

namespace win32 {

platform::MutexHandle Instances::CreateNamedMutex(const char* name, bool* alreadyExists)
{
    const HANDLE mutex = CreateMutexA(NULL, TRUE, name);
    *alreadyExists = GetLastError() == ERROR_ALREADY_EXISTS;
    return Wrap<platform::MutexHandle>(mutex);
}

void Instances::CloseMutex(platform::MutexHandle mutex)
{
    CloseHandle(Unwrap<HANDLE>(mutex));
}

platform::WindowHandle Instances::FindTopLevelWindow(const char* title)
{
    return Wrap<platform::WindowHandle>(FindWindowA(NULL, title));
}

platform::WindowHandle Instances::GetLastActivePopup(platform::WindowHandle window)
{
    return Wrap<platform::WindowHandle>(::GetLastActivePopup(Unwrap<HWND>(window)));
}

bool Instances::IsMinimized(platform::WindowHandle window)
{
    return IsIconic(Unwrap<HWND>(window)) != FALSE;
}

void Instances::Restore(platform::WindowHandle window)
{
    ShowWindow(Unwrap<HWND>(window), SW_RESTORE);
}

void Instances::BringToForeground(platform::WindowHandle window)
{
    SetForegroundWindow(Unwrap<HWND>(window));
}

}  // namespace win32
