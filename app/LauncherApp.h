// The application object: creates the main window, closes it when asked,
// releases the single-instance mutex at the end.
#pragma once
#include "framework/CWinApp.h"

class LauncherApp : public CWinApp {
public:
    BOOL InitInstance() override;
    BOOL OnIdle(LONG idleCount) override;
    int ExitInstance() override;
};
