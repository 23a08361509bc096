// The Insert Disc dialog: the player names the drive that holds the disc.
#pragma once
#include "framework/CDialog.h"

struct LauncherState;
namespace platform {
class Drives;
}  // namespace platform

class InsertDiscDialog : public CDialog {
public:
    InsertDiscDialog(LauncherState& state, platform::Drives& drives);

protected:
    void DoDataExchange() override;
    BOOL OnInitDialog() override;
    void OnOK() override;
    void OnCancel() override { EndDialog(IDCANCEL); }

private:
    LauncherState& state_;
    platform::Drives& drives_;
    HWND prompt_ = NULL;  // IDC_DISC_PROMPT
    HWND drive_ = NULL;   // IDC_DISC_DRIVE
};
