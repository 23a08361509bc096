#include "startup/Restart.h"

#include "startup/GetPaths.h"
#include "startup/SingleInstance.h"
#include "core/BoundedText.h"
#include "core/LauncherState.h"
#include "commands/ProgramStarter.h"
#include "platform/Files.h"
#include "platform/Instances.h"
#include "platform/SystemFacts.h"
#include "base/TextSizes.h"

namespace {

bool NameSameDirectory(platform::Files& files, const char* a, const char* b)
{
    char longA[kLongTextSize];
    char longB[kLongTextSize];
    return files.CanonicalDirectory(a, longA, sizeof longA) && files.CanonicalDirectory(b, longB, sizeof longB) &&
           SameDirectoryText(longA, longB);
}

}  // namespace

bool SameDirectoryText(const char* a, const char* b)
{
    return EqualIgnoringCase(a, b);
}

bool TakeRestartMark(platform::SystemFacts& system)
{
    if (!system.HasEnvironmentVariable(kRestartedVariable))
        return false;
    system.SetEnvironmentText(kRestartedVariable, nullptr);
    return true;
}

bool RestartFromInstallDir(LauncherState& state, const char* currentDirectory, bool restarted,
                           platform::Files& files, platform::Processes& processes, platform::Instances& instances,
                           platform::SystemFacts& system)
{
    if (SameDirectoryText(currentDirectory, state.installDir))
        return false;
    // At most one restart, and none into the directory the launcher already runs in.
    if (restarted || NameSameDirectory(files, currentDirectory, state.installDir))
        return false;

    // A bare file name would be looked for in this launcher's own folder
    // first: started from the disc, the disc's copy would run again.
    char launcher[kLauncherPathSize];
    char commandLine[kLauncherPathSize + 2];
    if (!InstalledLauncherPath(state.installDir, launcher, sizeof launcher) ||
        !FormatText(commandLine, sizeof commandLine, "\"%s\"", launcher))
        return false;

    files.ChangeDirectory(state.installDir);
    ReleaseInstanceMutex(state, instances);
    system.SetEnvironmentText(kRestartedVariable, "1");
    const platform::StartResult started = StartProgram(processes, files, nullptr, commandLine, state.installDir);
    if (started.started)
        return true;

    // The player keeps this launcher's menu rather than nothing.
    system.SetEnvironmentText(kRestartedVariable, nullptr);
    files.ChangeDirectory(currentDirectory);
    FormatText(state.DebugSpew, sizeof state.DebugSpew, "RestartFromInstallDir() - %s failed, error %u", launcher,
               static_cast<unsigned>(started.error));
    return !CheckSingleInstance(state, instances);
}
