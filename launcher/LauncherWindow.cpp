#include "launcher/LauncherWindow.h"

#include <algorithm>

#include "core/LauncherState.h"
#include "core/LocalTexts.h"
#include "core/Names.h"
#include "platform/Win32Values.h"
#include "startup/GetPaths.h"

namespace {

using namespace win32values;

bool Contains(const platform::Rect& r, int x, int y)
{
    return r.left < x && x < r.right && r.top < y && y < r.bottom;
}

}  // namespace

void LauncherWindow::InitButtonTable()
{
    ReadInstallation(state_, registry_, files_);
    LayoutButtonColumn();
    focusButton_ = hitButton_ = pressedButton_ = 0;
    images_.ClearWindowPalette();
    state_.discLabel = names::kDiscLabel;
    buttons_.SetFixedRectangles();
    buttons_.backgroundImage = LoadPicture(kBackgroundBitmap);
    buttons_.SetInactiveFlags(state_.registrationToolPresent);
}

void LauncherWindow::LoadButtonBitmaps()
{
    for (int id : kBitmapLoadOrder) {
        // The registration pictures are read only when the tool is there now.
        if (kButtonRows[id].shown == When::RegistrationTool && !state_.registrationToolPresent)
            continue;
        const ButtonBitmaps* files = BitmapsOf(id);
        buttons_[id].upImage = LoadPicture(files->up);
        buttons_[id].focusImage = LoadPicture(files->focus);
        buttons_[id].downImage = LoadPicture(files->down);
    }
}

DibImage LauncherWindow::LoadPicture(const char* file)
{
    // English is the default set's language. A language's set may lack any
    // picture; the default set's stands in for it.
    if (&texts_.language() != &kEnglish) {
        const std::string translated = LanguagePicturePath(file, texts_.language().code);
        if (files_.CanOpenForReading(translated.c_str()))
            return images_.LoadDibImage(translated.c_str());
    }
    return images_.LoadDibImage(file);
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

// WM_ERASEBKGND usually comes from inside BeginPaint of the pending WM_PAINT, so
// the paint below is a BeginPaint inside a BeginPaint: the inner one finds
// nothing left to validate, and drawing goes through the client DC anyway.
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
    const int focused = focusButton_;
    ReadInstallation(state_, registry_, files_);
    LayoutButtonColumn();
    if (focused == 0 || Selectable(focused))
        return;
    // The layout hid the focused button (Install became Play, say): the
    // focus goes to the button now in its place, or to none.
    const platform::Rect place = buttons_[focused].hotRect;
    focusButton_ = 0;
    for (int id : FocusOrder()) {
        if (buttons_[id].hotRect == place)
            FocusButton(surface, id);
    }
}

int LauncherWindow::ButtonUnder(int x, int y) const
{
    int under = 0;
    for (int id : kHitTestOrder) {
        if (IsShown(kButtonRows[id], state_) && Contains(buttons_[id].hotRect, x, y))
            under = id;
    }
    return under;
}

int LauncherWindow::HitTest(int x, int y)
{
    const int under = ButtonUnder(x, y);
    hitButton_ = under != 0 && !buttons_[under].inactive ? under : 0;
    return hitButton_;
}

bool LauncherWindow::Selectable(int id) const
{
    return IsButtonId(id) && IsShown(kButtonRows[id], state_) && !buttons_[id].inactive;
}

std::vector<int> LauncherWindow::ReadingOrder() const
{
    std::vector<int> order;
    for (int id : kReadingOrder) {
        if (IsShown(kButtonRows[id], state_))
            order.push_back(id);
    }
    return order;
}

std::vector<int> LauncherWindow::FocusOrder() const
{
    std::vector<int> order = ReadingOrder();
    order.erase(std::remove_if(order.begin(), order.end(), [this](int id) { return buttons_[id].inactive; }),
                order.end());
    return order;
}

void LauncherWindow::FocusButton(platform::WindowSurface& surface, int id)
{
    const int previous = focusButton_;
    if (id == previous)
        return;
    RealizeWindowPalette(surface);
    {
        auto dc = platform::ScopedClientDC(surface);
        auto painting = platform::ScopedPaint(surface);
        DrawButton(dc.get(), id, Picture::Focus);
        if (previous != 0)
            DrawButton(dc.get(), previous, Picture::Up);
    }
    focusButton_ = id;
    surface.AnnounceFocus(FocusedChild());
}

void LauncherWindow::MoveFocus(platform::WindowSurface& surface, int step)
{
    const std::vector<int> order = FocusOrder();
    if (order.empty())
        return;
    const auto at = std::find(order.begin(), order.end(), focusButton_);
    const int count = static_cast<int>(order.size());
    const int next = at == order.end() ? (step > 0 ? 0 : count - 1)
                                       : (static_cast<int>(at - order.begin()) + step % count + count) % count;
    FocusButton(surface, order[static_cast<std::size_t>(next)]);
}

void LauncherWindow::PressButton(platform::WindowSurface& surface, int id)
{
    if (!Selectable(id))
        return;
    {
        auto dc = platform::ScopedClientDC(surface);
        auto painting = platform::ScopedPaint(surface);
        DrawButton(dc.get(), id, Picture::Down);
        DrawButton(dc.get(), id, Picture::Focus);
        if (focusButton_ != 0 && focusButton_ != id)
            DrawButton(dc.get(), focusButton_, Picture::Up);
    }
    if (focusButton_ != id) {
        focusButton_ = id;
        surface.AnnounceFocus(FocusedChild());
    }
    commands_.Run(kButtonRows[id]);
    if (state_.quitPending)
        surface.WakeMessageLoop();
}

void LauncherWindow::PressAccessibleButton(platform::WindowSurface& surface, int id)
{
    PressButton(surface, id);
}

platform::AccessibleChild LauncherWindow::Child(int id)
{
    if (!IsButtonId(id))
        return platform::AccessibleChild{"", platform::Rect{}, false, true};
    // The points the hit test gives the button: inside every edge.
    const platform::Rect& place = buttons_[id].hotRect;
    const platform::Rect inside{place.left + 1, place.top + 1, place.right, place.bottom};
    return platform::AccessibleChild{texts_.Text(kButtonRows[id].spokenName), inside, id == focusButton_, buttons_[id].inactive};
}

int LauncherWindow::FocusedChild()
{
    const std::vector<int> order = ReadingOrder();
    return std::find(order.begin(), order.end(), focusButton_) != order.end() ? focusButton_ : 0;
}

int LauncherWindow::ChildAt(int x, int y)
{
    const int under = ButtonUnder(x, y);
    const std::vector<int> order = ReadingOrder();
    return std::find(order.begin(), order.end(), under) != order.end() ? under : 0;
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
            surface.AnnounceFocus(FocusedChild());
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

void LauncherWindow::OnKeyDown(platform::WindowSurface& surface, unsigned virtualKey, bool shift)
{
    switch (virtualKey) {
    case kVirtualKeyEscape:
    case kVirtualKeySpace:
        state_.quitPending = true;
        surface.WakeMessageLoop();
        break;
    case kVirtualKeyTab:
        MoveFocus(surface, shift ? -1 : 1);
        break;
    case kVirtualKeyRight:
    case kVirtualKeyDown:
        MoveFocus(surface, 1);
        break;
    case kVirtualKeyLeft:
    case kVirtualKeyUp:
        MoveFocus(surface, -1);
        break;
    case kVirtualKeyHome:
    case kVirtualKeyEnd: {
        const std::vector<int> order = FocusOrder();
        if (!order.empty())
            FocusButton(surface, virtualKey == kVirtualKeyHome ? order.front() : order.back());
        break;
    }
    case kVirtualKeyReturn:
        PressButton(surface, focusButton_);
        break;
    default:
        break;
    }
}

void LauncherWindow::ReleaseImages()
{
    buttons_.ReleaseImages();
    images_.ClearWindowPalette();
}
