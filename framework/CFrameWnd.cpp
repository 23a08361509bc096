#include "framework/CFrameWnd.h"

#include "framework/CWinApp.h"

namespace {

bool RegisterFrameClass(HINSTANCE instance, WNDPROC procedure)
{
    WNDCLASSA existing;
    if (GetClassInfoA(instance, CFrameWnd::ClassName(), &existing))
        return true;
    WNDCLASSA windowClass = {};
    windowClass.style = CS_DBLCLKS | CS_HREDRAW | CS_VREDRAW;
    windowClass.lpfnWndProc = procedure;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursorA(NULL, reinterpret_cast<LPCSTR>(IDC_ARROW));
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    windowClass.lpszClassName = CFrameWnd::ClassName();
    return RegisterClassA(&windowClass) != 0;
}

}  // namespace

CFrameWnd::~CFrameWnd()
{
    if (m_hWnd != NULL) {
        // Deleted while its window still exists: unbind first, so that the
        // messages of the destruction find no object.
        SetWindowLongPtrA(m_hWnd, GWLP_USERDATA, 0);
        ::DestroyWindow(m_hWnd);
    }
}

BOOL CFrameWnd::Create(const char* title, DWORD style, const RECT& rect)
{
    HINSTANCE instance = GetModuleHandleA(NULL);
    if (!RegisterFrameClass(instance, &CFrameWnd::WindowProc))
        return FALSE;
    creating_ = true;
    const HWND window = CreateWindowExA(WS_EX_CLIENTEDGE, ClassName(), title, style, rect.left, rect.top,
                                        rect.right - rect.left, rect.bottom - rect.top, NULL, NULL, instance, this);
    creating_ = false;
    return window != NULL;
}

BOOL CFrameWnd::DestroyWindow()
{
    return m_hWnd != NULL ? ::DestroyWindow(m_hWnd) : FALSE;
}

bool CFrameWnd::OnMessage(const Message&, LRESULT*)
{
    return false;
}

LRESULT CALLBACK CFrameWnd::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_NCCREATE) {
        const CREATESTRUCTA* create = reinterpret_cast<const CREATESTRUCTA*>(lParam);
        CFrameWnd* frame = static_cast<CFrameWnd*>(create->lpCreateParams);
        frame->m_hWnd = window;
        SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(frame));
    }
    CFrameWnd* frame = reinterpret_cast<CFrameWnd*>(GetWindowLongPtrA(window, GWLP_USERDATA));
    if (frame == nullptr)
        return DefWindowProcA(window, message, wParam, lParam);

    if (message == WM_NCDESTROY) {
        SetWindowLongPtrA(window, GWLP_USERDATA, 0);
        frame->m_hWnd = NULL;
        CWinApp* app = AfxGetApp();
        const bool mainWindow = app != nullptr && app->m_pMainWnd == frame;
        if (mainWindow)
            app->m_pMainWnd = nullptr;
        if (!frame->creating_)
            frame->PostNcDestroy();
        if (mainWindow)
            PostQuitMessage(0);
        return DefWindowProcA(window, message, wParam, lParam);
    }

    // No exception may unwind through the system's code that called us.
    try {
        LRESULT result = 0;
        if (frame->OnMessage(Message{message, wParam, lParam}, &result))
            return result;
        return DefWindowProcA(window, message, wParam, lParam);
    } catch (...) {
        return DefWindowProcA(window, message, wParam, lParam);
    }
}
