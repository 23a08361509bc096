// Modal boxes owned by the main window and the Insert Disc dialog.
#pragma once

namespace platform {

// What a message box offers and the icon it shows: OK under a warning, an
// error or a notice, or Yes and No under a question.
enum class MessageKind { Warning, Error, Information, YesNoQuestion };

// How a box or dialog ended. NotShown: the system could not show it.
enum class Answer { Ok, Cancel, Yes, No, NotShown };

class Dialogs {
public:
    // MessageBoxA owned by the launcher's main window.
    virtual Answer ShowMessageBox(const char* text, const char* caption, MessageKind kind) = 0;

    // The framework's application message box: the caption is the
    // executable's file name without directory and extension.
    virtual Answer AppMessageBox(const char* text, MessageKind kind) = 0;

    // Runs the Insert Disc dialog modally: Ok, Cancel or NotShown.
    virtual Answer RunInsertDiscDialog() = 0;

protected:
    ~Dialogs() = default;
};

}  // namespace platform
