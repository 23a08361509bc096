#include "framework/CWinApp.h"

#include <cstring>

#include "framework/CFrameWnd.h"

namespace {
CWinApp* theApp = nullptr;
}

CWinApp::CWinApp()
{
    theApp = this;
}

CWinApp::~CWinApp()
{
    if (theApp == this)
        theApp = nullptr;
}

CWinApp* AfxGetApp()
{
    return theApp;
}

BOOL CWinApp::OnIdle(LONG)
{
    return FALSE;
}

void CWinApp::SetModule(HINSTANCE instance)
{
    char path[MAX_PATH] = {};
    const DWORD length = GetModuleFileNameA(instance, path, MAX_PATH);
    if (length == 0 || length >= MAX_PATH)
        return;
    const char* name = path;
    for (const char* p = path; *p != '\0'; ++p) {
        if (*p == '\\' || *p == '/' || *p == ':')
            name = p + 1;
    }
    std::memcpy(appName_, name, std::strlen(name) + 1);  // a tail of path, so it fits
    char* dot = std::strrchr(appName_, '.');
    if (dot != nullptr)
        *dot = '\0';
}

int CWinApp::Run()
{
    // Idle calls go on while OnIdle asks for them and the queue is empty;
    // after that the loop sleeps in GetMessage until something arrives.
    MSG msg;
    bool idle = true;
    LONG idleCount = 0;
    for (;;) {
        while (idle && !PeekMessageA(&msg, NULL, 0, 0, PM_NOREMOVE)) {
            if (!OnIdle(idleCount++))
                idle = false;
        }
        do {
            const BOOL got = GetMessageA(&msg, NULL, 0, 0);
            if (got == 0) {
                exitCode_ = static_cast<int>(msg.wParam);
                return ExitInstance();
            }
            if (got == -1)
                continue;
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
            idle = true;
            idleCount = 0;
        } while (PeekMessageA(&msg, NULL, 0, 0, PM_NOREMOVE));
    }
}

int AfxMessageBox(const char* text, UINT style)
{
    CWinApp* app = AfxGetApp();
    HWND owner = (app != nullptr && app->m_pMainWnd != nullptr) ? app->m_pMainWnd->m_hWnd : NULL;
    return MessageBoxA(owner, text, app != nullptr ? app->AppName() : "", style);
}

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int)
{
    CWinApp* app = AfxGetApp();
    if (app == nullptr)
        return 0;
    app->SetModule(instance);
    if (!app->InitInstance())
        return app->ExitInstance();
    return app->Run();
}
