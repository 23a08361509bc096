// A DLL that the tests plant beside the launcher under a system DLL's name.
// Loading it appends "planted NAME" to the stand-in log; the launcher must
// never load it.
#include <windows.h>

BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID)
{
    if (reason != DLL_PROCESS_ATTACH)
        return TRUE;
    char log[MAX_PATH];
    const DWORD length = GetEnvironmentVariableA("IRONMARCH_STANDIN_LOG", log, sizeof log);
    if (length == 0 || length >= sizeof log)
        return TRUE;
    char line[MAX_PATH + 16] = "planted ";
    GetModuleFileNameA(instance, line + 8, MAX_PATH);
    lstrcatA(line, "\r\n");
    const HANDLE file = CreateFileA(log, FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE, NULL, OPEN_ALWAYS,
                                    FILE_ATTRIBUTE_NORMAL, NULL);
    if (file != INVALID_HANDLE_VALUE) {
        DWORD written = 0;
        WriteFile(file, line, static_cast<DWORD>(lstrlenA(line)), &written, NULL);
        CloseHandle(file);
    }
    return TRUE;
}
