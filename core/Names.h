// Texts that several parts of the launcher share.
#pragma once
#include <cstddef>

namespace names {

constexpr const char* kGameTitle = "Ironmarch";
constexpr const char* kGameProgram = "VXR.exe";
constexpr const char* kLauncherProgram = "IronmarchLauncher.exe";
constexpr const char* kInstanceMutex = "Ironmarch";
constexpr const char* kLauncherWindowTitle = "Ironmarch Launcher";
constexpr const char* kSetupWindowTitle = "Ironmarch Setup";
constexpr const char* kGameWindowTitle = "Ironmarch (TM)";
constexpr const char* kDiscLabel = "IRM_1";
// What the buttons start or open beside the launcher: the game's installer,
// the DirectX installer in its folder (on the disc, or copied beside the
// launcher), and the readme.
constexpr const char* kSetupProgram = "setup.exe";
constexpr const char* kDirectXFolder = "DirectX";
constexpr const char* kDirectXSetupProgram = "dxsetup.exe";
constexpr const char* kDirectXSetupPath = "DirectX\\dxsetup.exe";
constexpr const char* kReadmeFile = "readme.txt";
// The game's uninstaller, which the installer writes beside the game.
constexpr const char* kUninstallProgram = "uninstall.exe";
// The registration program, in its folder below the launcher's.
constexpr const char* kRegistrationFolder = "ereg";
constexpr const char* kRegistrationProgram = "reg32.exe";

// What setup writes and the launcher reads: where the game is, and how it is
// uninstalled.
constexpr const char* kAppPathsKey = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\App Paths\\VXR.exe";
constexpr const char* kInstallDirValue = "Path";
// Optional: the language the player installed the game in ("de").
constexpr const char* kLanguageValue = "Language";
constexpr const char* kUninstallKey = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Ironmarch";
constexpr const char* kUninstallValue = "UninstallString";

constexpr bool EndsWith(const char* text, const char* end)
{
    std::size_t t = 0, e = 0;
    while (text[t] != '\0')
        ++t;
    while (end[e] != '\0')
        ++e;
    while (e != 0 && t != 0 && text[t - 1] == end[e - 1])
        --t, --e;
    return e == 0;
}
// Windows finds the game's folder under the game program's own name.
static_assert(EndsWith(kAppPathsKey, kGameProgram), "the App Paths key names the game program");
static_assert(EndsWith(kUninstallKey, kGameTitle), "the Uninstall key names the game");
static_assert(EndsWith(kDirectXSetupPath, kDirectXSetupProgram), "the DirectX installer's path ends in its name");

}  // namespace names
