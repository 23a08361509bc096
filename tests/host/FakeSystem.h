// One recording fake of every platform service: each call the launcher makes
// is one line of `log`, and the answers come from the world the test sets up.
#pragma once
#include <cstring>
#include <functional>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "platform/CommandServices.h"
#include "platform/Graphics.h"
#include "platform/Registry.h"
#include "platform/WholeFile.h"
#include "platform/WindowSurface.h"

namespace fake {

using Log = std::vector<std::string>;
std::string Lower(std::string text);

struct Start {
    std::string kind, application, commandLine, directory;  // "(null)" for a null text
    std::string currentDirectory;                            // the launcher's, at the call
    bool wait;
};
struct Box {
    std::string text, caption;
    unsigned style;
};
struct Drive {
    unsigned type;
    bool readable;
    std::string label;
};
struct Copy {
    platform::DibCopy copy;
    platform::PaletteHandle palette;  // selected at the time
    unsigned firstPixel;              // tells the pictures apart
};

class System : public platform::Registry, public platform::Files, public platform::Processes,
               public platform::Instances, public platform::SystemFacts, public platform::Dialogs,
               public platform::Drives, public platform::Graphics, public platform::WindowSurface,
               public platform::DirectXRuntime, public platform::WholeFileReader {
public:
    Log log;
    std::size_t Count(const std::string& prefix) const;  // log lines that start so
    std::size_t IndexOf(const std::string& line) const;  // log.size() when absent

    // Registry and files.
    std::map<std::string, std::map<std::string, std::string>> registry;
    std::set<std::string> files, directories;  // lower case, full paths
    std::map<std::string, std::string> canonical;
    std::string currentDirectory = "D:\\", windowsDirectory = "C:\\WINDOWS";
    void AddFile(const std::string& path) { files.insert(Lower(path)); }
    void AddDirectory(const std::string& path) { directories.insert(Lower(path)); }
    void RegisterGame(const std::string& directory, const std::string& uninstall = "C:\\uninst.exe /x");
    void InstallGame(const std::string& directory);  // registered, with the installed launcher

    // Processes.
    std::vector<Start> starts;
    platform::StartResult nextStart{true, 0}, nextShellStart{true, 0};
    std::intptr_t documentResult = 42;

    // Instances and system facts.
    bool mutexExists = false;
    platform::MutexHandle mutex{0x77};
    std::map<std::string, platform::WindowHandle> windows;
    std::map<platform::WindowHandle, platform::WindowHandle> popups;
    std::set<platform::WindowHandle> minimized;
    platform::VersionInfo version{2, 5, 1};
    std::set<std::uint32_t> versionRecordsAnswered{156, 148};
    std::map<std::string, std::string> environment;

    // Dialogs and drives.
    std::vector<Box> boxes;
    std::vector<int> answers;  // in turn; IDOK once they run out
    std::function<void()> whileBoxShown;
    std::function<int()> insertDiscDialog = [] { return 2; };
    std::map<char, Drive> drives;  // by upper-case letter

    // Pictures, palettes and the window.
    std::map<std::string, std::vector<unsigned char>> pictures;  // lower case
    std::set<std::string> failingReads;
    bool noMemory = false, failPalette = false, hasFocus = true;
    std::map<platform::PaletteHandle, std::vector<platform::PaletteColor>> palettes;  // live ones
    std::vector<Copy> copies;

    // DirectX: every library, entry point, object and interface is there unless named here.
    std::set<std::string> absent;
    std::set<std::uintptr_t> liveObjects, loadedModules;

    platform::CommandServices services{*this, *this, *this, *this, *this, *this, *this};

    ReadResult ReadLocalMachineValue(const char* key, const char* value, char* buffer, std::uint32_t* size) override;
    bool CanOpenForReading(const char* path) override;
    std::uint32_t CurrentDirectory(char* buffer, std::uint32_t size) override;
    bool ChangeDirectory(const char* path) override;
    std::uint32_t WindowsDirectory(char* buffer, std::uint32_t size) override;
    bool CanonicalDirectory(const char* path, char* buffer, std::uint32_t size) override;
    platform::StartResult StartProcess(const char* application, const char* commandLine, const char* directory,
                                       bool wait) override;
    platform::StartResult ShellExecuteOpen(const char* file, const char* parameters, const char* directory,
                                           bool wait) override;
    std::intptr_t OpenDocument(const char* address) override;
    std::string SystemErrorText(std::uint32_t error) override { return "system text for " + std::to_string(error); }
    platform::MutexHandle CreateNamedMutex(const char* name, bool* alreadyExists) override;
    void CloseMutex(platform::MutexHandle m) override { log.push_back("CloseMutex " + std::to_string(m.value())); }
    platform::WindowHandle FindTopLevelWindow(const char* title) override;
    platform::WindowHandle GetLastActivePopup(platform::WindowHandle w) override;
    bool IsMinimized(platform::WindowHandle w) override { return minimized.count(w) != 0; }
    void Restore(platform::WindowHandle w) override { log.push_back("Restore " + std::to_string(w.value())); }
    void BringToForeground(platform::WindowHandle w) override;
    int ScreenWidth() override { return 1024; }
    int ScreenHeight() override { return 768; }
    bool GetVersion(std::uint32_t recordSize, platform::VersionInfo* info) override;
    bool HasEnvironmentVariable(const char* name) override { return environment.count(name) != 0; }
    void SetEnvironmentText(const char* name, const char* value) override;
    int ShowMessageBox(const char* text, const char* caption, unsigned style) override;
    int AppMessageBox(const char* text, unsigned style) override;
    int LoadResourceString(unsigned id, char* buffer, int size) override;
    int RunInsertDiscDialog() override;
    unsigned DriveType(const char* root) override;
    bool GetVolumeLabel(const char* drive, char* label, std::uint32_t size) override;
    platform::WholeFile ReadWholeFile(const char* path, std::size_t padding) override;
    platform::PaletteHandle CreatePalette(const platform::PaletteColor* entries, std::uint16_t count) override;
    void DeletePalette(platform::PaletteHandle palette) override { palettes.erase(palette); }
    platform::PaletteHandle SelectPalette(platform::DeviceContext dc, platform::PaletteHandle palette,
                                          bool forceBackground) override;
    void RealizePalette(platform::DeviceContext) override { log.push_back("RealizePalette"); }
    int SetDIBitsToDevice(platform::DeviceContext dc, const platform::DibCopy& copy) override;
    platform::DeviceContext GetClientDC() override;
    void ReleaseClientDC(platform::DeviceContext) override { log.push_back("ReleaseDC"); }
    void BeginPaint() override { log.push_back("BeginPaint"); }
    void EndPaint() override { log.push_back("EndPaint"); }
    bool ThreadHasKeyboardFocus() override { return hasFocus; }
    void UpdateWindow() override { log.push_back("UpdateWindow"); }
    void WakeMessageLoop() override { log.push_back("WakeMessageLoop"); }
    Module OpenLibrary(const char* name) override;
    Procedure FindEntryPoint(Module module, const char* name) override;
    void CloseLibrary(Module module) override;
    Object Create(Creation what, Procedure entryPoint) override;
    Object QueryInterface(Object object, Interface wanted) override;
    bool SetNormalCooperativeLevel(Object) override { return absent.count("CooperativeLevel") == 0; }
    Object CreatePrimarySurface(Object) override { return NewObject("PrimarySurface"); }
    void Release(Object object) override;
    void Trace(const char* text) override { log.push_back(std::string("Trace ") + text); }

private:
    std::string Resolve(const std::string& path) const;
    Object NewObject(const std::string& what);
    std::uintptr_t next_ = 0x100;
    std::map<platform::DeviceContext, platform::PaletteHandle> selected_;
    std::map<std::uintptr_t, std::string> moduleNames_;
};

}  // namespace fake
