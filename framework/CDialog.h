// A modal dialog built from a resource template, in the template's given
// language where the program has one (its default template otherwise). Its
// owner is the application's main window unless another parent is given; the
// system disables the owner while the dialog runs.
#pragma once
#include <windows.h>

class CDialog {
public:
    CDialog(UINT templateId, HWND parent, LANGID language = 0)
        : templateId_(templateId), parent_(parent), language_(language)
    {
    }
    virtual ~CDialog() = default;
    CDialog(const CDialog&) = delete;
    CDialog& operator=(const CDialog&) = delete;

    // IDOK, IDCANCEL, or -1 when the dialog could not be created.
    INT_PTR DoModal();
    void EndDialog(INT_PTR result);

    HWND m_hWnd = NULL;

protected:
    // Binds controls to members; runs at initialisation, before OnInitDialog.
    virtual void DoDataExchange() {}
    // FALSE when the handler has placed the focus itself.
    virtual BOOL OnInitDialog();
    virtual void OnOK() { EndDialog(IDOK); }
    virtual void OnCancel() { EndDialog(IDCANCEL); }

private:
    static INT_PTR CALLBACK DialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

    UINT templateId_;
    HWND parent_;
    LANGID language_;
};
