// Modal boxes owned by the main window, string resources and the Insert Disc
// dialog.
#pragma once

namespace platform {

class Dialogs {
public:
    // MessageBoxA owned by the launcher's main window.
    virtual int ShowMessageBox(const char* text, const char* caption, unsigned style) = 0;

    // The framework's application message box: the caption is the
    // executable's file name without directory and extension.
    virtual int AppMessageBox(const char* text, unsigned style) = 0;

    // LoadStringA from the launcher's own string table.
    virtual int LoadResourceString(unsigned id, char* buffer, int size) = 0;

    // Runs the Insert Disc dialog modally; returns IDOK, IDCANCEL or -1 when
    // the dialog could not be shown.
    virtual int RunInsertDiscDialog() = 0;

protected:
    ~Dialogs() = default;
};

}  // namespace platform
