// The main window as the painting and pointer code see it: a device context
// of the whole client area and the paint bracket.
#pragma once
#include "base/Scoped.h"
#include "platform/Types.h"

namespace platform {

class WindowSurface {
public:
    virtual DeviceContext GetClientDC() = 0;  // GetDC
    virtual void ReleaseClientDC(DeviceContext dc) = 0;
    virtual void BeginPaint() = 0;
    virtual void EndPaint() = 0;
    virtual bool ThreadHasKeyboardFocus() = 0;  // GetFocus() != NULL
    virtual void UpdateWindow() = 0;
    // Posts a message that does nothing, so that the message loop returns to
    // its idle handling: a handler run from a sent message leaves the loop
    // asleep in GetMessage otherwise.
    virtual void WakeMessageLoop() = 0;
    // NotifyWinEvent(EVENT_OBJECT_FOCUS) for a child of the client's
    // accessible object (1 and up), where Windows has it.
    virtual void AnnounceFocus(int child) = 0;

protected:
    ~WindowSurface() = default;
};

// GetDC for one scope; ReleaseDC when the scope ends.
inline auto ScopedClientDC(WindowSurface& surface)
{
    return Scoped(surface.GetClientDC(), [&surface](DeviceContext dc) { surface.ReleaseClientDC(dc); });
}

// BeginPaint for one scope; EndPaint when the scope ends.
inline auto ScopedPaint(WindowSurface& surface)
{
    surface.BeginPaint();
    return Scoped(&surface, [](WindowSurface* painted) { painted->EndPaint(); });
}

}  // namespace platform
