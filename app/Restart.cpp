#include "app/Restart.h"

#include "core/BoundedText.h"
#include "core/LauncherState.h"
#include "core/Names.h"
#include "app/SingleInstance.h"
#include "commands/ProgramStarter.h"
#include "platform/Instances.h"
#include "platform/SystemFacts.h"
#include "platform/Files.h"

namespace {

bool NameSameDirectory(platform::Files& files, const char* a, const char* b)
{
    char longA[1024];
    char longB[1024];
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

    files.ChangeDirectory(state.installDir);
    ReleaseInstanceMutex(state, instances);
    system.SetEnvironmentText(kRestartedVariable, "1");
    StartProgram(processes, files, nullptr, names::kLauncherProgram, nullptr);
    return true;
}
