#include "core/LauncherState.h"

#include "platform/Desktop.h"

LauncherState& TheLauncherState()
{
    static LauncherState state;
    return state;
}

void ReleaseInstanceMutex(LauncherState& state, platform::Desktop& desktop)
{
    if (state.instanceMutex == 0)
        return;
    desktop.CloseMutex(state.instanceMutex);
    state.instanceMutex = 0;
}
