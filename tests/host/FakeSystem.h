// One recording fake of every platform service: each call the launcher makes
// is one line of `log`, and the answers come from the world the test sets up.
#pragma once
#include <functional>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "core/LocalTexts.h"
#include "platform/CommandServices.h"
#include "platform/Graphics.h"
#include "platform/Registry.h"
#include "platform/SystemLibraries.h"
#include "platform/Texts.h"
#include "platform/WholeFile.h"
#include "platform/WindowSurface.h"

namespace fake {

using Log = std::vector<std::string>;
std::string Lower(std::string text);
struct Drive {
    unsigned type;
    bool readable;
    std::string label;
};

class System : public platform::Registry, public platform::Files, public platform::Processes,
               public platform::Instances, public platform::SystemFacts, public platform::Dialogs,
               public platform::Drives, public platform::Graphics, public platform::WindowSurface,
               public platform::DirectXRuntime, public platform::WholeFileReader, public platform::LibraryLoader,
               public platform::Texts {
public:
    Log log;
    Log Calls(const std::string& prefix) const;          // those lines, without the prefix
    std::size_t Count(const std::string& prefix) const { return Calls(prefix).size(); }

    // The world: what is installed, running, inserted and answered.
    std::map<std::string, std::map<std::string, std::string>> registry;
    std::set<std::string> files, directories;  // lower case, full paths
    std::map<std::string, std::string> canonical;
    std::string currentDirectory = "D:\\", windowsDirectory = "C:\\WINDOWS", programDirectory = "D:\\", pathVariable;
    void AddFile(const std::string& path) { files.insert(Lower(path)); }
    void AddDirectory(const std::string& path) { directories.insert(Lower(path)); }
    void InstallGame(const std::string& directory);  // registered, with the installed launcher
    platform::StartResult nextStart{true, 0};
    std::intptr_t documentResult = 42;
    bool mutexExists = false;
    platform::MutexHandle mutex{0x77};
    std::map<std::string, std::uintptr_t> windows;
    std::map<std::uintptr_t, std::uintptr_t> popups;
    std::set<std::uintptr_t> minimized;
    platform::VersionInfo version{2, 5, 1};
    std::set<std::uint32_t> versionRecordsAnswered{156, 148};
    std::map<std::string, std::string> environment;
    std::vector<platform::Answer> answers;  // the message boxes', in turn; Ok once they run out
    std::function<void()> whileBoxShown = [] {};
    std::function<platform::Answer()> insertDiscDialog = [] { return platform::Answer::Cancel; };
    std::map<char, Drive> drives;                                // by upper-case letter
    std::map<std::string, std::vector<unsigned char>> pictures;  // lower case
    bool hasFocus = true;
    std::map<platform::PaletteHandle, std::vector<platform::PaletteColor>> palettes;  // live ones
    std::set<std::string> absent;  // DirectX libraries, entry points, objects and interfaces
    std::set<std::uintptr_t> liveObjects, loadedModules;
    std::string systemDirectory = "C:\\WINDOWS\\system32";
    bool hasDefaultDllSearch = true;  // 8 and later

    bool westernCodePage = true;  // else a Cyrillic one: no accented Latin letters
    LocalTexts texts{*this};      // English unless a test chooses

    platform::CommandServices services{*this, *this, *this, *this, *this, *this, *this};

    ReadResult ReadLocalMachineValue(const char* key, const char* value, char* buffer, std::uint32_t* size) override;
    bool CanOpenForReading(const char* path) override;
    std::uint32_t CurrentDirectory(char* buffer, std::uint32_t size) override { return CopyOut(currentDirectory, buffer, size); }
    bool ChangeDirectory(const char* path) override;
    std::uint32_t WindowsDirectory(char* buffer, std::uint32_t size) override { return CopyOut(windowsDirectory, buffer, size); }
    std::uint32_t ProgramDirectory(char* buffer, std::uint32_t size) override { return CopyOut(programDirectory, buffer, size); }
    std::string PathVariable() override { return pathVariable; }
    bool CanonicalDirectory(const char* path, char* buffer, std::uint32_t size) override;
    platform::StartResult StartProcess(const char* program, const char* line, const char* directory, bool wait) override
    {
        return Note("CreateProcess " + Show(program) + " | " + Show(line) + " | " + Show(directory) + " @" +
                    currentDirectory + (wait ? " wait" : "")), nextStart;
    }
    platform::StartResult ShellExecuteOpen(const char* file, const char* parameters, const char* directory, bool wait) override
    {
        return Note("ShellExecuteEx " + Show(file) + " | " + Show(parameters) + " | " + Show(directory) +
                    (wait ? " wait" : "")), platform::StartResult{true, 0};
    }
    std::intptr_t OpenDocument(const char* address) override { return Note(std::string("open ") + address), documentResult; }
    std::string SystemErrorText(std::uint32_t error) override { return "system text for " + std::to_string(error); }
    platform::MutexHandle CreateNamedMutex(const char* name, bool* exists) override
    {
        return Note(std::string("CreateMutex ") + name), *exists = mutexExists, mutex;
    }
    void CloseMutex(platform::MutexHandle m) override { Note("CloseMutex " + std::to_string(m.value())); }
    platform::WindowHandle FindTopLevelWindow(const char* title) override
    {
        return Note(std::string("FindWindow ") + title), platform::WindowHandle(windows[title]);
    }
    platform::WindowHandle GetLastActivePopup(platform::WindowHandle w) override
    {
        return platform::WindowHandle(popups.count(w.value()) ? popups[w.value()] : w.value());
    }
    bool IsMinimized(platform::WindowHandle w) override { return minimized.count(w.value()) != 0; }
    void Restore(platform::WindowHandle w) override { Note("Restore " + std::to_string(w.value())); }
    void BringToForeground(platform::WindowHandle w) override { Note("Foreground " + std::to_string(w.value())); }
    int ScreenWidth() override { return 1024; }
    int ScreenHeight() override { return 768; }
    bool GetVersion(std::uint32_t size, platform::VersionInfo* info) override
    {
        Note("GetVersionEx " + std::to_string(size));
        return versionRecordsAnswered.count(size) != 0 && (*info = version, true);
    }
    bool HasEnvironmentVariable(const char* name) override { return environment.count(name) != 0; }
    void SetEnvironmentText(const char* name, const char* value) override
    {
        Note(std::string("SetEnvironment ") + name + "=" + Show(value));
        value != nullptr ? void(environment[name] = value) : void(environment.erase(name));
    }
    platform::Answer ShowMessageBox(const char* text, const char* caption, platform::MessageKind kind) override;
    platform::Answer AppMessageBox(const char* text, platform::MessageKind kind) override
    {
        return ShowMessageBox(text, "IronmarchLauncher", kind);
    }
    // The resource scripts' tables; 0x0419 (Russian) has none.
    platform::TextLoad LoadText(std::uint16_t language, unsigned id, std::string* text) override;
    std::uint16_t UiLanguage() override { return 0x0409; }  // the choice is tested on its facts alone
    std::uint16_t UserDefaultLanguage() override { return 0x0409; }
    platform::Answer RunInsertDiscDialog() override { return Note("InsertDiscDialog"), insertDiscDialog(); }
    unsigned DriveType(const char* root) override;
    bool GetVolumeLabel(const char* drive, char* label, std::uint32_t size) override;
    platform::WholeFile ReadWholeFile(const char* path, std::size_t padding) override;
    platform::PaletteHandle CreatePalette(const platform::PaletteColor* entries, std::uint16_t count) override
    {
        const platform::PaletteHandle palette(next_++);
        palettes[palette].assign(entries, entries + count);
        return palette;
    }
    void DeletePalette(platform::PaletteHandle palette) override { palettes.erase(palette); }
    platform::PaletteHandle SelectPalette(platform::DeviceContext dc, platform::PaletteHandle palette, bool background) override;
    void RealizePalette(platform::DeviceContext) override { Note("RealizePalette"); }
    int SetDIBitsToDevice(platform::DeviceContext dc, const platform::DibCopy& copy) override;
    platform::DeviceContext GetClientDC() override { return Note("GetDC"), platform::DeviceContext(0xDC); }
    void ReleaseClientDC(platform::DeviceContext) override { Note("ReleaseDC"); }
    void BeginPaint() override { Note("BeginPaint"); }
    void EndPaint() override { Note("EndPaint"); }
    bool ThreadHasKeyboardFocus() override { return hasFocus; }
    void UpdateWindow() override { Note("UpdateWindow"); }
    void WakeMessageLoop() override { Note("WakeMessageLoop"); }
    void AnnounceFocus(int child) override { Note("AnnounceFocus " + std::to_string(child)); }
    Module OpenLibrary(const char* name) override;
    Procedure FindEntryPoint(Module module, const char* name) override
    {
        return loadedModules.count(module.value()) && !absent.count(name) ? Procedure(next_++) : Procedure();
    }
    void CloseLibrary(Module module) override { Note("FreeLibrary " + modules_[module.value()]), loadedModules.erase(module.value()); }
    Object Create(Creation what, Procedure) override
    {
        return NewObject(what == Creation::DirectDraw ? "DirectDraw" : what == Creation::DirectDraw7 ? "DirectDraw7" : "DirectMusic");
    }
    Object QueryInterface(Object object, Interface wanted) override
    {
        const char* name = wanted == Interface::DirectDraw2           ? "DirectDraw2"
                           : wanted == Interface::DirectDrawSurface3 ? "Surface3" : "Surface4";
        return liveObjects.count(object.value()) == 0 ? Object() : NewObject(name);
    }
    bool SetNormalCooperativeLevel(Object) override { return absent.count("CooperativeLevel") == 0; }
    Object CreatePrimarySurface(Object) override { return NewObject("PrimarySurface"); }
    void Release(Object object) override { liveObjects.erase(object.value()); }
    void Trace(const char* text) override { Note(std::string("Trace ") + text); }
    std::uint32_t SystemDirectory(char* buffer, std::uint32_t size) override { return CopyOut(systemDirectory, buffer, size); }
    platform::ModuleHandle LoadModule(const char* path, std::uint32_t flags) override;
    platform::Procedure FindExport(platform::ModuleHandle module, const char* name) override { return FindEntryPoint(module, name); }
    bool SetDefaultDllSearch(std::uint32_t directories) override
    {
        return Note("SetDefaultDllDirectories " + std::to_string(directories)), hasDefaultDllSearch;
    }
    bool SetDllSearchDirectory(const char* path) override { return Note(std::string("SetDllDirectory \"") + path + '"'), true; }

private:
    void Note(std::string line) { log.push_back(std::move(line)); }
    static std::string Show(const char* text) { return text == nullptr ? "(null)" : text; }
    static std::uint32_t CopyOut(const std::string& text, char* buffer, std::uint32_t size);
    std::string Resolve(const std::string& path) const;
    Object NewObject(const std::string& what);
    std::uintptr_t Load(const std::string& path, const std::string& name);
    std::uintptr_t next_ = 0x100;
    std::map<platform::DeviceContext, platform::PaletteHandle> selected_;
    std::map<std::uintptr_t, std::string> modules_;
};

}  // namespace fake
