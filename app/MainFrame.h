// The main window: a borderless 644 by 456 frame whose whole face is drawn
// by the launcher window's code. Its constructor is the start-up.
#pragma once
#include "commands/Commands.h"
#include "framework/CFrameWnd.h"
#include "framework/MessageMap.h"
#include "image/DibImage.h"
#include "launcher/LauncherWindow.h"

class CMainFrame : public CFrameWnd {
public:
    CMainFrame();
    ~CMainFrame() override;

protected:
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) override;

private:
    LRESULT OnPaint(WPARAM, LPARAM);
    LRESULT OnKeyDown(WPARAM, LPARAM);
    LRESULT OnActivateApp(WPARAM, LPARAM);
    LRESULT OnMouseMove(WPARAM, LPARAM);
    LRESULT OnLButtonDown(WPARAM, LPARAM);
    LRESULT OnLButtonUp(WPARAM, LPARAM);
    LRESULT OnActivate(WPARAM, LPARAM);
    LRESULT OnEraseBkgnd(WPARAM, LPARAM);

    static const MessageEntry<CMainFrame> kMessageTable[8];

    DibImages images_;
    LauncherCommands commands_;
    LauncherWindow window_;
};
