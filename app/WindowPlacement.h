// The main window: 644 by 456 pixels, centred on the screen.
#pragma once
#include "platform/Types.h"

// Not 640 by 452, the background's size: the frame window's sunken client
// edge (WS_EX_CLIENTEDGE) takes two pixels on each side, and the client
// area inside it is what the background fills.
constexpr int kMainWindowWidth = 644;
constexpr int kMainWindowHeight = 456;

// Integer division truncates toward zero, so a screen narrower than the
// window gives a negative left edge.
platform::Rect MainWindowRect(int screenWidth, int screenHeight);
