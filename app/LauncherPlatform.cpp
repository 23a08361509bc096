#include "app/LauncherPlatform.h"

LauncherPlatform& ThePlatform()
{
    static LauncherPlatform platform;
    return platform;
}
