#include "StandIn.h"

#include <cstdio>
#include <cstdlib>

namespace standin {

namespace {

std::vector<std::string> windowLines;
void (*closeAction)() = nullptr;
bool closing = false;

void Close(HWND window)
{
    if (closing)
        return;
    closing = true;
    if (closeAction != nullptr)
        closeAction();
    DestroyWindow(window);
}

LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_PAINT: {
        PAINTSTRUCT paint;
        HDC dc = BeginPaint(window, &paint);
        RECT client;
        GetClientRect(window, &client);
        FillRect(dc, &client, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
        SetBkMode(dc, TRANSPARENT);
        SetTextColor(dc, RGB(230, 200, 120));
        int y = 30;
        for (const std::string& line : windowLines) {
            TextOutA(dc, 30, y, line.c_str(), static_cast<int>(line.size()));
            y += 24;
        }
        EndPaint(window, &paint);
        return 0;
    }
    case WM_KEYDOWN:
    case WM_LBUTTONUP:
    case WM_TIMER:
    case WM_CLOSE:
        Close(window);
        return 0;
    case WM_DESTROY:
        PostQuitMessage(0);
        return 0;
    default:
        return DefWindowProcA(window, message, wParam, lParam);
    }
}

}  // namespace

std::string Environment(const char* name)
{
    char value[1024];
    const DWORD length = GetEnvironmentVariableA(name, value, sizeof value);
    return length == 0 || length >= sizeof value ? std::string() : std::string(value, length);
}

std::string ModuleDirectory()
{
    char path[MAX_PATH];
    const DWORD length = GetModuleFileNameA(NULL, path, MAX_PATH);
    std::string directory(path, length < MAX_PATH ? length : 0);
    const std::string::size_type slash = directory.find_last_of("\\/");
    return slash == std::string::npos ? std::string() : directory.substr(0, slash);
}

void LogStart(const char* name)
{
    const std::string logPath = Environment("IRONMARCH_STANDIN_LOG");
    if (logPath.empty())
        return;
    char directory[MAX_PATH] = {};
    GetCurrentDirectoryA(MAX_PATH, directory);
    std::FILE* log = std::fopen(logPath.c_str(), "ab");
    if (log == nullptr)
        return;
    std::fprintf(log, "%s\t%s\t%s\n", name, GetCommandLineA(), directory);
    std::fclose(log);
}

int RunWindow(const char* title, const std::vector<std::string>& lines, bool holdMutex, void (*onClose)())
{
    windowLines = lines;
    closeAction = onClose;
    HANDLE mutex = holdMutex ? CreateMutexA(NULL, TRUE, "Ironmarch") : NULL;

    WNDCLASSA windowClass = {};
    windowClass.lpfnWndProc = WindowProc;
    windowClass.hInstance = GetModuleHandleA(NULL);
    windowClass.hCursor = LoadCursorA(NULL, reinterpret_cast<LPCSTR>(IDC_ARROW));
    windowClass.lpszClassName = "IronmarchStandIn";
    RegisterClassA(&windowClass);
    const int width = 480;
    const int height = 80 + 24 * static_cast<int>(lines.size());
    HWND window = CreateWindowExA(0, windowClass.lpszClassName, title, WS_POPUP | WS_BORDER | WS_VISIBLE,
                                  (GetSystemMetrics(SM_CXSCREEN) - width) / 2, 40, width, height, NULL, NULL,
                                  windowClass.hInstance, NULL);
    const std::string seconds = Environment("IRONMARCH_STANDIN_SECONDS");
    if (!seconds.empty())
        SetTimer(window, 1, static_cast<UINT>(std::atoi(seconds.c_str()) * 1000), NULL);

    MSG msg;
    while (GetMessageA(&msg, NULL, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    if (mutex != NULL)
        CloseHandle(mutex);
    return 0;
}

}  // namespace standin
