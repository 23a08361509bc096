#include "launcher/LauncherWindow.h"

#include "core/LauncherState.h"
#include "core/Names.h"
#include "platform/Win32Values.h"

namespace {

using win32values::kVirtualKeyEscape;
using win32values::kVirtualKeySpace;

bool Contains(const platform::Rect& r, int x, int y)
{
    return r.left < x && x < r.right && r.top < y && y < r.bottom;
}

}  // namespace

void LauncherWindow::InitButtonTable()
{
    installation_.ReadInstallation();
    LayoutButtonColumn();
    focusButton_ = hitButton_ = pressedButton_ = 0;
    images_.ClearWindowPalette();
    state_.discLabel = names::kDiscLabel;
    buttons_.SetFixedRectangles();
    buttons_.backgroundImage = images_.LoadDibImage(kBackgroundBitmap);
    buttons_.SetInactiveFlags(state_.registrationToolPresent);
}

void LauncherWindow::LoadButtonBitmaps()
{
    for (int id : kBitmapLoadOrder) {
        // The registration pictures are read only when the tool is there now.
        if (kButtonRows[id].shown == When::RegistrationTool && !state_.registrationToolPresent)
            continue;
        const ButtonBitmaps* files = BitmapsOf(id);
        buttons_[id].upImage = images_.LoadDibImage(files->up);
        buttons_[id].focusImage = images_.LoadDibImage(files->focus);
        buttons_[id].downImage = images_.LoadDibImage(files->down);
    }
}

void LauncherWindow::LayoutButtonColumn()
{
    buttons_.LayoutButtonColumn(state_);
}

void LauncherWindow::RealizeWindowPalette(platform::WindowSurface& surface)
{
    const CPalette* palette = images_.windowPalette();
    if (buttons_.backgroundImage.empty() || palette == nullptr)
        return;
    auto dc = platform::ScopedClientDC(surface);
    auto foreground = ScopedPaletteSelection(images_.graphics(), dc.get(), palette->handle(), false);
    if (foreground)
        images_.graphics().RealizePalette(dc.get());
}

void LauncherWindow::DrawButton(platform::DeviceContext dc, int id, Picture picture)
{
    const LauncherButton& button = buttons_[id];
    const DibImage& image = picture == Picture::Up      ? button.upImage
                            : picture == Picture::Focus ? button.focusImage
                                                        : button.downImage;
    images_.DrawDibImage(dc, button.hotRect, image, button.sourceRect, images_.windowPalette());
}

void LauncherWindow::PaintWindow(platform::WindowSurface& surface)
{
    auto dc = platform::ScopedClientDC(surface);
    auto painting = platform::ScopedPaint(surface);
    images_.DrawDibImage(dc.get(), buttons_.backgroundDestination, buttons_.backgroundImage,
                         buttons_.backgroundSource, images_.windowPalette());
    for (int id : kPaintOrder) {
        if (IsShown(kButtonRows[id], state_))
            DrawButton(dc.get(), id, Picture::Up);
    }
    if (IsButtonId(focusButton_))
        DrawButton(dc.get(), focusButton_, Picture::Focus);
}

void LauncherWindow::OnEraseBackground(platform::WindowSurface& surface)
{
    RealizeWindowPalette(surface);
    PaintWindow(surface);
}

void LauncherWindow::OnActivate(platform::WindowSurface& surface)
{
    RealizeWindowPalette(surface);
}

void LauncherWindow::OnActivateApp(platform::WindowSurface& surface, bool active)
{
    if (!active)
        return;
    RealizeWindowPalette(surface);
    installation_.ReadInstallation();
    LayoutButtonColumn();
}

int LauncherWindow::HitTest(int x, int y)
{
    hitButton_ = 0;
    for (int id : kHitTestOrder) {
        const LauncherButton& button = buttons_[id];
        if (IsShown(kButtonRows[id], state_) && Contains(button.hotRect, x, y))
            hitButton_ = button.inactive ? 0 : id;
    }
    return hitButton_;
}

void LauncherWindow::OnMouseMove(platform::WindowSurface& surface, int x, int y)
{
    {
        auto dc = platform::ScopedClientDC(surface);
        // Without the keyboard focus (another program active), a repaint may
        // be pending; it is done first so that it cannot paint over the
        // focus picture drawn below.
        if (!surface.ThreadHasKeyboardFocus())
            surface.UpdateWindow();
        HitTest(x, y);
        RealizeWindowPalette(surface);
        // BeginPaint outside WM_PAINT: it validates the window, so the pictures
        // drawn now are not painted over by a repaint that was still due. The
        // handlers draw through the client DC, not through the paint DC.
        auto painting = platform::ScopedPaint(surface);
        const int previous = focusButton_;
        const int hit = hitButton_;
        if (hit != 0 && hit != previous) {
            DrawButton(dc.get(), hit, Picture::Focus);
            focusButton_ = hit;
            if (previous != 0)
                DrawButton(dc.get(), previous, Picture::Up);
        } else if (hit == 0) {
            focusButton_ = 0;
            pressedButton_ = 0;
            if (previous != 0)
                DrawButton(dc.get(), previous, Picture::Up);
        }
    }
    // Realised again with the client DC released: another window may have
    // taken the palette while the pictures were drawn.
    RealizeWindowPalette(surface);
}

void LauncherWindow::OnLButtonDown(platform::WindowSurface& surface)
{
    auto dc = platform::ScopedClientDC(surface);
    auto painting = platform::ScopedPaint(surface);
    if (IsButtonId(hitButton_)) {
        DrawButton(dc.get(), hitButton_, Picture::Down);
        pressedButton_ = hitButton_;
    }
}

void LauncherWindow::OnLButtonUp(platform::WindowSurface& surface)
{
    auto dc = platform::ScopedClientDC(surface);
    auto painting = platform::ScopedPaint(surface);
    if (IsButtonId(hitButton_) && pressedButton_ == hitButton_) {
        DrawButton(dc.get(), hitButton_, Picture::Focus);
        commands_.Run(kButtonRows[hitButton_]);
    }
    pressedButton_ = 0;
    if (state_.quitPending)
        surface.WakeMessageLoop();
}

void LauncherWindow::OnKeyDown(platform::WindowSurface& surface, unsigned virtualKey)
{
    if (virtualKey == kVirtualKeyEscape || virtualKey == kVirtualKeySpace) {
        state_.quitPending = true;
        surface.WakeMessageLoop();
    }
}

void LauncherWindow::ReleaseImages()
{
    buttons_.ReleaseImages();
    images_.ClearWindowPalette();
}
