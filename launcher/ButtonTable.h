// The buttons of the main window: one row per button in kButtonRows, and
// beside it the orders in which the window paints, hit-tests and loads them.
#pragma once
#include <array>
#include <string>

#include "image/DibImage.h"
#include "platform/Types.h"

struct LauncherState;
class LauncherCommands;

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

// The bitmap files of a button: up, focus, down.
struct ButtonBitmaps {
    const char* up;
    const char* focus;
    const char* down;
};

// When a button is shown, or can be selected.
enum class When {
    Always,
    Never,
    NotInstalled,
    Installed,          // for selecting: as of the last column layout
    RegistrationTool,   // for selecting: as of start-up, when the pictures are read
};

struct ButtonRow {
    ButtonId id;
    platform::Rect place;  // where it is drawn; the column layout moves quit and uninstall
    ButtonBitmaps files;
    When shown;
    When selectable;
    void (LauncherCommands::*command)();  // or, for a web page, null and:
    const char* webAddress;
    unsigned spokenName;  // the string id of what a screen reader says of it
};

// Indexed by ButtonId; row 0 stands for no button.
extern const ButtonRow kButtonRows[kButtonCount + 1];

// The orders of painting, hit-testing (a later button wins), loading, and
// reading: the right-hand column from top to bottom, then the product
// picture, then the bottom row from left to right. The keys move the focus
// and screen readers walk the buttons in reading order.
extern const ButtonId kPaintOrder[12];
extern const ButtonId kHitTestOrder[12];
extern const ButtonId kBitmapLoadOrder[12];
extern const ButtonId kReadingOrder[12];

constexpr const char* kBackgroundBitmap = "bitmaps\\8bg1.bmp";
// The background fills the window's client area.
constexpr int kBackgroundWidth = 640;
constexpr int kBackgroundHeight = 452;

constexpr bool IsButtonId(int id)
{
    return id >= 1 && id <= kButtonCount;
}
const ButtonBitmaps* BitmapsOf(int id);  // null for the reserved id

// A picture's file in a language's set: "bitmaps\\de\\8b1u.bmp" for
// "bitmaps\\8b1u.bmp" and "de"; the kit's "bitmaps/8b1u.bmp" keeps its "/".
std::string LanguagePicturePath(const char* file, const char* languageCode);

bool IsShown(const ButtonRow& row, const LauncherState& state);

// Runs a button's command: its function, or the web page it opens.
void RunButtonCommand(LauncherCommands& commands, const ButtonRow& row);

// A button as the window holds it: its pictures and where it is now.
struct LauncherButton {
    DibImage upImage;
    DibImage focusImage;
    DibImage downImage;
    platform::Rect hotRect{};
    platform::Rect sourceRect{};
    bool inactive = false;
};

// The thirteen buttons and the background, indexed by ButtonId (slot 0 unused).
class ButtonTable {
public:
    LauncherButton& operator[](int id) { return buttons_[static_cast<std::size_t>(id)]; }
    const LauncherButton& operator[](int id) const { return buttons_[static_cast<std::size_t>(id)]; }

    DibImage backgroundImage;
    platform::Rect backgroundSource{};
    platform::Rect backgroundDestination{};
    // 40 once the registration program has been seen, and never back to 0:
    // the column stays where it moved for the rest of the run.
    int columnOffset = 0;

    // Places from the rows, the background's, and the inactive flags.
    void SetFixedRectangles();
    void SetInactiveFlags(bool registrationToolPresent);
    void LayoutButtonColumn(const LauncherState& state);

    void ReleaseImages();

private:
    std::array<LauncherButton, kButtonCount + 1> buttons_{};
};
