// Whether and where the game is installed, from the registry entries that
// its installer writes.
#pragma once
#include <cstddef>
#include <cstdint>

struct LauncherState;
namespace platform {
class Files;
class Registry;
}  // namespace platform

void GetPaths(LauncherState& state, platform::Registry& registry, platform::Files& files);

// GetPaths, then the registration program's probe: what the window reads at
// start-up and on every activation of the application.
void ReadInstallation(LauncherState& state, platform::Registry& registry, platform::Files& files);

// The language the game's installer recorded (its two-letter code in the
// App Paths key's "Language" value), as a language id; 0 when none or one
// the launcher does not speak.
std::uint16_t InstalledGameLanguage(platform::Registry& registry);

// Turns the raw bytes of a registry value into a terminated text. False when
// the value does not fit with its terminator: the buffer is then emptied.
bool TerminateRegistryText(char* buffer, std::size_t size, std::uint32_t bytesRead);

// Room for the installed launcher's full path, inside MAX_PATH (260).
constexpr std::size_t kLauncherPathSize = 256;

// "<installDir>\IronmarchLauncher.exe", one separator between the two
// (installDir may end in one). False when it does not fit.
bool InstalledLauncherPath(const char* installDir, char* buffer, std::size_t size);

// A drive letter, colon and separator, or a UNC path: the only paths that can
// name an installation whatever the current directory is.
bool IsAbsolutePath(const char* path);
