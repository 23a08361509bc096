#include "disc/win32/InsertDiscDialog.h"

#include "core/LocalTexts.h"
#include "disc/DiscLocator.h"
#include "resources/resource.h"

InsertDiscDialog::InsertDiscDialog(LauncherState& state, platform::Drives& drives, const LocalTexts& texts)
    : CDialog(IDD_INSERT_DISC, NULL, texts.language().id), state_(state), drives_(drives), texts_(texts)
{
}

void InsertDiscDialog::DoDataExchange()
{
    prompt_ = GetDlgItem(m_hWnd, IDC_DISC_PROMPT);
    drive_ = GetDlgItem(m_hWnd, IDC_DISC_DRIVE);
}

BOOL InsertDiscDialog::OnInitDialog()
{
    CDialog::OnInitDialog();
    InsertDiscTexts texts;
    InitInsertDiscTexts(drives_, texts_, &texts);
    SetWindowTextA(prompt_, texts.prompt.c_str());
    SetWindowTextA(drive_, texts.drive);
    // Select the whole drive text, so that typing replaces it.
    SetFocus(drive_);
    const DWORD selection = static_cast<DWORD>(SendMessageA(drive_, EM_GETSEL, 0, 0));
    SendMessageA(drive_, EM_SETSEL, HIWORD(selection), -1);
    SendMessageA(drive_, EM_SCROLLCARET, 0, 0);
    return FALSE;
}

void InsertDiscDialog::OnOK()
{
    // A limit of 3 gives at most the letter and the colon.
    char typed[3] = {};
    GetWindowTextA(drive_, typed, sizeof typed);
    // The warnings belong to the dialog: while one is up, the dialog's OK
    // and Cancel cannot be pressed again, nor the main window's buttons.
    SystemDialogs warnings(state_, drives_, texts_, m_hWnd);
    EndDialog(ConfirmInsertDisc(state_, drives_, warnings, texts_, typed) ? IDOK : IDCANCEL);
}

platform::Answer SystemDialogs::RunInsertDiscDialog()
{
    InsertDiscDialog dialog(state_, drives_, texts_);
    return win32::AnswerOf(dialog.DoModal());
}
