#include "app/MainFrame.h"

#include <mmsystem.h>


#include "startup/Restart.h"
#include "startup/SingleInstance.h"
#include "startup/GetPaths.h"
#include "launcher/WindowPlacement.h"
#include "core/BoundedText.h"
#include "core/LauncherState.h"
#include "core/Language.h"
#include "core/Names.h"
#include "platform/win32/SystemFunction.h"
#include "app/LauncherPlatform.h"
#include "resources/resource.h"
#include "base/TextSizes.h"

namespace {

constexpr DWORD kMainWindowStyle = WS_POPUP | WS_VISIBLE;

// The one resource named rather than numbered: PlaySoundA with SND_RESOURCE
// looks the WAVE resource up by that name.
void PlayStartupSound(const char* name)
{
    // WINMM is no known system DLL: imported statically, Windows would take
    // a copy planted beside the launcher. So it comes from the system
    // directory, and a system without it only stays silent.
    typedef BOOL(WINAPI * PlaySoundFunction)(LPCSTR, HMODULE, DWORD);
    const PlaySoundFunction playSound = win32::SystemFunction<PlaySoundFunction>("winmm.dll", "PlaySoundA");
    if (playSound == nullptr)
        return;
    HMODULE module = GetModuleHandleA(NULL);
    playSound(NULL, module, SND_RESOURCE | SND_NODEFAULT | SND_PURGE);
    playSound(name, module, SND_RESOURCE | SND_ASYNC | SND_NODEFAULT | SND_NOWAIT);
}

// GetKeyState, looked up at run time: every Windows has it, but the loader
// data of the older ones does not say so.
bool ShiftHeld()
{
    typedef SHORT(WINAPI * GetKeyStateFunction)(int);
    const auto keyState = win32::SystemFunction<GetKeyStateFunction>("user32.dll", "GetKeyState");
    return keyState != nullptr && keyState(VK_SHIFT) < 0;
}

}  // namespace

const MessageEntry<CMainFrame> CMainFrame::kMessageTable[] = {
    on::Paint<&CMainFrame::OnPaint>(),
    on::KeyDown<&CMainFrame::OnKeyDown>(),
    on::ActivateApp<&CMainFrame::OnActivateApp>(),
    on::MouseMove<&CMainFrame::OnMouseMove>(),
    on::LButtonDown<&CMainFrame::OnLButtonDown>(),
    on::LButtonUp<&CMainFrame::OnLButtonUp>(),
    on::Activate<&CMainFrame::OnActivate>(),
    on::EraseBkgnd<&CMainFrame::OnEraseBkgnd>(),
    on::AccessibleObject<&CMainFrame::OnGetObject>(),
    on::Plain<win32::kPressButtonMessage, &CMainFrame::OnPressButton>(),
};

CMainFrame::CMainFrame()
    : images_(ThePlatform().wholeFiles, ThePlatform().graphics),
      commands_(TheLauncherState(), ThePlatform().commandServices, ThePlatform().texts),
      window_(TheLauncherState(), ThePlatform().registry, ThePlatform().files, images_, rowCommands_,
              ThePlatform().texts)
{
    LauncherState& state = TheLauncherState();
    LauncherPlatform& system = ThePlatform();
    system.texts.UseLanguage(ChooseLanguage(
        LanguageFacts{InstalledGameLanguage(system.registry), system.facts.UiLanguage(), system.facts.UserDefaultLanguage()},
        system.textTables));

    // A second launcher ends here, inside the constructor: no window exists
    // yet, and nothing that a normal exit would tidy up has been made.
    if (!CheckSingleInstance(state, system.instances))
        ExitProcess(0);

    window_.InitButtonTable();

    const platform::Rect rect = MainWindowRect(system.facts.ScreenWidth(), system.facts.ScreenHeight());

    char currentDirectory[kLongTextSize];
    const std::uint32_t length = system.files.CurrentDirectory(currentDirectory, sizeof currentDirectory);
    if (length == 0 || length >= sizeof currentDirectory)
        currentDirectory[0] = '\0';
    const bool restarted = TakeRestartMark(system.facts);
    if (state.gameInstalled &&
        RestartFromInstallDir(state, currentDirectory, restarted, system.files, system.processes, system.instances,
                              system.facts))
        ExitProcess(0);  // the launcher of the installation directory takes over

    window_.LoadButtonBitmaps();

    const RECT windowRect = {rect.left, rect.top, rect.right, rect.bottom};
    if (!Create(names::kLauncherWindowTitle, kMainWindowStyle, windowRect))
        return;  // InitInstance sees no window and ends the launcher

    HICON icon = LoadIconA(GetModuleHandleA(NULL), MAKEINTRESOURCEA(IDI_LAUNCHER));
    SendMessageA(m_hWnd, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon));
    state.mainWindow = win32::Wrap<platform::WindowHandle>(m_hWnd);
    system.dialogs.SetOwner(m_hWnd);
    CopyText(state.DebugSpew, "\nDebug spew.\n");
    PlayStartupSound("IDR_WAVE1");
    win32::WindowSurface surface(m_hWnd);
    window_.RealizeWindowPalette(surface);
}

CMainFrame::~CMainFrame()
{
    win32::ReleaseAccessibleClient(accessible_);
    TheLauncherState().discLabel.clear();
    window_.ReleaseImages();
    TheLauncherState().mainWindow = {};
    ThePlatform().dialogs.SetOwner(NULL);
}

bool CMainFrame::OnMessage(const Message& message, LRESULT* result)
{
    return DispatchFromTable(*this, kMessageTable, message, result);
}

LRESULT CMainFrame::OnPaint(const Message&)
{
    win32::WindowSurface surface(m_hWnd);
    window_.PaintWindow(surface);
    return 0;
}

LRESULT CMainFrame::OnEraseBkgnd(const Message&)
{
    win32::WindowSurface surface(m_hWnd);
    window_.OnEraseBackground(surface);
    return TRUE;
}

LRESULT CMainFrame::OnActivate(const Message& message)
{
    const LRESULT result = Default(message);
    win32::WindowSurface surface(m_hWnd);
    window_.OnActivate(surface);
    return result;
}

LRESULT CMainFrame::OnActivateApp(bool active, const Message& message)
{
    const LRESULT result = Default(message);
    win32::WindowSurface surface(m_hWnd);
    window_.OnActivateApp(surface, active);
    return result;
}

LRESULT CMainFrame::OnKeyDown(unsigned virtualKey, const Message& message)
{
    win32::WindowSurface surface(m_hWnd);
    window_.OnKeyDown(surface, virtualKey, ShiftHeld());
    return Default(message);
}

LRESULT CMainFrame::OnGetObject(const Message& message)
{
    // Only the client area is the launcher's to describe; the frame and its
    // other parts are the system's.
    if (static_cast<LONG>(message.lParam) != static_cast<LONG>(OBJID_CLIENT))
        return Default(message);
    if (accessible_ == nullptr)
        accessible_ = win32::CreateAccessibleClient(m_hWnd, window_);
    const LRESULT answer = win32::AnswerGetObject(accessible_, message.wParam);
    return answer != 0 ? answer : Default(message);
}

LRESULT CMainFrame::OnPressButton(const Message& message)
{
    win32::WindowSurface surface(m_hWnd);
    window_.PressAccessibleButton(surface, static_cast<int>(message.wParam));
    return 0;
}

LRESULT CMainFrame::OnMouseMove(int x, int y, const Message& message)
{
    win32::WindowSurface surface(m_hWnd);
    window_.OnMouseMove(surface, x, y);
    return Default(message);
}

LRESULT CMainFrame::OnLButtonDown(const Message& message)
{
    win32::WindowSurface surface(m_hWnd);
    window_.OnLButtonDown(surface);
    return Default(message);
}

LRESULT CMainFrame::OnLButtonUp(const Message& message)
{
    win32::WindowSurface surface(m_hWnd);
    window_.OnLButtonUp(surface);
    return Default(message);
}
