#include "launcher/WindowPlacement.h"

platform::Rect MainWindowRect(int screenWidth, int screenHeight)
{
    const int left = (screenWidth - kMainWindowWidth) / 2;
    const int top = (screenHeight - kMainWindowHeight) / 2;
    return platform::Rect{left, top, left + kMainWindowWidth, top + kMainWindowHeight};
}
