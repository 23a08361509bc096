#include "framework/CWinApp.h"
#include "platform/win32/Win32Platform.h"

namespace win32 {

int Dialogs::ShowMessageBox(const char* text, const char* caption, unsigned style)
{
    return MessageBoxA(owner_, text, caption, style);
}

int Dialogs::AppMessageBox(const char* text, unsigned style)
{
    return AfxMessageBox(text, style);
}

int Dialogs::LoadResourceString(unsigned id, char* buffer, int size)
{
    return LoadStringA(GetModuleHandleA(NULL), id, buffer, size);
}

}  // namespace win32
