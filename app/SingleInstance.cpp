#include "app/SingleInstance.h"

#include "core/LauncherState.h"
#include "core/Names.h"
#include "platform/Desktop.h"

namespace {

void ActivateOtherInstance(platform::Desktop& desktop)
{
    // An installer or a running game takes precedence over another launcher.
    platform::WindowHandle window = desktop.FindTopLevelWindow(names::kSetupWindowTitle);
    if (!window)
        window = desktop.FindTopLevelWindow(names::kGameWindowTitle);
    if (window) {
        const platform::WindowHandle popup = desktop.GetLastActivePopup(window);
        if (desktop.IsMinimized(popup))
            desktop.Restore(popup);
        desktop.BringToForeground(popup);
        return;
    }

    window = desktop.FindTopLevelWindow(names::kLauncherWindowTitle);
    if (!window)
        return;
    const platform::WindowHandle popup = desktop.GetLastActivePopup(window);
    if (desktop.IsMinimized(window))
        desktop.Restore(window);
    desktop.BringToForeground(popup);
}

}  // namespace

bool CheckSingleInstance(LauncherState& state, platform::Desktop& desktop)
{
    bool alreadyExists = false;
    state.instanceMutex = desktop.CreateNamedMutex(names::kInstanceMutex, &alreadyExists);
    if (!alreadyExists)
        return true;

    ReleaseInstanceMutex(state, desktop);
    ActivateOtherInstance(desktop);
    return false;
}

