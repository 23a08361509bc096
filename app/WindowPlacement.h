// The main window: 644 by 456 pixels, centred on the screen.
#pragma once
#include "platform/Types.h"

constexpr int kMainWindowWidth = 644;
constexpr int kMainWindowHeight = 456;

// Integer division truncates toward zero, so a screen narrower than the
// window gives a negative left edge.
platform::Rect MainWindowRect(int screenWidth, int screenHeight);
