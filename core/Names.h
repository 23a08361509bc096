// Texts that several parts of the launcher share.
#pragma once

namespace names {

constexpr const char* kGameTitle = "Ironmarch";
constexpr const char* kGameProgram = "VXR.exe";
constexpr const char* kLauncherProgram = "IronmarchLauncher.exe";
constexpr const char* kInstanceMutex = "Ironmarch";
constexpr const char* kLauncherWindowTitle = "Ironmarch Launcher";
constexpr const char* kSetupWindowTitle = "Ironmarch Setup";
constexpr const char* kGameWindowTitle = "Ironmarch (TM)";
constexpr const char* kDiscLabel = "IRM_1";

}  // namespace names
