// What each button of the main window does.
#pragma once
#include <cstddef>

#include "directx/DirectXLibraries.h"
#include "launcher/LauncherWindow.h"
#include "platform/Platform.h"

struct LauncherState;

// The publisher's web pages, in one place.
struct WebAddresses {
    const char* productPage;
    const char* siteHomePage;
    const char* secondSitePage;
    const char* thirdSitePage;
    const char* onlineServicePage;
};
extern const WebAddresses kWebAddresses;

class LauncherCommands : public ButtonCommands {
public:
    LauncherCommands(LauncherState& state, platform::Platform& platform) : state_(state), platform_(platform) {}

    void RunButtonCommand(int id) override;

    void InstallGame();
    void InstallDirectX();
    void ShowReadme();
    void RunRegistrationTool();
    void OpenProductPage();
    void OpenSiteHomePage();
    void PlayGame();
    void QuitLauncher();
    void UninstallGame();
    void OpenSecondSitePage();
    void OpenThirdSitePage();
    void OpenOnlineServicePage();

private:
    LauncherState& state_;
    platform::Platform& platform_;
    DirectXLibraries directX_;
};

// The Notepad command line for readme.txt of the current directory. False
// (and an empty line) when it does not fit.
bool ComposeReadmeCommandLine(const char* windowsDirectory, const char* currentDirectory, char* line,
                              std::size_t size);

// The DirectX question for a probed version; null when the game can start.
const char* DirectXQuestionFormat(DxVersion version);
