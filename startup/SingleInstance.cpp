#include "startup/SingleInstance.h"

#include "core/LauncherState.h"
#include "core/Names.h"
#include "platform/Instances.h"

namespace {

void ActivateOtherInstance(platform::Instances& instances)
{
    // An installer or a running game takes precedence over another launcher.
    platform::WindowHandle window = instances.FindTopLevelWindow(names::kSetupWindowTitle);
    if (!window)
        window = instances.FindTopLevelWindow(names::kGameWindowTitle);
    if (window) {
        const platform::WindowHandle popup = instances.GetLastActivePopup(window);
        if (instances.IsMinimized(popup))
            instances.Restore(popup);
        instances.BringToForeground(popup);
        return;
    }

    window = instances.FindTopLevelWindow(names::kLauncherWindowTitle);
    if (!window)
        return;
    const platform::WindowHandle popup = instances.GetLastActivePopup(window);
    if (instances.IsMinimized(window))
        instances.Restore(window);
    instances.BringToForeground(popup);
}

}  // namespace

bool CheckSingleInstance(LauncherState& state, platform::Instances& instances)
{
    bool alreadyExists = false;
    state.instanceMutex = instances.CreateNamedMutex(names::kInstanceMutex, &alreadyExists);
    if (!alreadyExists)
        return true;

    ReleaseInstanceMutex(state, instances);
    ActivateOtherInstance(instances);
    return false;
}

