// The launcher's drawn buttons as a screen reader sees them: the children of
// the window's client object. A child's id is its button's id, which no
// re-layout gives to another button: a client that holds an id across a
// change (Install becoming Play) asks about, or presses, that button or
// none, never the one now in its place.
#pragma once
#include <string>
#include <vector>

#include "platform/Types.h"

namespace platform {

struct AccessibleChild {
    std::string name;  // in the player's language
    Rect place;  // client coordinates: the points from left and top to right and bottom, those excluded
    bool focused;
    bool unavailable;
};

class AccessibleMenu {
public:
    virtual std::vector<int> Children() = 0;      // the shown buttons' ids, in reading order
    virtual AccessibleChild Child(int child) = 0;  // one of Children()
    virtual int FocusedChild() = 0;                // 0: none
    virtual int ChildAt(int x, int y) = 0;         // a client point; 0: none

protected:
    ~AccessibleMenu() = default;
};

}  // namespace platform
