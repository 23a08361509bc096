// A top-level frame window bound to its C++ object. The object is deleted
// when its window is destroyed; when it was the application's main window,
// the quit message follows.
#pragma once
#include <windows.h>

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
    virtual bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result);
    virtual void PostNcDestroy() { delete this; }
    // The system's processing of the message being handled.
    LRESULT Default();

private:
    static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT Handle(UINT message, WPARAM wParam, LPARAM lParam);

    // Inside Create: a window that dies there leaves the object to the
    // caller of Create, which learns of the failure and deletes it once.
    bool creating_ = false;
    UINT currentMessage_ = 0;
    WPARAM currentWParam_ = 0;
    LPARAM currentLParam_ = 0;
};
