// What each button of the main window does.
#pragma once
#include <cstddef>

#include "directx/DirectXLibraries.h"
#include "platform/CommandServices.h"

struct LauncherState;
class LocalTexts;

// The buttons' commands; the button table says which button runs which,
// and which web address each web button opens.
class LauncherCommands {
public:
    LauncherCommands(LauncherState& state, platform::CommandServices& platform, const LocalTexts& texts)
        : state_(state), platform_(platform), texts_(texts)
    {
    }

    void InstallGame();
    void InstallDirectX();
    void ShowReadme();
    void RunRegistrationTool();
    void OpenWebPage(const char* address);
    void PlayGame();
    void QuitLauncher();
    void UninstallGame();

private:
    LauncherState& state_;
    platform::CommandServices& platform_;
    const LocalTexts& texts_;
    DirectXLibraries directX_;
};

// The Notepad command line for readme.txt of the current directory. False
// (and an empty line) when it does not fit.
bool ComposeReadmeCommandLine(const char* windowsDirectory, const char* currentDirectory, char* line,
                              std::size_t size);

// The string id of the DirectX question for a probed version; 0 when the
// game can start.
unsigned DirectXQuestionId(DxVersion version);
