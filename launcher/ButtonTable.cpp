#include "launcher/ButtonTable.h"

#include "core/LauncherState.h"
#include "commands/Commands.h"
#include "resources/resource.h"

// The publisher sets the five web addresses before the disc is mastered;
// what a screen reader says of each button is in the string tables.
const ButtonRow kButtonRows[kButtonCount + 1] = {
    {kNoButton, {}, {}, When::Never, When::Never, nullptr, nullptr, 0},
    {kInstallButton, {400, 40, 630, 70}, {"bitmaps\\8b1u.bmp", "bitmaps\\8b1f.bmp", "bitmaps\\8b1d.bmp"},
     When::NotInstalled, When::Always, &LauncherCommands::InstallGame, nullptr, IDS_SPEAK_INSTALL},
    {kDirectXButton, {400, 120, 630, 150}, {"bitmaps\\8bindx8u.bmp", "bitmaps\\8bindx8f.bmp", "bitmaps\\8bindx8d.bmp"},
     When::Always, When::Always, &LauncherCommands::InstallDirectX, nullptr, IDS_SPEAK_DIRECTX},
    {kReservedButton, {}, {}, When::Never, When::Never, nullptr, nullptr, 0},
    {kReadmeButton, {400, 80, 630, 110}, {"bitmaps\\8b4u.bmp", "bitmaps\\8b4f.bmp", "bitmaps\\8b4d.bmp"},
     When::Always, When::Always, &LauncherCommands::ShowReadme, nullptr, IDS_SPEAK_README},
    {kRegistrationButton, {400, 160, 630, 190}, {"bitmaps\\8b5u.bmp", "bitmaps\\8b5f.bmp", "bitmaps\\8b5d.bmp"},
     When::RegistrationTool, When::RegistrationTool, &LauncherCommands::RunRegistrationTool, nullptr, IDS_SPEAK_REGISTER},
    {kProductPageButton, {56, 8, 296, 158}, {"bitmaps\\8b6u.bmp", "bitmaps\\8b6f.bmp", "bitmaps\\8b6d.bmp"},
     When::Always, When::Always, nullptr, "http://www.example.com/games/ironmarch/", IDS_SPEAK_PRODUCT_PAGE},
    {kSiteHomeButton, {146, 374, 266, 444}, {"bitmaps\\8b7u.bmp", "bitmaps\\8b7f.bmp", "bitmaps\\8b7d.bmp"},
     When::Always, When::Always, nullptr, "http://www.example.com/", IDS_SPEAK_HOME_PAGE},
    {kPlayButton, {400, 40, 630, 70}, {"bitmaps\\8b8u.bmp", "bitmaps\\8b8f.bmp", "bitmaps\\8b8d.bmp"},
     When::Installed, When::Always, &LauncherCommands::PlayGame, nullptr, IDS_SPEAK_PLAY},
    {kQuitButton, {400, 0, 630, 30}, {"bitmaps\\8bexitu.bmp", "bitmaps\\8bexitf.bmp", "bitmaps\\8bexitd.bmp"},
     When::Always, When::Always, &LauncherCommands::QuitLauncher, nullptr, IDS_SPEAK_QUIT},
    {kUninstallButton, {400, 0, 630, 30}, {"bitmaps\\8b10u.bmp", "bitmaps\\8b10f.bmp", "bitmaps\\8b10d.bmp"},
     When::Installed, When::Installed, &LauncherCommands::UninstallGame, nullptr, IDS_SPEAK_UNINSTALL},
    {kSecondSiteButton, {295, 353, 370, 443}, {"bitmaps\\8borbixu.bmp", "bitmaps\\8borbixf.bmp", "bitmaps\\8borbixd.bmp"},
     When::Always, When::Always, nullptr, "http://www.example.net/", IDS_SPEAK_FAN_SITE},
    {kThirdSiteButton, {399, 384, 629, 439}, {"bitmaps\\8veltau.bmp", "bitmaps\\8veltaf.bmp", "bitmaps\\8veltad.bmp"},
     When::Always, When::Always, nullptr, "http://www.example.org/", IDS_SPEAK_STUDIO_SITE},
    {kOnlineServiceButton, {25, 379, 145, 439}, {"bitmaps\\8bgamespyu.bmp", "bitmaps\\8bgamespyf.bmp", "bitmaps\\8bgamespyd.bmp"},
     When::Always, When::Always, nullptr, "http://gamespy.example.com/ironmarch/", IDS_SPEAK_ONLINE},
};

const ButtonId kPaintOrder[12] = {kInstallButton,     kPlayButton,     kUninstallButton,  kDirectXButton,
                                  kRegistrationButton, kReadmeButton,  kProductPageButton, kSiteHomeButton,
                                  kQuitButton,         kSecondSiteButton, kThirdSiteButton, kOnlineServiceButton};
const ButtonId kHitTestOrder[12] = {kInstallButton,     kPlayButton,       kUninstallButton, kDirectXButton,
                                    kReadmeButton,      kRegistrationButton, kProductPageButton, kSiteHomeButton,
                                    kSecondSiteButton,  kThirdSiteButton,  kOnlineServiceButton, kQuitButton};
// The last picture read gives the window its palette: the online-service button's down picture.
const ButtonId kBitmapLoadOrder[12] = {kInstallButton,   kDirectXButton,   kReadmeButton,      kRegistrationButton,
                                       kProductPageButton, kSiteHomeButton, kPlayButton,       kQuitButton,
                                       kUninstallButton, kSecondSiteButton, kThirdSiteButton, kOnlineServiceButton};
// Install and Play share a place, as Registration and Uninstall may; the
// column never changes this order, it only leaves gaps.
const ButtonId kReadingOrder[12] = {kInstallButton,     kPlayButton,        kReadmeButton,   kDirectXButton,
                                    kRegistrationButton, kUninstallButton,  kQuitButton,     kProductPageButton,
                                    kOnlineServiceButton, kSiteHomeButton,  kSecondSiteButton, kThirdSiteButton};

namespace {

constexpr int kColumnTop = 160;
constexpr int kColumnRowHeight = 40;
constexpr int kRegistrationRowOffset = 40;

platform::Rect MovedTo(const platform::Rect& place, int top)
{
    return platform::Rect{place.left, top, place.right, top + (place.bottom - place.top)};
}

bool Holds(When when, const LauncherState& state)
{
    switch (when) {
    case When::Always:
        return true;
    case When::NotInstalled:
        return !state.gameInstalled;
    case When::Installed:
        return state.gameInstalled;
    case When::RegistrationTool:
        return state.registrationToolPresent;
    case When::Never:
        break;
    }
    return false;
}

}  // namespace

const ButtonBitmaps* BitmapsOf(int id)
{
    if (!IsButtonId(id) || kButtonRows[id].files.up == nullptr)
        return nullptr;
    return &kButtonRows[id].files;
}

std::string LanguagePicturePath(const char* file, const char* languageCode)
{
    const std::string path = file;
    const std::size_t name = path.find_last_of("\\/") + 1;  // 0 for a bare name
    const char separator = name != 0 ? path[name - 1] : '\\';
    return path.substr(0, name) + languageCode + separator + path.substr(name);
}

bool IsShown(const ButtonRow& row, const LauncherState& state)
{
    return Holds(row.shown, state);
}

void RunButtonCommand(LauncherCommands& commands, const ButtonRow& row)
{
    if (row.webAddress != nullptr)
        commands.OpenWebPage(row.webAddress);
    else if (row.command != nullptr)
        (commands.*row.command)();
}

void ButtonTable::SetFixedRectangles()
{
    backgroundSource = platform::Rect{0, 0, kBackgroundWidth, kBackgroundHeight};
    backgroundDestination = backgroundSource;
    for (const ButtonRow& row : kButtonRows) {
        const platform::Rect& place = row.place;
        (*this)[row.id].sourceRect = platform::Rect{0, 0, place.right - place.left, place.bottom - place.top};
        if (row.id != kQuitButton && row.id != kUninstallButton)  // LayoutButtonColumn places those
            (*this)[row.id].hotRect = place;
    }
}

void ButtonTable::SetInactiveFlags(bool registrationToolPresent)
{
    for (const ButtonRow& row : kButtonRows)
        (*this)[row.id].inactive = row.selectable == When::RegistrationTool ? !registrationToolPresent
                                                                             : row.selectable != When::Always;
}

void ButtonTable::LayoutButtonColumn(const LauncherState& state)
{
    if (state.registrationToolPresent)
        columnOffset = kRegistrationRowOffset;
    (*this)[kUninstallButton].inactive = !Holds(kButtonRows[kUninstallButton].selectable, state);
    int top = kColumnTop + columnOffset;
    if (state.gameInstalled) {
        (*this)[kUninstallButton].hotRect = MovedTo(kButtonRows[kUninstallButton].place, top);
        top += kColumnRowHeight;
    }
    (*this)[kQuitButton].hotRect = MovedTo(kButtonRows[kQuitButton].place, top);
}

void ButtonTable::ReleaseImages()
{
    backgroundImage.Reset();
    for (LauncherButton& button : buttons_) {
        button.upImage.Reset();
        button.focusImage.Reset();
        button.downImage.Reset();
    }
}
