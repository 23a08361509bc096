// The launcher's drawn buttons as a screen reader sees them: the children of
// the window's client object, 1 and up in reading order.
#pragma once
#include "platform/Types.h"

namespace platform {

struct AccessibleChild {
    const char* name;
    Rect place;  // client coordinates: the points from left and top to right and bottom, those excluded
    bool focused;
    bool unavailable;
    int button;  // what pressing it presses, whatever the layout is by the time the press arrives
};

class AccessibleMenu {
public:
    virtual int ChildCount() = 0;
    virtual AccessibleChild Child(int child) = 0;  // 1 to ChildCount()
    virtual int FocusedChild() = 0;                // 0: none
    virtual int ChildAt(int x, int y) = 0;         // a client point; 0: none

protected:
    ~AccessibleMenu() = default;
};

}  // namespace platform
