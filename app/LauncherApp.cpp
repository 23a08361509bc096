#include "app/LauncherApp.h"

#include "core/LauncherState.h"
#include "app/MainFrame.h"
#include "startup/SingleInstance.h"
#include "app/LauncherPlatform.h"
#include "platform/win32/SystemFunction.h"

namespace {
LauncherApp theLauncherApp;
}

BOOL LauncherApp::InitInstance()
{
    // Before anything loads a library.
    win32::TheSystemLibraries().RestrictSearch();
    CMainFrame* frame = new CMainFrame();
    if (frame->m_hWnd == NULL) {
        // Without its window the launcher could never be closed and would
        // hold the single-instance mutex for good.
        delete frame;
        return FALSE;
    }
    m_pMainWnd = frame;
    ShowWindow(frame->m_hWnd, SW_SHOW);
    UpdateWindow(frame->m_hWnd);
    return TRUE;
}

BOOL LauncherApp::OnIdle(LONG)
{
    // Closing happens only here, never from inside a handler. Returning
    // FALSE lets the loop sleep until the next message instead of spinning.
    if (TheLauncherState().quitPending && m_pMainWnd != nullptr)
        m_pMainWnd->DestroyWindow();
    return FALSE;
}

int LauncherApp::ExitInstance()
{
    ReleaseInstanceMutex(TheLauncherState(), ThePlatform().instances);
    return CWinApp::ExitInstance();
}
