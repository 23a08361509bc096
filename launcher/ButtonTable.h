// The buttons of the main window: ids, rectangles, pictures, and the
// right-hand column that moves with the installation state.
#pragma once
#include <array>

#include "image/DibImage.h"
#include "platform/Types.h"

enum ButtonId : int {
    kNoButton = 0,
    kInstallButton = 1,
    kDirectXButton = 2,
    kReservedButton = 3,
    kReadmeButton = 4,
    kRegistrationButton = 5,
    kProductPageButton = 6,
    kSiteHomeButton = 7,
    kPlayButton = 8,
    kQuitButton = 9,
    kUninstallButton = 10,
    kSecondSiteButton = 11,
    kThirdSiteButton = 12,
    kOnlineServiceButton = 13,
};
constexpr int kButtonCount = 13;

struct LauncherButton {
    DibImage upImage;
    DibImage focusImage;
    DibImage downImage;
    platform::Rect hotRect{};
    platform::Rect sourceRect{};
    int inactive = 0;
};

struct LauncherState;

// The thirteen buttons and the background, indexed by ButtonId (slot 0 unused).
class ButtonTable {
public:
    LauncherButton& operator[](int id) { return buttons_[static_cast<std::size_t>(id)]; }
    const LauncherButton& operator[](int id) const { return buttons_[static_cast<std::size_t>(id)]; }

    DibImage backgroundImage;
    platform::Rect backgroundSource{};
    platform::Rect backgroundDestination{};
    int columnOffset = 0;

    // Fixed rectangles, the background's, and the inactive flags.
    void SetFixedRectangles();
    void SetInactiveFlags(bool registrationToolPresent);
    void LayoutButtonColumn(const LauncherState& state);

    void ReleaseImages();

private:
    std::array<LauncherButton, kButtonCount + 1> buttons_{};
};

// The bitmap files of a button: up, focus, down.
struct ButtonBitmaps {
    const char* up;
    const char* focus;
    const char* down;
};
const ButtonBitmaps* BitmapsOf(int id);  // null for the reserved id
constexpr const char* kBackgroundBitmap = "bitmaps\\8bg1.bmp";

// The order in which LoadButtonBitmaps reads the button pictures.
extern const int kBitmapLoadOrder[12];
