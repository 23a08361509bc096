// The Insert Disc dialog: the player names the drive that holds the disc.
#pragma once
#include "disc/DiscLocator.h"
#include "framework/CDialog.h"
#include "platform/win32/Win32Platform.h"

class InsertDiscDialog : public CDialog {
public:
    InsertDiscDialog(LauncherState& state, platform::Drives& drives, const LocalTexts& texts);

protected:
    void DoDataExchange() override;
    BOOL OnInitDialog() override;
    void OnOK() override;

private:
    LauncherState& state_;
    platform::Drives& drives_;
    const LocalTexts& texts_;
    HWND prompt_ = NULL;  // IDC_DISC_PROMPT
    HWND drive_ = NULL;   // IDC_DISC_DRIVE
};

// The system's dialogs with the Insert Disc dialog. Its warnings go through
// one of these owned by the dialog.
class SystemDialogs : public win32::Dialogs {
public:
    SystemDialogs(LauncherState& state, platform::Drives& drives, const LocalTexts& texts, HWND owner = NULL)
        : win32::Dialogs(owner), state_(state), drives_(drives), texts_(texts)
    {
    }
    platform::Answer RunInsertDiscDialog() override;

private:
    LauncherState& state_;
    platform::Drives& drives_;
    const LocalTexts& texts_;
};
