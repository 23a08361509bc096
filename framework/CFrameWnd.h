// A top-level frame window bound to its C++ object. The object is deleted
// when its window is destroyed; when it was the application's main window,
// the quit message follows.
#pragma once
#include <windows.h>

#include "framework/MessageMap.h"

class CFrameWnd {
public:
    CFrameWnd() = default;
    virtual ~CFrameWnd();
    CFrameWnd(const CFrameWnd&) = delete;
    CFrameWnd& operator=(const CFrameWnd&) = delete;

    // CreateWindowExA with WS_EX_CLIENTEDGE on the framework's frame class.
    BOOL Create(const char* title, DWORD style, const RECT& rect);
    BOOL DestroyWindow();

    HWND m_hWnd = NULL;

    static const char* ClassName() { return "IronmarchFrame"; }

protected:
    // The derived class looks the message up in its table.
    virtual bool OnMessage(const Message& message, LRESULT* result);
    virtual void PostNcDestroy() { delete this; }
    // The system's processing of a message.
    LRESULT Default(const Message& message) { return DefWindowProcA(m_hWnd, message.id, message.wParam, message.lParam); }

private:
    static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

    // Inside Create: a window that dies there leaves the object to the
    // caller of Create, which learns of the failure and deletes it once.
    bool creating_ = false;
};
