// When the game is installed and the launcher was started elsewhere (from the
// disc, say), it hands over to the copy in the installation directory.
#pragma once

struct LauncherState;
namespace platform {
class Instances;
class SystemFacts;
class Files;
class Processes;
}  // namespace platform

// Set in the environment of the restarted launcher, so that it never
// restarts again: a registry path that the system reports in another form
// (a trailing separator, a short name) would otherwise restart for ever.
constexpr const char* kRestartedVariable = "IRONMARCH_LAUNCHER_RESTARTED";

// Texts equal but for the letters A to Z and a to z.
bool SameDirectoryText(const char* a, const char* b);

// Whether this launcher was started by a restart; clears the mark so that
// the programs it starts do not inherit it.
bool TakeRestartMark(platform::SystemFacts& system);

// Starts "<installDir>\IronmarchLauncher.exe" by its full path, in
// installDir. Returns true when the process is to end now: the installed
// launcher started, or another launcher took over meanwhile. When the start
// fails, the launcher goes back to the directory it was started in, traces
// the failure in DebugSpew, takes the instance mutex again and goes on.
bool RestartFromInstallDir(LauncherState& state, const char* currentDirectory, bool restarted,
                           platform::Files& files, platform::Processes& processes, platform::Instances& instances,
                           platform::SystemFacts& system);
