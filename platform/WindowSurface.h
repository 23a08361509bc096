// The main window as the painting and pointer code see it: a device context
// of the whole client area and the paint bracket.
#pragma once
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

protected:
    ~WindowSurface() = default;
};

// GetDC and ReleaseDC, paired.
class ClientDC {
public:
    explicit ClientDC(WindowSurface& surface) : surface_(surface), dc_(surface.GetClientDC()) {}
    ~ClientDC() { surface_.ReleaseClientDC(dc_); }
    ClientDC(const ClientDC&) = delete;
    ClientDC& operator=(const ClientDC&) = delete;
    DeviceContext get() const { return dc_; }

private:
    WindowSurface& surface_;
    DeviceContext dc_;
};

// BeginPaint and EndPaint, paired.
class PaintBracket {
public:
    explicit PaintBracket(WindowSurface& surface) : surface_(surface) { surface_.BeginPaint(); }
    ~PaintBracket() { surface_.EndPaint(); }
    PaintBracket(const PaintBracket&) = delete;
    PaintBracket& operator=(const PaintBracket&) = delete;

private:
    WindowSurface& surface_;
};

}  // namespace platform
