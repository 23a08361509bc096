// The main window: a 644 by 456 frame without caption or border, whose
// whole face is drawn by the launcher window's code. Its constructor is the
// start-up.
#pragma once
#include "commands/Commands.h"
#include "framework/CFrameWnd.h"
#include "framework/MessageMap.h"
#include "image/DibImage.h"
#include "launcher/LauncherWindow.h"
#include "platform/win32/AccessibleClient.h"

class CMainFrame : public CFrameWnd {
public:
    CMainFrame();
    ~CMainFrame() override;

protected:
    bool OnMessage(const Message& message, LRESULT* result) override;

private:
    LRESULT OnPaint(const Message&);
    LRESULT OnKeyDown(unsigned virtualKey, const Message&);
    LRESULT OnActivateApp(bool active, const Message&);
    LRESULT OnMouseMove(int x, int y, const Message&);
    LRESULT OnLButtonDown(const Message&);
    LRESULT OnLButtonUp(const Message&);
    LRESULT OnActivate(const Message&);
    LRESULT OnEraseBkgnd(const Message&);
    LRESULT OnGetObject(const Message&);
    LRESULT OnPressButton(const Message&);

    static const MessageEntry<CMainFrame> kMessageTable[];  // sized by its definition

    DibImages images_;
    LauncherCommands commands_;
    RowCommands rowCommands_{commands_};
    LauncherWindow window_;
    win32::AccessibleClient* accessible_ = nullptr;  // made when a screen reader first asks
};
