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
// The registration program, in its folder below the launcher's.
constexpr const char* kRegistrationFolder = "ereg";
constexpr const char* kRegistrationProgram = "reg32.exe";

// What setup writes and the launcher reads: where the game is, and how it is
// uninstalled.
constexpr const char* kAppPathsKey = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\App Paths\\VXR.exe";
constexpr const char* kInstallDirValue = "Path";
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

}  // namespace names
