#include "commands/Commands.h"

#include <cstring>

#include "core/BoundedText.h"
#include "core/LauncherState.h"
#include "core/Names.h"
#include "core/OsKind.h"
#include "commands/ProgramStarter.h"
#include "disc/DiscLocator.h"
#include "base/TextSizes.h"

void LauncherCommands::InstallGame()
{
    if (state_.setupLaunchStarted)
        return;
    state_.setupLaunchStarted = true;
    if (GetOsKind(platform_.system) == OsKind::WindowsNt4) {
        FormatText(state_.DebugSpew, sizeof state_.DebugSpew, "%s will not run under Windows NT.", names::kGameTitle);
        platform_.dialogs.ShowMessageBox(state_.DebugSpew, "Warning", platform::MessageKind::Warning);
        return;
    }
    StartProgram(platform_.processes, platform_.files, nullptr, names::kSetupProgram, nullptr);
    state_.quitPending = true;
}

void LauncherCommands::InstallDirectX()
{
    if (FileExists(platform_.files, names::kDirectXSetupPath)) {
        StartProgram(platform_.processes, platform_.files, nullptr, names::kDirectXSetupPath, nullptr);
        state_.quitPending = true;
        return;
    }
    char letter = FindDiscDrive(state_, platform_.drives, names::kDiscLabel);
    if (letter == '\0') {
        if (!AskForDisc(state_, platform_.drives, platform_.dialogs, state_.discLabel.c_str()))
            return;
        letter = state_.discDrive[0];
    }
    char directory[16];
    FormatText(directory, sizeof directory, "%c:\\%s", letter, names::kDirectXFolder);
    platform_.files.ChangeDirectory(directory);
    StartProgram(platform_.processes, platform_.files, names::kDirectXSetupProgram, nullptr, directory);
    state_.quitPending = true;
}

bool ComposeReadmeCommandLine(const char* windowsDirectory, const char* currentDirectory, char* line,
                              std::size_t size)
{
    // A drive root such as D:\ already ends in its separator.
    const char* separator = std::strlen(currentDirectory) >= 4 ? "\\" : "";
    return FormatText(line, size, "\"%s\\notepad.exe\" \"%s%s%s\"", windowsDirectory, currentDirectory, separator,
                      names::kReadmeFile);
}

void LauncherCommands::ShowReadme()
{
    char current[kPathSize];
    char windows[kWindowsDirectorySize];
    const std::uint32_t currentLength = platform_.files.CurrentDirectory(current, sizeof current);
    const std::uint32_t windowsLength = platform_.files.WindowsDirectory(windows, sizeof windows);
    if (currentLength == 0 || currentLength >= sizeof current || windowsLength == 0 || windowsLength >= sizeof windows)
        return;
    char line[kComposedPathSize];
    // A line that does not fit is not started cut short.
    if (!ComposeReadmeCommandLine(windows, current, line, sizeof line))
        return;
    StartProgram(platform_.processes, platform_.files, nullptr, line, nullptr);
}

void LauncherCommands::RunRegistrationTool()
{
    LaunchRegistrationTool(platform_.files, platform_.processes, false);
}

void LauncherCommands::OpenWebPage(const char* address)
{
    ::OpenWebPage(platform_.processes, platform_.dialogs, address);
}

const char* DirectXQuestionFormat(DxVersion version)
{
    switch (version) {
    case DxVersion::kNone:
        return "DirectX not installed.  You must have at least DirectX 7 installed in order to play %s.  "
               "Would you like to %s DirectX 8.0a now?";
    case DxVersion::kDirectX1:
        return "DirectX 1 found.  You must have at least DirectX 7 installed in order to play %s.  "
               "Would you like to %s DirectX 8.0a now?";
    case DxVersion::kDirectX2:
        return "DirectX 2 found.  You must have at least DirectX 7 installed in order to play %s.  "
               "Would you like to %s DirectX 8.0a now?";
    case DxVersion::kDirectX3:
        return "DirectX 3 found.  You must have at least DirectX 7 installed in order to play %s.  "
               "Would you like to %s DirectX 8.0a now?";
    case DxVersion::kDirectX5:
        return "DirectX 5 found.  You must have at least DirectX 7 installed in order to play %s.  "
               "Would you like to %s DirectX 8.0a now?";
    case DxVersion::kDirectX6:
        return "DirectX 6 found.  You must have at least DirectX 7 installed in order to play %s.  "
               "Would you like to %s DirectX 8.0a now?";
    case DxVersion::kDirectX61:
        return "DirectX 6.1 found.  You must have at least DirectX 7 installed in order to play %s.  "
               "Would you like to %s DirectX 8.0a now?";
    case DxVersion::kDirectX7:
    case DxVersion::kDirectX8:
        return nullptr;
    default:
        return "You must have at least DirectX 7 installed in order to play %s.  "
               "Would you like to %s DirectX 8.0a now?";
    }
}

void LauncherCommands::PlayGame()
{
    if (state_.gameLaunchStarted)
        return;
    LoadDirectXLibraries(directX_, platform_.directX);
    const DxVersion version = DetectDirectXVersion(directX_, platform_.directX, platform_.system);

    const char* question = DirectXQuestionFormat(version);
    if (question != nullptr) {
        char text[512];
        FormatText(text, sizeof text, question, names::kGameTitle, "install");
        if (platform_.dialogs.ShowMessageBox(text, "Install DirectX 8.0a?", platform::MessageKind::YesNoQuestion) ==
            platform::Answer::Yes)
            InstallDirectX();
        UnloadDirectXLibraries(directX_, platform_.directX);
        return;
    }

    CopyText(state_.DebugSpew, version == DxVersion::kDirectX7 ? "DirectX 7 detected" : "DirectX 8 detected");
    UnloadDirectXLibraries(directX_, platform_.directX);
    state_.gameLaunchStarted = true;
    platform_.files.ChangeDirectory(state_.installDir);
    ReleaseInstanceMutex(state_, platform_.instances);
    const platform::StartResult started = StartProgram(platform_.processes, platform_.files, nullptr, names::kGameProgram, nullptr);
    if (!started.started) {
        const std::string text = SystemErrorText(platform_.processes, started.error);
        // The caption is "Setup.exe" although Play starts VXR.exe: one of the
        // launcher's fixed texts, kept as it stands.
        platform_.dialogs.ShowMessageBox(text.c_str(), "Setup.exe", platform::MessageKind::Information);
    }
    state_.quitPending = true;
}

void LauncherCommands::QuitLauncher()
{
    state_.quitPending = true;
}

void LauncherCommands::UninstallGame()
{
    StartProgram(platform_.processes, platform_.files, nullptr, state_.uninstallCommand, nullptr);
    state_.quitPending = true;
}
