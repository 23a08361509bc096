// The platform services over Win32, with exactly the calls that the
// launcher's behaviour names. Thin: every decision is made elsewhere.
#pragma once
#include <windows.h>

#include "platform/CommandServices.h"
#include "platform/Graphics.h"
#include "platform/Registry.h"
#include "platform/SystemLibraries.h"
#include "platform/Texts.h"
#include "platform/WholeFile.h"
#include "platform/WindowSurface.h"

namespace win32 {

// Between a system handle or pointer and the platform's opaque handle of its kind.
template <class PlatformHandle, class System>
PlatformHandle Wrap(System* system)
{
    return PlatformHandle(reinterpret_cast<std::uintptr_t>(system));
}

template <class System, class Kind>
System Unwrap(platform::Handle<Kind> handle)
{
    return reinterpret_cast<System>(handle.value());
}

class LibraryLoader : public platform::LibraryLoader {
public:
    std::uint32_t SystemDirectory(char* buffer, std::uint32_t size) override;
    platform::ModuleHandle LoadModule(const char* path, std::uint32_t flags) override;
    platform::Procedure FindExport(platform::ModuleHandle module, const char* name) override;
    bool SetDefaultDllSearch(std::uint32_t directories) override;
    bool SetDllSearchDirectory(const char* path) override;
};

class Registry : public platform::Registry {
public:
    ReadResult ReadLocalMachineValue(const char* keyName, const char* valueName, char* buffer,
                                     std::uint32_t* size) override;
};

class Files : public platform::Files {
public:
    bool CanOpenForReading(const char* path) override;
    std::uint32_t CurrentDirectory(char* buffer, std::uint32_t size) override;
    bool ChangeDirectory(const char* path) override;
    std::uint32_t WindowsDirectory(char* buffer, std::uint32_t size) override;
    std::uint32_t SystemDirectory(char* buffer, std::uint32_t size) override;
    std::uint32_t ProgramDirectory(char* buffer, std::uint32_t size) override;
    std::string PathVariable() override;
    bool CanonicalDirectory(const char* path, char* buffer, std::uint32_t size) override;
};

class Processes : public platform::Processes {
public:
    platform::StartResult StartProcess(const char* applicationName, const char* commandLine,
                                        const char* currentDirectory, bool waitForExit) override;
    platform::StartResult ShellExecuteOpen(const char* file, const char* parameters, const char* directory,
                                           bool waitForExit) override;
    std::intptr_t OpenDocument(const char* address) override;
    std::string SystemErrorText(std::uint32_t error) override;
};

class Instances : public platform::Instances {
public:
    platform::MutexHandle CreateNamedMutex(const char* name, bool* alreadyExists) override;
    void CloseMutex(platform::MutexHandle mutex) override;
    platform::WindowHandle FindTopLevelWindow(const char* title) override;
    platform::WindowHandle GetLastActivePopup(platform::WindowHandle window) override;
    bool IsMinimized(platform::WindowHandle window) override;
    void Restore(platform::WindowHandle window) override;
    void BringToForeground(platform::WindowHandle window) override;
};

class SystemFacts : public platform::SystemFacts {
public:
    int ScreenWidth() override;
    int ScreenHeight() override;
    bool GetVersion(std::uint32_t recordSize, platform::VersionInfo* info) override;
    bool HasEnvironmentVariable(const char* name) override;
    void SetEnvironmentText(const char* name, const char* value) override;
    std::uint16_t UiLanguage() override;
    std::uint16_t UserDefaultLanguage() override;
};

class Texts : public platform::Texts {
public:
    platform::TextLoad LoadText(std::uint16_t language, unsigned id, std::string* text) override;
};

// A box's or a dialog's result (IDOK, IDCANCEL, IDYES, IDNO; 0 or -1 when
// it could not be shown) in the decisions' words.
platform::Answer AnswerOf(INT_PTR result);

// Message boxes and strings. The Insert Disc dialog is the disc code's
// (SystemDialogs), which derives from this.
class Dialogs : public platform::Dialogs {
public:
    // The owner of ShowMessageBox's boxes: the main window once there is
    // one, or a dialog whose warnings must keep it from being used meanwhile.
    explicit Dialogs(HWND owner = NULL) : owner_(owner) {}
    void SetOwner(HWND owner) { owner_ = owner; }
    platform::Answer ShowMessageBox(const char* text, const char* caption, platform::MessageKind kind) override;
    platform::Answer AppMessageBox(const char* text, platform::MessageKind kind) override;

private:
    HWND owner_;
};

class Drives : public platform::Drives {
public:
    unsigned DriveType(const char* root) override;
    bool GetVolumeLabel(const char* drive, char* label, std::uint32_t size) override;
};

class WholeFileReader : public platform::WholeFileReader {
public:
    platform::WholeFile ReadWholeFile(const char* path, std::size_t padding) override;
};

class Graphics : public platform::Graphics {
public:
    platform::PaletteHandle CreatePalette(const platform::PaletteColor* entries, std::uint16_t count) override;
    void DeletePalette(platform::PaletteHandle palette) override;
    platform::PaletteHandle SelectPalette(platform::DeviceContext dc, platform::PaletteHandle palette,
                                          bool forceBackground) override;
    void RealizePalette(platform::DeviceContext dc) override;
    int SetDIBitsToDevice(platform::DeviceContext dc, const platform::DibCopy& copy) override;
};

class DirectXRuntime : public platform::DirectXRuntime {
public:
    Module OpenLibrary(const char* name) override;
    Procedure FindEntryPoint(Module module, const char* name) override;
    void CloseLibrary(Module module) override;
    Object Create(Creation what, Procedure entryPoint) override;
    Object QueryInterface(Object object, Interface wanted) override;
    bool SetNormalCooperativeLevel(Object directDraw) override;
    Object CreatePrimarySurface(Object directDraw) override;
    void Release(Object object) override;
    void Trace(const char* text) override;

private:
    void UninitializeCom();
    Object comObject_{};  // the DirectMusic object, after whose release COM is uninitialised
};

// The main window's client area.
class WindowSurface : public platform::WindowSurface {
public:
    explicit WindowSurface(HWND window) : window_(window) {}
    platform::DeviceContext GetClientDC() override;
    void ReleaseClientDC(platform::DeviceContext dc) override;
    void BeginPaint() override;
    void EndPaint() override;
    bool ThreadHasKeyboardFocus() override;
    void UpdateWindow() override;
    void WakeMessageLoop() override;
    void AnnounceFocus(int child) override;

private:
    HWND window_;
    PAINTSTRUCT paint_ = {};
};

}  // namespace win32
