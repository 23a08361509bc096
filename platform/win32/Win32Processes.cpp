#include <windows.h>

#include <shellapi.h>

#include <string>

#include "platform/win32/SystemFunction.h"
#include "framework/Win32Handle.h"
#include "platform/win32/Win32Platform.h"

namespace win32 {

namespace {

// SHELL32 is loaded when a command first needs it, from the system directory.
typedef BOOL(WINAPI* ShellExecuteExFunction)(SHELLEXECUTEINFOA*);
typedef HINSTANCE(WINAPI* ShellExecuteFunction)(HWND, LPCSTR, LPCSTR, LPCSTR, LPCSTR, INT);

}  // namespace

platform::StartResult Processes::StartProcess(const char* applicationName, const char* commandLine,
                                               const char* currentDirectory, bool waitForExit)
{
    // CreateProcess may write into the command line it is given.
    std::string line = commandLine != nullptr ? commandLine : "";
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process = {};
    if (!CreateProcessA(applicationName, commandLine != nullptr ? &line[0] : NULL, NULL, NULL, FALSE,
                        CREATE_DEFAULT_ERROR_MODE, NULL, currentDirectory, &startup, &process))
        return platform::StartResult{false, GetLastError()};
    KernelHandle processHandle(process.hProcess);
    KernelHandle threadHandle(process.hThread);
    if (waitForExit)
        WaitForSingleObject(processHandle.get(), INFINITE);
    return platform::StartResult{true, 0};
}

platform::StartResult Processes::ShellExecuteOpen(const char* file, const char* parameters, const char* directory,
                                                  bool waitForExit)
{
    SHELLEXECUTEINFOA info = {};
    info.cbSize = sizeof info;
    info.fMask = SEE_MASK_FLAG_NO_UI | (waitForExit ? SEE_MASK_NOCLOSEPROCESS : 0);
    info.lpVerb = "open";
    info.lpFile = file;
    info.lpParameters = parameters;
    info.lpDirectory = directory;
    info.nShow = SW_SHOWNORMAL;
    const ShellExecuteExFunction shellExecuteEx = SystemFunction<ShellExecuteExFunction>("shell32.dll", "ShellExecuteExA");
    if (shellExecuteEx == nullptr)
        return platform::StartResult{false, ERROR_DLL_NOT_FOUND};
    if (!shellExecuteEx(&info))
        return platform::StartResult{false, GetLastError()};
    // No handle when the shell handed the file to a running program.
    KernelHandle process(info.hProcess);
    if (waitForExit && process)
        WaitForSingleObject(process.get(), INFINITE);
    return platform::StartResult{true, 0};
}

std::intptr_t Processes::OpenDocument(const char* address)
{
    const ShellExecuteFunction shellExecute = SystemFunction<ShellExecuteFunction>("shell32.dll", "ShellExecuteA");
    if (shellExecute == nullptr)
        return SE_ERR_DLLNOTFOUND;
    const HINSTANCE result = shellExecute(NULL, "open", address, NULL, NULL, SW_SHOW);
    return reinterpret_cast<std::intptr_t>(result);
}

std::string Processes::SystemErrorText(std::uint32_t error)
{
    char* text = nullptr;
    const DWORD length = FormatMessageA(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_IGNORE_INSERTS | FORMAT_MESSAGE_FROM_SYSTEM, NULL, error,
        MAKELANGID(LANG_NEUTRAL, SUBLANG_DEFAULT), reinterpret_cast<char*>(&text), 0, NULL);
    LocalMemory owner(text);
    return length != 0 && text != nullptr ? std::string(text, length) : std::string();
}

}  // namespace win32
