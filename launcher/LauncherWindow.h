// The face of the main window: the button table and its pictures, painting,
// and the pointer and keyboard behaviour of the drawn buttons. Free of the
// window system; the main frame forwards its messages here.
#pragma once
#include "image/DibImage.h"
#include "launcher/ButtonTable.h"
#include "platform/WindowSurface.h"

struct LauncherState;
namespace platform {
class Files;
class Registry;
}  // namespace platform

// Runs the command of a button; the release handler calls it by ButtonId.
class ButtonCommands {
public:
    virtual void RunButtonCommand(int id) = 0;

protected:
    ~ButtonCommands() = default;
};

class LauncherWindow {
public:
    LauncherWindow(LauncherState& state, platform::Registry& registry, platform::Files& files, DibImages& images,
                   ButtonCommands& commands)
        : state_(state), registry_(registry), files_(files), images_(images), commands_(commands)
    {
    }

    void InitButtonTable();
    void LoadButtonBitmaps();
    void LayoutButtonColumn();
    void RealizeWindowPalette(platform::WindowSurface& surface);

    void PaintWindow(platform::WindowSurface& surface);
    void OnEraseBackground(platform::WindowSurface& surface);
    void OnActivate(platform::WindowSurface& surface);
    void OnActivateApp(platform::WindowSurface& surface, bool active);
    void OnMouseMove(platform::WindowSurface& surface, int x, int y);
    void OnLButtonDown(platform::WindowSurface& surface);
    void OnLButtonUp(platform::WindowSurface& surface);
    void OnKeyDown(platform::WindowSurface& surface, unsigned virtualKey);

    // The button under a client point, or 0; sets hitButton.
    int HitTest(int x, int y);

    // The teardown's part: every image and the palette.
    void ReleaseImages();

    ButtonTable& buttons() { return buttons_; }
    int focusButton() const { return focusButton_; }
    int pressedButton() const { return pressedButton_; }

private:
    enum class Picture { Up, Focus, Down };
    void DrawButton(platform::DeviceContext dc, int id, Picture picture);

    LauncherState& state_;
    platform::Registry& registry_;
    platform::Files& files_;
    DibImages& images_;
    ButtonCommands& commands_;
    ButtonTable buttons_;
    int focusButton_ = 0;
    int hitButton_ = 0;
    int pressedButton_ = 0;
};
