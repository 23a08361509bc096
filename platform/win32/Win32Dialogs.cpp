#include "app/LauncherState.h"
#include "disc/InsertDiscDialog.h"
#include "framework/CWinApp.h"
#include "platform/win32/Win32Platform.h"

namespace win32 {

int Dialogs::ShowMessageBox(const char* text, const char* caption, unsigned style)
{
    const HWND owner = owner_ != NULL ? owner_ : reinterpret_cast<HWND>(TheLauncherState().mainWindow);
    return MessageBoxA(owner, text, caption, style);
}

int Dialogs::AppMessageBox(const char* text, unsigned style)
{
    return AfxMessageBox(text, style);
}

int Dialogs::LoadResourceString(unsigned id, char* buffer, int size)
{
    return LoadStringA(GetModuleHandleA(NULL), id, buffer, size);
}

int Dialogs::RunInsertDiscDialog()
{
    InsertDiscDialog dialog(TheLauncherState(), ThePlatform().drives);
    return static_cast<int>(dialog.DoModal());
}

Win32Platform& ThePlatform()
{
    static Win32Platform platform;
    return platform;
}

}  // namespace win32
