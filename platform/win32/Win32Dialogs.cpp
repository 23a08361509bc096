#include "framework/CWinApp.h"
#include "platform/win32/Win32Platform.h"

namespace win32 {

namespace {

UINT StyleOf(platform::MessageKind kind)
{
    switch (kind) {
    case platform::MessageKind::Warning:
        return MB_OK | MB_ICONEXCLAMATION;
    case platform::MessageKind::Error:
        return MB_OK | MB_ICONHAND;
    case platform::MessageKind::Information:
        return MB_OK | MB_ICONINFORMATION;
    case platform::MessageKind::YesNoQuestion:
        return MB_YESNO | MB_ICONQUESTION;
    }
    return MB_OK;
}

}  // namespace

platform::Answer AnswerOf(INT_PTR result)
{
    switch (result) {
    case IDOK:
        return platform::Answer::Ok;
    case IDCANCEL:
        return platform::Answer::Cancel;
    case IDYES:
        return platform::Answer::Yes;
    case IDNO:
        return platform::Answer::No;
    default:
        return platform::Answer::NotShown;
    }
}

platform::Answer Dialogs::ShowMessageBox(const char* text, const char* caption, platform::MessageKind kind)
{
    return AnswerOf(MessageBoxA(owner_, text, caption, StyleOf(kind)));
}

platform::Answer Dialogs::AppMessageBox(const char* text, platform::MessageKind kind)
{
    return AnswerOf(AfxMessageBox(text, StyleOf(kind)));
}

}  // namespace win32
