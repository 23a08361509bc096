// A console helper for the end-to-end tests: tells what the window system
// knows of a top-level window, and can minimise one.
//   wininfo foreground          title of the foreground window
//   wininfo window TITLE        "iconic=0 enabled=1 owner=TITLE" or "none"
//   wininfo minimize TITLE
//   wininfo text TITLE          the texts of the window's children, one per line
//   wininfo drive E:\           the drive's type as GetDriveType gives it (5: CD-ROM)
#include <windows.h>

#include <cstdio>
#include <cstring>

namespace {

BOOL CALLBACK PrintChild(HWND child, LPARAM)
{
    char text[512] = {};
    char className[64] = {};
    // GetWindowText does not ask another process's controls; WM_GETTEXT does.
    SendMessageA(child, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text));
    GetClassNameA(child, className, sizeof className);
    std::printf("%s\t%d\t%s\n", className, GetDlgCtrlID(child), text);
    return TRUE;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc >= 2 && std::strcmp(argv[1], "foreground") == 0) {
        char title[256] = {};
        GetWindowTextA(GetForegroundWindow(), title, sizeof title);
        std::printf("%s\n", title);
        return 0;
    }
    if (argc < 3)
        return 2;
    if (std::strcmp(argv[1], "drive") == 0) {
        std::printf("%u\n", GetDriveTypeA(argv[2]));
        return 0;
    }
    HWND window = FindWindowA(NULL, argv[2]);
    if (window == NULL) {
        std::printf("none\n");
        return 1;
    }
    if (std::strcmp(argv[1], "minimize") == 0) {
        ShowWindow(window, SW_MINIMIZE);
        return 0;
    }
    if (std::strcmp(argv[1], "text") == 0) {
        char title[256] = {};
        GetWindowTextA(window, title, sizeof title);
        std::printf("caption\t0\t%s\n", title);
        EnumChildWindows(window, PrintChild, 0);
        return 0;
    }
    char owner[256] = "";
    const HWND ownerWindow = GetWindow(window, GW_OWNER);
    if (ownerWindow != NULL)
        GetWindowTextA(ownerWindow, owner, sizeof owner);
    std::printf("iconic=%d enabled=%d owner=%s\n", IsIconic(window) ? 1 : 0, IsWindowEnabled(window) ? 1 : 0, owner);
    return 0;
}
