// Fakes of the platform services: each records what the launcher asked of
// it in one shared log and answers from a script the test sets up.
#pragma once
#include <cstring>
#include <functional>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "platform/BitmapFiles.h"
#include "platform/CommandServices.h"
#include "platform/Graphics.h"
#include "platform/Memory.h"
#include "platform/Registry.h"
#include "platform/WindowSurface.h"

namespace fakes {

using Log = std::vector<std::string>;

std::string Lower(std::string text);

class FakeRegistry : public platform::Registry {
public:
    explicit FakeRegistry(Log& log) : log_(log) {}
    void SetValue(const std::string& key, const std::string& value, const std::string& bytes);
    void RemoveKey(const std::string& key) { keys_.erase(key); }
    ReadResult ReadLocalMachineValue(const char* keyName, const char* valueName, char* buffer,
                                     std::uint32_t* size) override;

private:
    Log& log_;
    std::map<std::string, std::map<std::string, std::string>> keys_;
};

class FakeFiles : public platform::Files {
public:
    explicit FakeFiles(Log& log) : log_(log) {}
    void AddFile(const std::string& path) { files_.insert(Lower(path)); }
    void RemoveFile(const std::string& path) { files_.erase(Lower(path)); }
    void AddDirectory(const std::string& path) { directories_.insert(Lower(path)); }
    void SetCanonical(const std::string& path, const std::string& canonical) { canonical_[Lower(path)] = canonical; }
    std::string Resolve(const std::string& path) const;

    bool CanOpenForReading(const char* path) override;
    std::uint32_t CurrentDirectory(char* buffer, std::uint32_t size) override;
    bool ChangeDirectory(const char* path) override;
    std::uint32_t WindowsDirectory(char* buffer, std::uint32_t size) override;
    bool CanonicalDirectory(const char* path, char* buffer, std::uint32_t size) override;

    std::string currentDirectory = "C:\\";
    std::string windowsDirectory = "C:\\WINDOWS";

private:
    Log& log_;
    std::set<std::string> files_;
    std::set<std::string> directories_;
    std::map<std::string, std::string> canonical_;
};

struct ProcessStart {
    std::string application;  // "(null)" when absent
    std::string commandLine;
    std::string directory;
    std::string currentDirectory;  // the launcher's at the moment of the call
    bool wait;
};

class FakeProcesses : public platform::Processes {
public:
    FakeProcesses(Log& log, FakeFiles& files) : log_(log), files_(files) {}
    platform::StartResult StartProcess(const char* applicationName, const char* commandLine,
                                        const char* currentDirectory, bool waitForExit) override;
    platform::StartResult ShellExecuteOpen(const char* file, const char* parameters, const char* directory,
                                           bool waitForExit) override;
    std::intptr_t OpenDocument(const char* address) override;
    std::string SystemErrorText(std::uint32_t error) override;

    std::vector<ProcessStart> starts;
    std::vector<ProcessStart> shellStarts;
    std::vector<std::string> documents;
    platform::StartResult nextStart{true, 0};
    platform::StartResult nextShellStart{true, 0};
    std::intptr_t documentResult = 42;

private:
    Log& log_;
    FakeFiles& files_;
};

class FakeDesktop : public platform::Instances, public platform::SystemFacts {
public:
    explicit FakeDesktop(Log& log) : log_(log) {}
    platform::MutexHandle CreateNamedMutex(const char* name, bool* alreadyExists) override;
    void CloseMutex(platform::MutexHandle mutex) override;
    platform::WindowHandle FindTopLevelWindow(const char* title) override;
    platform::WindowHandle GetLastActivePopup(platform::WindowHandle window) override;
    bool IsMinimized(platform::WindowHandle window) override;
    void Restore(platform::WindowHandle window) override;
    void BringToForeground(platform::WindowHandle window) override;
    int ScreenWidth() override { return screenWidth; }
    int ScreenHeight() override { return screenHeight; }
    bool GetVersion(std::uint32_t recordSize, platform::VersionInfo* info) override;
    bool HasEnvironmentVariable(const char* name) override { return environment.count(name) != 0; }
    void SetEnvironmentText(const char* name, const char* value) override;

    bool mutexExists = false;
    platform::MutexHandle mutexHandle{0x77};
    std::map<std::string, platform::WindowHandle> windows;
    std::map<platform::WindowHandle, platform::WindowHandle> popups;
    std::set<platform::WindowHandle> minimized;
    std::vector<platform::MutexHandle> closedMutexes;
    int screenWidth = 1024;
    int screenHeight = 768;
    std::set<std::uint32_t> versionRecordSizesAnswered{156, 148};
    platform::VersionInfo version{2, 5, 1};
    std::map<std::string, std::string> environment;

private:
    Log& log_;
};

struct ShownBox {
    std::string text;
    std::string caption;
    unsigned style;
};

class FakeDialogs : public platform::Dialogs {
public:
    explicit FakeDialogs(Log& log) : log_(log) {}
    int ShowMessageBox(const char* text, const char* caption, unsigned style) override;
    int AppMessageBox(const char* text, unsigned style) override;
    int LoadResourceString(unsigned id, char* buffer, int size) override;
    int RunInsertDiscDialog() override;

    std::vector<ShownBox> boxes;
    std::vector<int> answers;  // answered in turn; IDOK once they run out
    int dialogRuns = 0;
    int dialogResult = 2;
    // Runs while a box is shown, as a player would act meanwhile.
    std::function<void()> whileBoxShown;
    std::function<int()> dialogBehaviour;

private:
    Log& log_;
};

struct FakeDrive {
    unsigned type;
    bool readable;
    std::string label;
};

class FakeDrives : public platform::Drives {
public:
    explicit FakeDrives(Log& log) : log_(log) {}
    unsigned DriveType(const char* root) override;
    bool GetVolumeLabel(const char* drive, char* label, std::uint32_t size) override;

    std::map<char, FakeDrive> drives;  // by upper-case letter
    std::vector<std::string> typeQueries;
    std::vector<std::string> labelQueries;

private:
    Log& log_;
};

class FakeMemory : public platform::Memory {
public:
    platform::MemoryBlock Allocate(std::size_t bytes) override;
    void* Lock(platform::MemoryBlock block) override;
    void Unlock(platform::MemoryBlock block) override;
    void Free(platform::MemoryBlock block) override;

    std::size_t liveBlocks() const { return blocks_.size(); }
    int lockedNow = 0;
    bool failAllocation = false;

private:
    std::map<platform::MemoryBlock, std::vector<unsigned char>> blocks_;
    std::uintptr_t next_ = 0x1000;
};

class FakeBitmapFiles : public platform::BitmapFiles {
public:
    void Add(const std::string& path, std::vector<unsigned char> bytes) { files_[Lower(path)] = std::move(bytes); }
    void Remove(const std::string& path) { files_.erase(Lower(path)); }
    void FailReadsOf(const std::string& path) { failing_.insert(Lower(path)); }
    std::unique_ptr<platform::ReadableFile> OpenShareDenyWrite(const char* path) override;

    std::vector<std::string> opened;

private:
    std::map<std::string, std::vector<unsigned char>> files_;
    std::set<std::string> failing_;
};

struct DrawnCopy {
    platform::DeviceContext dc;
    platform::DibCopy copy;
    platform::PaletteHandle palette;  // selected at the time of the copy
    std::uint32_t firstPixel;         // the first byte of the bits, for telling images apart
};

class FakeGraphics : public platform::Graphics {
public:
    explicit FakeGraphics(Log& log) : log_(log) {}
    platform::PaletteHandle CreatePalette(const platform::PaletteColor* entries, std::uint16_t count) override;
    void DeletePalette(platform::PaletteHandle palette) override;
    platform::PaletteHandle SelectPalette(platform::DeviceContext dc, platform::PaletteHandle palette,
                                          bool forceBackground) override;
    void RealizePalette(platform::DeviceContext dc) override;
    int SetDIBitsToDevice(platform::DeviceContext dc, const platform::DibCopy& copy) override;

    std::map<platform::PaletteHandle, std::vector<platform::PaletteColor>> palettes;  // live ones
    std::vector<DrawnCopy> copies;
    bool failPalette = false;

private:
    Log& log_;
    std::uintptr_t next_ = 0x500;
    std::map<platform::DeviceContext, platform::PaletteHandle> selected_;
};

class FakeSurface : public platform::WindowSurface {
public:
    explicit FakeSurface(Log& log) : log_(log) {}
    platform::DeviceContext GetClientDC() override;
    void ReleaseClientDC(platform::DeviceContext dc) override;
    void BeginPaint() override { log_.push_back("BeginPaint"); ++openBrackets; }
    void EndPaint() override { log_.push_back("EndPaint"); --openBrackets; }
    bool ThreadHasKeyboardFocus() override { return hasFocus; }
    void UpdateWindow() override { log_.push_back("UpdateWindow"); }
    void WakeMessageLoop() override { log_.push_back("WakeMessageLoop"); }

    bool hasFocus = true;
    int openBrackets = 0;
    int openDCs = 0;

private:
    Log& log_;
    std::uintptr_t next_ = 0xD0;
};

// A DirectX runtime scripted rung by rung; every object it hands out is
// counted until released.
class FakeDirectX : public platform::DirectXRuntime {
public:
    explicit FakeDirectX(Log& log) : log_(log) {}
    Module LoadLibraryByName(const char* name) override;
    Procedure FindEntryPoint(Module module, const char* name) override;
    void ReleaseLibrary(Module module) override;
    bool GetVersion(platform::VersionInfo* info) override;
    void Trace(const char* text) override { traces.push_back(text); }
    Object DirectDrawCreate(Procedure entryPoint) override;
    Object DirectDrawCreateEx7(Procedure entryPoint) override;
    Object QueryInterface(Object object, Interface wanted) override;
    bool SetNormalCooperativeLevel(Object directDraw) override;
    Object CreatePrimarySurface(Object directDraw) override;
    void Release(Object object) override;
    void CoInitialize() override;
    Object CreateDirectMusic() override;
    void CoUninitialize() override;

    // What is installed.
    std::set<std::string> libraries{"DDRAW.DLL", "DINPUT.DLL", "D3D8.DLL"};
    std::set<std::string> exports{"DirectDrawCreate", "DirectDrawCreateEx", "DirectInputCreateA"};
    bool versionAnswers = true;
    platform::VersionInfo version{1, 4, 10};
    bool createsDirectDraw = true;
    bool hasDirectDraw2 = true;
    bool grantsCooperativeLevel = true;
    bool createsSurface = true;
    bool hasSurface3 = true;
    bool hasSurface4 = true;
    bool hasDirectMusic = true;
    bool createsDirectDraw7 = true;

    std::vector<std::string> traces;
    std::set<Module> loadedModules;
    std::set<Object> liveObjects;
    int comInitialised = 0;
    int directDrawCalls = 0;
    std::vector<std::string> loads;

private:
    Object NewObject(const std::string& what);
    Log& log_;
    Object next_ = 0x9000;
    Module nextModule_ = 0x7000;
    std::map<Module, std::string> moduleNames_;
};

// Everything at once, wired to one log.
struct FakePlatform {
    Log log;
    FakeRegistry registry{log};
    FakeFiles files{log};
    FakeProcesses processes{log, files};
    FakeDesktop desktop{log};
    FakeDialogs dialogs{log};
    FakeDrives drives{log};
    FakeMemory memory;
    FakeBitmapFiles bitmapFiles;
    FakeGraphics graphics{log};
    FakeDirectX directX{log};
    platform::CommandServices platform{files, processes, desktop, desktop, dialogs, drives, directX};

    // The two registry entries of an installed game.
    void RegisterGame(const std::string& directory, const std::string& uninstall = "C:\\uninst.exe /x");
    void InstallGame(const std::string& directory);  // registry and the installed launcher file
};

}  // namespace fakes
