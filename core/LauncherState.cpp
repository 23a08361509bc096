#include "core/LauncherState.h"

#include "platform/Desktop.h"

LauncherState& TheLauncherState()
{
    static LauncherState state;
    return state;
}

void ReleaseInstanceMutex(LauncherState& state, platform::Desktop& desktop)
{
    if (!state.instanceMutex)
        return;
    desktop.CloseMutex(state.instanceMutex);
    state.instanceMutex = platform::MutexHandle();
}
