// The demo installer. Its window "Ironmarch Setup" stays up, holding the
// game's mutex, until a key, a click or IRONMARCH_STANDIN_SECONDS; then it
// copies the game into the installation directory, writes the two registry
// entries and starts the installed launcher, as installers of the time did.
#include <string>

#include "core/Installation.h"
#include "core/Language.h"
#include "StandIn.h"

namespace {

std::string target;
bool installed = false;

bool SetValue(HKEY key, const char* name, const std::string& value)
{
    return RegSetValueExA(key, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                          static_cast<DWORD>(value.size() + 1)) == ERROR_SUCCESS;
}

bool WriteKey(const char* keyName, const char* valueName, const std::string& value, const char* otherName,
              const std::string& otherValue)
{
    HKEY key = NULL;
    if (RegCreateKeyExA(HKEY_LOCAL_MACHINE, keyName, 0, NULL, 0, KEY_SET_VALUE, NULL, &key, NULL) != ERROR_SUCCESS)
        return false;
    const bool ok = SetValue(key, valueName, value) && SetValue(key, otherName, otherValue);
    RegCloseKey(key);
    return ok;
}

// Files on a CD are read-only, and CopyFile keeps that: the copy is made
// writable, or the uninstaller could not remove it.
bool CopyFromDisc(const std::string& from, const std::string& to)
{
    return CopyFileA(from.c_str(), to.c_str(), FALSE) && SetFileAttributesA(to.c_str(), FILE_ATTRIBUTE_NORMAL);
}

bool CopyAll(const std::string& from, const std::string& to, const char* pattern)
{
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA((from + "\\" + pattern).c_str(), &found);
    if (search == INVALID_HANDLE_VALUE)
        return false;
    bool ok = true;
    do {
        ok = CopyFromDisc(from + "\\" + found.cFileName, to + "\\" + found.cFileName) && ok;
    } while (FindNextFileA(search, &found));
    FindClose(search);
    return ok;
}

// CreateDirectory makes one level; the installation directory may need several.
void CreateDirectories(const std::string& path)
{
    for (std::string::size_type at = path.find('\\', 3); at != std::string::npos; at = path.find('\\', at + 1))
        CreateDirectoryA(path.substr(0, at).c_str(), NULL);
    CreateDirectoryA(path.c_str(), NULL);
}

void Install()
{
    const std::string disc = standin::ModuleDirectory();
    CreateDirectories(target);
    CreateDirectoryA((target + "\\bitmaps").c_str(), NULL);
    bool ok = true;
    for (const char* file : installation::kDiscFiles)
        ok = CopyFromDisc(disc + "\\" + file, target + "\\" + file) && ok;
    for (const char* file : installation::kGameFiles)
        ok = CopyFromDisc(disc + "\\" + installation::kGameFolder + "\\" + file, target + "\\" + file) && ok;
    ok = CopyAll(disc + "\\bitmaps", target + "\\bitmaps", "*.bmp") && ok;
    // Each language's pictures the disc carries, so that the installed menu
    // speaks the player's language too.
    for (const Language& language : kLanguages) {
        const std::string folder = std::string("\\bitmaps\\") + language.code;
        if (GetFileAttributesA((disc + folder).c_str()) == INVALID_FILE_ATTRIBUTES)
            continue;
        CreateDirectoryA((target + folder).c_str(), NULL);
        ok = CopyAll(disc + folder, target + folder, "*.bmp") && ok;
    }
    ok = WriteKey(names::kAppPathsKey, "", target + "\\" + names::kGameProgram, names::kInstallDirValue, target) && ok;
    ok = WriteKey(names::kUninstallKey, "DisplayName", names::kGameTitle, names::kUninstallValue,
                  "\"" + target + "\\uninstall.exe\"") && ok;
    installed = ok;
    if (!ok)
        MessageBoxA(NULL, "Ironmarch could not be installed completely.", "Ironmarch Setup", MB_OK | MB_ICONERROR);
}

void StartInstalledLauncher()
{
    std::string line = "\"" + target + "\\IronmarchLauncher.exe\"";
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process = {};
    if (CreateProcessA(NULL, &line[0], NULL, NULL, FALSE, 0, NULL, target.c_str(), &startup, &process)) {
        CloseHandle(process.hThread);
        CloseHandle(process.hProcess);
    }
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int)
{
    standin::LogStart("setup.exe");
    target = standin::Environment("IRONMARCH_INSTALL_DIR");
    if (target.empty())
        target = "C:\\Games\\Ironmarch";
    standin::RunWindow("Ironmarch Setup",
                       {"IRONMARCH SETUP", "The game will be installed into", target,
                        "Press a key or click to install."},
                       true, &Install);
    // The launcher is started only now that the mutex is released.
    if (installed)
        StartInstalledLauncher();
    return installed ? 0 : 1;
}
