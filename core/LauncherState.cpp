#include "core/LauncherState.h"

#include "platform/Instances.h"

LauncherState& TheLauncherState()
{
    static LauncherState state;
    return state;
}

void ReleaseInstanceMutex(LauncherState& state, platform::Instances& instances)
{
    if (!state.instanceMutex)
        return;
    instances.CloseMutex(state.instanceMutex);
    state.instanceMutex = platform::MutexHandle();
}
