#include "app/LauncherState.h"

LauncherState& TheLauncherState()
{
    static LauncherState state;
    return state;
}
