// The main window: 644 by 456 pixels, centred on the screen.
#pragma once
#include "launcher/ButtonTable.h"
#include "platform/Types.h"

// Not the background's size: the frame window's sunken client edge
// (WS_EX_CLIENTEDGE) takes two pixels on each side, and the client area
// inside it is what the background fills.
constexpr int kClientEdge = 2;
constexpr int kMainWindowWidth = kBackgroundWidth + 2 * kClientEdge;
constexpr int kMainWindowHeight = kBackgroundHeight + 2 * kClientEdge;

// Integer division truncates toward zero, so a screen narrower than the
// window gives a negative left edge.
platform::Rect MainWindowRect(int screenWidth, int screenHeight);
