// The application object: one per process, constructed before WinMain runs.
#pragma once
#include <windows.h>

class CFrameWnd;

class CWinApp {
public:
    CWinApp();
    virtual ~CWinApp();
    CWinApp(const CWinApp&) = delete;
    CWinApp& operator=(const CWinApp&) = delete;

    virtual BOOL InitInstance() { return TRUE; }
    // Called while the message queue is empty; TRUE asks for another call
    // before the loop waits for the next message.
    virtual BOOL OnIdle(LONG idleCount);
    virtual int ExitInstance() { return exitCode_; }

    int Run();

    CFrameWnd* m_pMainWnd = nullptr;

    // The executable's file name without directory and extension.
    const char* AppName() const { return appName_; }
    void SetModule(HINSTANCE instance);

private:
    char appName_[MAX_PATH] = {};
    int exitCode_ = 0;
};

CWinApp* AfxGetApp();
// A message box owned by the main window, with the application's name as caption.
int AfxMessageBox(const char* text, UINT style);
