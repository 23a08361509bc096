#include "app/MainFrame.h"

#include <mmsystem.h>


#include "app/BoundedText.h"
#include "app/LauncherState.h"
#include "app/Names.h"
#include "app/Restart.h"
#include "app/SingleInstance.h"
#include "app/WindowPlacement.h"
#include "framework/SystemLibrary.h"
#include "platform/win32/Win32Platform.h"
#include "resources/resource.h"

namespace {

constexpr DWORD kMainWindowStyle = WS_POPUP | WS_VISIBLE;

void PlayStartupSound(const char* name)
{
    // WINMM is no known system DLL: imported statically, Windows would take
    // a copy planted beside the launcher. So it comes from the system
    // directory, and a system without it only stays silent.
    typedef BOOL(WINAPI * PlaySoundFunction)(LPCSTR, HMODULE, DWORD);
    const PlaySoundFunction playSound = SystemFunction<PlaySoundFunction>("winmm.dll", "PlaySoundA");
    if (playSound == nullptr)
        return;
    HMODULE module = GetModuleHandleA(NULL);
    playSound(NULL, module, SND_RESOURCE | SND_NODEFAULT | SND_PURGE);
    playSound(name, module, SND_RESOURCE | SND_ASYNC | SND_NODEFAULT | SND_NOWAIT);
}

}  // namespace

const MessageEntry<CMainFrame> CMainFrame::kMessageTable[8] = {
    {WM_PAINT, &CMainFrame::OnPaint},
    {WM_KEYDOWN, &CMainFrame::OnKeyDown},
    {WM_ACTIVATEAPP, &CMainFrame::OnActivateApp},
    {WM_MOUSEMOVE, &CMainFrame::OnMouseMove},
    {WM_LBUTTONDOWN, &CMainFrame::OnLButtonDown},
    {WM_LBUTTONUP, &CMainFrame::OnLButtonUp},
    {WM_ACTIVATE, &CMainFrame::OnActivate},
    {WM_ERASEBKGND, &CMainFrame::OnEraseBkgnd},
};

CMainFrame::CMainFrame()
    : images_(win32::ThePlatform().memory, win32::ThePlatform().bitmapFiles, win32::ThePlatform().graphics),
      commands_(TheLauncherState(), win32::ThePlatform().platform),
      window_(TheLauncherState(), win32::ThePlatform().registry, win32::ThePlatform().files, images_, commands_)
{
    LauncherState& state = TheLauncherState();
    win32::Win32Platform& system = win32::ThePlatform();

    if (!CheckSingleInstance(state, system.desktop))
        ExitProcess(0);

    window_.InitButtonTable();

    const platform::Rect rect = MainWindowRect(system.desktop.ScreenWidth(), system.desktop.ScreenHeight());

    char currentDirectory[1024];
    const std::uint32_t length = system.files.CurrentDirectory(currentDirectory, sizeof currentDirectory);
    if (length == 0 || length >= sizeof currentDirectory)
        currentDirectory[0] = '\0';
    const bool restarted = TakeRestartMark(system.desktop);
    if (state.gameInstalled &&
        RestartFromInstallDir(state, currentDirectory, restarted, system.files, system.processes, system.desktop))
        ExitProcess(0);

    window_.LoadButtonBitmaps();

    const RECT windowRect = {rect.left, rect.top, rect.right, rect.bottom};
    if (!Create(names::kLauncherWindowTitle, kMainWindowStyle, windowRect))
        return;  // InitInstance sees no window and ends the launcher

    HICON icon = LoadIconA(GetModuleHandleA(NULL), MAKEINTRESOURCEA(IDI_LAUNCHER));
    SendMessageA(m_hWnd, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon));
    state.mainWindow = reinterpret_cast<platform::WindowHandle>(m_hWnd);
    CopyText(state.DebugSpew, "\nDebug spew.\n");
    PlayStartupSound("IDR_WAVE1");
    win32::WindowSurface surface(m_hWnd);
    window_.RealizeWindowPalette(surface);
}

CMainFrame::~CMainFrame()
{
    TheLauncherState().discLabel.clear();
    window_.ReleaseImages();
    TheLauncherState().mainWindow = 0;
}

bool CMainFrame::OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result)
{
    return DispatchFromTable(*this, kMessageTable, message, wParam, lParam, result);
}

LRESULT CMainFrame::OnPaint(WPARAM, LPARAM)
{
    win32::WindowSurface surface(m_hWnd);
    window_.PaintWindow(surface);
    return 0;
}

LRESULT CMainFrame::OnEraseBkgnd(WPARAM, LPARAM)
{
    win32::WindowSurface surface(m_hWnd);
    window_.OnEraseBackground(surface);
    return TRUE;
}

LRESULT CMainFrame::OnActivate(WPARAM, LPARAM)
{
    const LRESULT result = Default();
    win32::WindowSurface surface(m_hWnd);
    window_.OnActivate(surface);
    return result;
}

LRESULT CMainFrame::OnActivateApp(WPARAM wParam, LPARAM)
{
    const LRESULT result = Default();
    win32::WindowSurface surface(m_hWnd);
    window_.OnActivateApp(surface, wParam != FALSE);
    return result;
}

LRESULT CMainFrame::OnKeyDown(WPARAM wParam, LPARAM)
{
    win32::WindowSurface surface(m_hWnd);
    window_.OnKeyDown(surface, static_cast<unsigned>(wParam));
    return Default();
}

LRESULT CMainFrame::OnMouseMove(WPARAM, LPARAM lParam)
{
    win32::WindowSurface surface(m_hWnd);
    window_.OnMouseMove(surface, static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam)));
    return Default();
}

LRESULT CMainFrame::OnLButtonDown(WPARAM, LPARAM)
{
    win32::WindowSurface surface(m_hWnd);
    window_.OnLButtonDown(surface);
    return Default();
}

LRESULT CMainFrame::OnLButtonUp(WPARAM, LPARAM)
{
    win32::WindowSurface surface(m_hWnd);
    window_.OnLButtonUp(surface);
    return Default();
}
