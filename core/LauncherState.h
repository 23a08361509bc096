// The process-wide state of the launcher: one instance, everything empty,
// false or none at process start.
#pragma once
#include <string>

#include "platform/Types.h"
#include "base/TextSizes.h"

struct LauncherState {
    char installDir[kLongTextSize] = {};
    char uninstallCommand[kLongTextSize] = {};
    bool gameInstalled = false;
    bool registrationToolPresent = false;
    std::string discLabel;  // set by the button table, emptied at the main window's teardown
    char discDrive[kPathSize] = {};
    platform::MutexHandle instanceMutex;
    platform::WindowHandle mainWindow;
    bool quitPending = false;
    bool setupLaunchStarted = false;
    bool gameLaunchStarted = false;
    char DebugSpew[2048] = {};
};

// The launcher's running instance; the start-up hands it down by reference.
LauncherState& TheLauncherState();

namespace platform {
class Instances;
}
// Closes instanceMutex once; later calls find it none.
void ReleaseInstanceMutex(LauncherState& state, platform::Instances& instances);
