#include "startup/GetPaths.h"

#include "core/BoundedText.h"
#include "core/Language.h"
#include "core/LauncherState.h"
#include "core/Names.h"
#include "commands/ProgramStarter.h"
#include "platform/Files.h"
#include "platform/Registry.h"

namespace {

template <std::size_t N>
platform::Registry::ReadResult ReadText(platform::Registry& registry, const char* key, const char* value,
                                        char (&buffer)[N])
{
    std::uint32_t bytes = N;
    const auto result = registry.ReadLocalMachineValue(key, value, buffer, &bytes);
    if (result != platform::Registry::ReadResult::Ok)
        return result;
    if (!TerminateRegistryText(buffer, N, bytes))
        return platform::Registry::ReadResult::ValueUnreadable;
    return result;
}

}  // namespace

std::uint16_t InstalledGameLanguage(platform::Registry& registry)
{
    char code[8] = {};
    if (ReadText(registry, names::kAppPathsKey, names::kLanguageValue, code) != platform::Registry::ReadResult::Ok)
        return 0;
    return LanguageOfCode(code);
}

bool IsAbsolutePath(const char* path)
{
    const bool separator2 = path[0] != '\0' && path[1] != '\0' && (path[2] == '\\' || path[2] == '/');
    const char drive = static_cast<char>(path[0] | 0x20);
    if (drive >= 'a' && drive <= 'z' && path[1] == ':' && separator2)
        return true;
    // A UNC path: two separators and a server name.
    return path[0] == '\\' && path[1] == '\\' && path[2] != '\0' && path[2] != '\\';
}

bool InstalledLauncherPath(const char* installDir, char* buffer, std::size_t size)
{
    const std::size_t length = BoundedLength(installDir, size);
    const bool separated = length != 0 && (installDir[length - 1] == '\\' || installDir[length - 1] == '/');
    return FormatText(buffer, size, "%s%s%s", installDir, separated ? "" : "\\", names::kLauncherProgram);
}

bool TerminateRegistryText(char* buffer, std::size_t size, std::uint32_t bytesRead)
{
    if (size == 0)
        return false;
    // A value stored without its terminator is as long as it says; one that
    // fills the whole buffer leaves no room for the terminator.
    const std::size_t length = BoundedLength(buffer, bytesRead < size ? bytesRead : size);
    if (length >= size) {
        buffer[0] = '\0';
        return false;
    }
    buffer[length] = '\0';
    return true;
}

void GetPaths(LauncherState& state, platform::Registry& registry, platform::Files& files)
{
    using Result = platform::Registry::ReadResult;
    if (ReadText(registry, names::kAppPathsKey, names::kInstallDirValue, state.installDir) != Result::Ok) {
        state.installDir[0] = '\0';
    } else {
        switch (ReadText(registry, names::kUninstallKey, names::kUninstallValue, state.uninstallCommand)) {
        case Result::KeyMissing:
            state.installDir[0] = '\0';
            break;
        case Result::ValueUnreadable:
            state.uninstallCommand[0] = '\0';
            break;
        case Result::Ok: {
            // An installation directory too long for the path counts as not
            // installed rather than as a shortened, different path. An empty
            // or relative one would name a launcher relative to the current
            // directory: the disc's own copy, most likely.
            char launcherPath[kLauncherPathSize];
            if (IsAbsolutePath(state.installDir) &&
                InstalledLauncherPath(state.installDir, launcherPath, sizeof launcherPath) &&
                files.CanOpenForReading(launcherPath))
                state.gameInstalled = true;
            break;
        }
        }
    }

    FormatText(state.DebugSpew, sizeof state.DebugSpew, "GetPaths() - gamepathname = %s", state.installDir);
}

void ReadInstallation(LauncherState& state, platform::Registry& registry, platform::Files& files)
{
    GetPaths(state, registry, files);
    ProbeRegistrationTool(state, files);
}
