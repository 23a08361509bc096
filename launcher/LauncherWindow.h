// The face of the main window: the button table and its pictures, painting,
// and the pointer and keyboard behaviour of the drawn buttons. Free of the
// window system; the main frame forwards its messages here.
#pragma once
#include <vector>

#include "image/DibImage.h"
#include "launcher/ButtonTable.h"
#include "platform/AccessibleMenu.h"
#include "platform/Files.h"
#include "platform/Registry.h"
#include "platform/WindowSurface.h"

struct LauncherState;
class LocalTexts;

// Runs the command of a button's row; the release handler calls it. The
// host tests put a recorder here, so that the pointer and keyboard tables
// see which row ran without starting its program.
class ButtonCommands {
public:
    virtual void Run(const ButtonRow& row) = 0;

protected:
    ~ButtonCommands() = default;
};

// The launcher's: each row's command or web page, carried out.
class RowCommands final : public ButtonCommands {
public:
    explicit RowCommands(LauncherCommands& commands) : commands_(commands) {}
    void Run(const ButtonRow& row) override { RunButtonCommand(commands_, row); }

private:
    LauncherCommands& commands_;
};

class LauncherWindow : public platform::AccessibleMenu {
public:
    // The registry and the files are where the window reads, at start-up
    // and on every activation, whether and where the game is installed.
    LauncherWindow(LauncherState& state, platform::Registry& registry, platform::Files& files, DibImages& images,
                   ButtonCommands& commands, const LocalTexts& texts)
        : state_(state), registry_(registry), files_(files), images_(images), commands_(commands), texts_(texts)
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
    // Escape and Space close; Tab (back with Shift), the arrows, Home and
    // End move the focus; Enter presses the focused button.
    void OnKeyDown(platform::WindowSurface& surface, unsigned virtualKey, bool shift);

    // The button under a client point, or 0; sets hitButton.
    int HitTest(int x, int y);

    // The shown buttons in reading order (kReadingOrder); the focus moves
    // along those of them that can be selected.
    std::vector<int> ReadingOrder() const;
    std::vector<int> FocusOrder() const;

    // Presses a button for a screen reader as Enter presses the focused one,
    // if it can still be selected.
    void PressAccessibleButton(platform::WindowSurface& surface, int id);

    std::vector<int> Children() override { return ReadingOrder(); }
    platform::AccessibleChild Child(int child) override;
    int FocusedChild() override;
    int ChildAt(int x, int y) override;

    // The teardown's part: every image and the palette.
    void ReleaseImages();

    ButtonTable& buttons() { return buttons_; }
    int focusButton() const { return focusButton_; }
    int pressedButton() const { return pressedButton_; }

private:
    enum class Picture { Up, Focus, Down };
    void DrawButton(platform::DeviceContext dc, int id, Picture picture);
    DibImage LoadPicture(const char* file);  // the player's language's, or the default
    int ButtonUnder(int x, int y) const;  // shown, the last in hit-test order
    bool Selectable(int id) const;
    void MoveFocus(platform::WindowSurface& surface, int step);
    void FocusButton(platform::WindowSurface& surface, int id);
    void PressButton(platform::WindowSurface& surface, int id);

    LauncherState& state_;
    platform::Registry& registry_;
    platform::Files& files_;
    DibImages& images_;
    ButtonCommands& commands_;
    const LocalTexts& texts_;
    ButtonTable buttons_;
    int focusButton_ = 0;
    int hitButton_ = 0;
    int pressedButton_ = 0;
};
