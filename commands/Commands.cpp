#include "commands/Commands.h"

#include <cstring>

#include "core/BoundedText.h"
#include "core/LauncherState.h"
#include "core/LocalTexts.h"
#include "core/Names.h"
#include "core/OsKind.h"
#include "commands/ProgramStarter.h"
#include "disc/DiscLocator.h"
#include "base/TextSizes.h"
#include "resources/resource.h"

void LauncherCommands::InstallGame()
{
    if (state_.setupLaunchStarted)
        return;
    state_.setupLaunchStarted = true;
    if (GetOsKind(platform_.system) == OsKind::WindowsNt4) {
        CopyText(state_.DebugSpew, texts_.Format(IDS_NT_WARNING, {names::kGameTitle}).c_str());
        const std::string caption = texts_.Text(IDS_WARNING);
        platform_.dialogs.ShowMessageBox(state_.DebugSpew, caption.c_str(), platform::MessageKind::Warning);
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
    ::OpenWebPage(platform_.processes, platform_.dialogs, texts_, address);
}

unsigned DirectXQuestionId(DxVersion version)
{
    switch (version) {
    case DxVersion::kNone:
        return IDS_DIRECTX_NONE;
    case DxVersion::kDirectX1:
        return IDS_DIRECTX_1;
    case DxVersion::kDirectX2:
        return IDS_DIRECTX_2;
    case DxVersion::kDirectX3:
        return IDS_DIRECTX_3;
    case DxVersion::kDirectX5:
        return IDS_DIRECTX_5;
    case DxVersion::kDirectX6:
        return IDS_DIRECTX_6;
    case DxVersion::kDirectX61:
        return IDS_DIRECTX_61;
    case DxVersion::kDirectX7:
    case DxVersion::kDirectX8:
        return 0;
    default:
        return IDS_DIRECTX_OTHER;
    }
}

void LauncherCommands::PlayGame()
{
    if (state_.gameLaunchStarted)
        return;
    LoadDirectXLibraries(directX_, platform_.directX);
    const DxVersion version = DetectDirectXVersion(directX_, platform_.directX, platform_.system);

    const unsigned question = DirectXQuestionId(version);
    if (question != 0) {
        const std::string text = texts_.Format(question, {names::kGameTitle, texts_.Text(IDS_DIRECTX_INSTALL).c_str()});
        const std::string caption = texts_.Text(IDS_DIRECTX_CAPTION);
        if (platform_.dialogs.ShowMessageBox(text.c_str(), caption.c_str(), platform::MessageKind::YesNoQuestion) ==
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
        const std::string caption = texts_.Text(IDS_GAME_START_CAPTION);
        platform_.dialogs.ShowMessageBox(text.c_str(), caption.c_str(), platform::MessageKind::Information);
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
