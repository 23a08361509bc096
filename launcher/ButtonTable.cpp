#include "launcher/ButtonTable.h"

#include "app/LauncherState.h"

namespace {

struct FixedButton {
    int id;
    platform::Rect rect;
};

// Buttons whose place never changes; quit and uninstall follow the column.
constexpr FixedButton kFixedButtons[] = {
    {kInstallButton, {400, 40, 630, 70}},    {kDirectXButton, {400, 120, 630, 150}},
    {kReadmeButton, {400, 80, 630, 110}},    {kRegistrationButton, {400, 160, 630, 190}},
    {kProductPageButton, {56, 8, 296, 158}}, {kSiteHomeButton, {146, 374, 266, 444}},
    {kPlayButton, {400, 40, 630, 70}},       {kSecondSiteButton, {295, 353, 370, 443}},
    {kThirdSiteButton, {399, 384, 629, 439}}, {kOnlineServiceButton, {25, 379, 145, 439}},
};

const ButtonBitmaps kBitmaps[kButtonCount + 1] = {
    {nullptr, nullptr, nullptr},
    {"bitmaps\\8b1u.bmp", "bitmaps\\8b1f.bmp", "bitmaps\\8b1d.bmp"},
    {"bitmaps\\8bindx8u.bmp", "bitmaps\\8bindx8f.bmp", "bitmaps\\8bindx8d.bmp"},
    {nullptr, nullptr, nullptr},
    {"bitmaps\\8b4u.bmp", "bitmaps\\8b4f.bmp", "bitmaps\\8b4d.bmp"},
    {"bitmaps\\8b5u.bmp", "bitmaps\\8b5f.bmp", "bitmaps\\8b5d.bmp"},
    {"bitmaps\\8b6u.bmp", "bitmaps\\8b6f.bmp", "bitmaps\\8b6d.bmp"},
    {"bitmaps\\8b7u.bmp", "bitmaps\\8b7f.bmp", "bitmaps\\8b7d.bmp"},
    {"bitmaps\\8b8u.bmp", "bitmaps\\8b8f.bmp", "bitmaps\\8b8d.bmp"},
    {"bitmaps\\8bexitu.bmp", "bitmaps\\8bexitf.bmp", "bitmaps\\8bexitd.bmp"},
    {"bitmaps\\8b10u.bmp", "bitmaps\\8b10f.bmp", "bitmaps\\8b10d.bmp"},
    {"bitmaps\\8borbixu.bmp", "bitmaps\\8borbixf.bmp", "bitmaps\\8borbixd.bmp"},
    {"bitmaps\\8veltau.bmp", "bitmaps\\8veltaf.bmp", "bitmaps\\8veltad.bmp"},
    {"bitmaps\\8bgamespyu.bmp", "bitmaps\\8bgamespyf.bmp", "bitmaps\\8bgamespyd.bmp"},
};

platform::Rect SourceOf(const platform::Rect& hot)
{
    return platform::Rect{0, 0, hot.right - hot.left, hot.bottom - hot.top};
}

constexpr int kColumnLeft = 400;
constexpr int kColumnRight = 630;

platform::Rect ColumnRow(int top)
{
    return platform::Rect{kColumnLeft, top, kColumnRight, top + 30};
}

}  // namespace

const int kBitmapLoadOrder[12] = {kInstallButton,   kDirectXButton,     kReadmeButton,     kRegistrationButton,
                                  kProductPageButton, kSiteHomeButton, kPlayButton,       kQuitButton,
                                  kUninstallButton, kSecondSiteButton,  kThirdSiteButton,  kOnlineServiceButton};

const ButtonBitmaps* BitmapsOf(int id)
{
    if (id < 1 || id > kButtonCount || kBitmaps[id].up == nullptr)
        return nullptr;
    return &kBitmaps[id];
}

void ButtonTable::SetFixedRectangles()
{
    backgroundSource = platform::Rect{0, 0, 640, 452};
    backgroundDestination = platform::Rect{0, 0, 640, 452};
    for (const FixedButton& fixed : kFixedButtons) {
        (*this)[fixed.id].hotRect = fixed.rect;
        (*this)[fixed.id].sourceRect = SourceOf(fixed.rect);
    }
    // Quit and uninstall are always 230 by 30; LayoutButtonColumn places them.
    (*this)[kQuitButton].sourceRect = platform::Rect{0, 0, 230, 30};
    (*this)[kUninstallButton].sourceRect = platform::Rect{0, 0, 230, 30};
}

void ButtonTable::SetInactiveFlags(bool registrationToolPresent)
{
    for (int id = 1; id <= kButtonCount; ++id)
        (*this)[id].inactive = 0;
    (*this)[kReservedButton].inactive = 1;
    (*this)[kUninstallButton].inactive = 1;
    (*this)[kRegistrationButton].inactive = registrationToolPresent ? 0 : 1;
}

void ButtonTable::LayoutButtonColumn(const LauncherState& state)
{
    if (state.registrationToolPresent)
        columnOffset = 40;
    if (state.gameInstalled) {
        (*this)[kUninstallButton].inactive = 0;
        (*this)[kUninstallButton].hotRect = ColumnRow(columnOffset + 160);
        (*this)[kQuitButton].hotRect = ColumnRow(columnOffset + 200);
    } else {
        (*this)[kUninstallButton].inactive = 1;
        (*this)[kQuitButton].hotRect = ColumnRow(columnOffset + 160);
    }
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
