#include "framework/CDialog.h"

#include "framework/CFrameWnd.h"
#include "framework/CWinApp.h"

INT_PTR CDialog::DoModal()
{
    HWND owner = parent_;
    CWinApp* app = AfxGetApp();
    if (owner == NULL && app != nullptr && app->m_pMainWnd != nullptr)
        owner = app->m_pMainWnd->m_hWnd;
    HMODULE module = GetModuleHandleA(NULL);
    // DialogBoxParam would take the template of the thread's locale;
    // FindResourceEx takes the one asked for. Resources need no freeing.
    HRSRC found = language_ != 0 ? FindResourceExA(module, RT_DIALOG, MAKEINTRESOURCEA(templateId_), language_) : NULL;
    HGLOBAL loaded = found != NULL ? LoadResource(module, found) : NULL;
    const void* dialogTemplate = loaded != NULL ? LockResource(loaded) : nullptr;
    if (dialogTemplate != nullptr)
        return DialogBoxIndirectParamA(module, static_cast<LPCDLGTEMPLATEA>(dialogTemplate), owner,
                                       &CDialog::DialogProc, reinterpret_cast<LPARAM>(this));
    return DialogBoxParamA(module, MAKEINTRESOURCEA(templateId_), owner, &CDialog::DialogProc,
                           reinterpret_cast<LPARAM>(this));
}

void CDialog::EndDialog(INT_PTR result)
{
    ::EndDialog(m_hWnd, result);
}

BOOL CDialog::OnInitDialog()
{
    DoDataExchange();
    return TRUE;
}

INT_PTR CALLBACK CDialog::DialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_INITDIALOG) {
        CDialog* dialog = reinterpret_cast<CDialog*>(lParam);
        dialog->m_hWnd = window;
        SetWindowLongPtrA(window, DWLP_USER, lParam);
    }
    CDialog* dialog = reinterpret_cast<CDialog*>(GetWindowLongPtrA(window, DWLP_USER));
    if (dialog == nullptr)
        return FALSE;
    try {
        switch (message) {
        case WM_INITDIALOG:
            return dialog->OnInitDialog();
        case WM_COMMAND:
            if (LOWORD(wParam) == IDOK) {
                dialog->OnOK();
                return TRUE;
            }
            if (LOWORD(wParam) == IDCANCEL) {
                dialog->OnCancel();
                return TRUE;
            }
            return FALSE;
        case WM_NCDESTROY:
            dialog->m_hWnd = NULL;
            return FALSE;
        default:
            return FALSE;
        }
    } catch (...) {
        return FALSE;
    }
}
