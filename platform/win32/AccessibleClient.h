// The main window's client area for screen readers: an MSAA IAccessible
// whose children are the drawn buttons. oleacc.dll and oleaut32.dll are
// loaded from the system directory on first use; where they are missing
// (Windows 95 without the Active Accessibility add-on) the window simply
// answers WM_GETOBJECT as any window does.
#pragma once
#include <windows.h>

#include <oleacc.h>

#include "platform/AccessibleMenu.h"

namespace win32 {

// Posted by accDoDefaultAction so that the press runs from the message
// loop, not inside the screen reader's call; wParam is the button.
constexpr UINT kPressButtonMessage = WM_APP + 1;

class AccessibleClient;

// A client object with one reference, for the caller to give back with
// ReleaseAccessibleClient.
AccessibleClient* CreateAccessibleClient(HWND window, platform::AccessibleMenu& menu);

// WM_GETOBJECT's answer for OBJID_CLIENT; 0 where Windows cannot give one.
LRESULT AnswerGetObject(AccessibleClient* client, WPARAM flags);

// The object as screen readers see it, for the tests.
IAccessible* AsAccessible(AccessibleClient* client);

// When the window goes: later calls from screen readers that still hold the
// object are refused, and the last reference frees it.
void ReleaseAccessibleClient(AccessibleClient* client);

}  // namespace win32
