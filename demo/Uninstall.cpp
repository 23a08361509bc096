// The demo uninstaller. Started from the installation directory, it copies
// itself to the temporary folder and hands over to that copy, which waits
// for it to end and then removes the game's files, the directory and the
// two registry entries.
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "core/Installation.h"
#include "core/Language.h"
#include "StandIn.h"

namespace {

bool DeleteWithRetries(const std::string& path)
{
    // The launcher that started us may still be closing and hold its exe.
    for (int attempt = 0; attempt < 40; ++attempt) {
        if (DeleteFileA(path.c_str()) || GetLastError() == ERROR_FILE_NOT_FOUND)
            return true;
        Sleep(250);
    }
    return false;
}

// A folder of pictures with the pictures in it; nothing else the player
// may have put there.
void RemovePictures(const std::string& folder)
{
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA((folder + "\\*.bmp").c_str(), &found);
    if (search != INVALID_HANDLE_VALUE) {
        do {
            DeleteWithRetries(folder + "\\" + found.cFileName);
        } while (FindNextFileA(search, &found));
        FindClose(search);
    }
    RemoveDirectoryA(folder.c_str());
}

void RemoveInstallation(const std::string& directory)
{
    RegDeleteKeyA(HKEY_LOCAL_MACHINE, names::kAppPathsKey);
    RegDeleteKeyA(HKEY_LOCAL_MACHINE, names::kUninstallKey);
    for (const char* file : installation::kInstalledFiles)
        DeleteWithRetries(directory + "\\" + file);
    for (const Language& language : kLanguages)
        RemovePictures(directory + "\\bitmaps\\" + language.code);
    RemovePictures(directory + "\\bitmaps");
    const std::string registration = directory + "\\" + names::kRegistrationFolder;
    DeleteWithRetries(registration + "\\" + names::kRegistrationProgram);
    RemoveDirectoryA(registration.c_str());
    for (int attempt = 0; attempt < 40 && !RemoveDirectoryA(directory.c_str()); ++attempt)
        Sleep(250);
}

int HandOver()
{
    char temp[MAX_PATH];
    const DWORD length = GetTempPathA(MAX_PATH, temp);
    if (length == 0 || length >= MAX_PATH)
        return 1;
    const std::string copy = std::string(temp) + "IronmarchUninstall.exe";
    char self[MAX_PATH];
    GetModuleFileNameA(NULL, self, MAX_PATH);
    if (!CopyFileA(self, copy.c_str(), FALSE))
        return 1;
    char line[2 * MAX_PATH + 64];
    std::snprintf(line, sizeof line, "\"%s\" /cleanup %lu \"%s\"", copy.c_str(), GetCurrentProcessId(),
                  standin::ModuleDirectory().c_str());
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process = {};
    if (!CreateProcessA(NULL, line, NULL, NULL, FALSE, 0, NULL, temp, &startup, &process))
        return 1;
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return 0;
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR commandLine, int)
{
    const char* cleanup = std::strstr(commandLine, "/cleanup ");
    if (cleanup == nullptr) {
        standin::LogStart("uninstall.exe");
        return HandOver();
    }
    char* rest = nullptr;
    const unsigned long parent = std::strtoul(cleanup + 9, &rest, 10);
    const char* open = std::strchr(rest, '"');
    const char* close = open != nullptr ? std::strchr(open + 1, '"') : nullptr;
    if (close == nullptr)
        return 1;
    HANDLE process = OpenProcess(SYNCHRONIZE, FALSE, parent);
    if (process != NULL) {
        WaitForSingleObject(process, 10000);
        CloseHandle(process);
    }
    RemoveInstallation(std::string(open + 1, close));
    return 0;
}
