#include "Fakes.h"

#include <algorithm>
#include <cctype>

namespace fakes {

std::string Lower(std::string text)
{
    std::transform(text.begin(), text.end(), text.begin(), [](unsigned char c) { return std::tolower(c); });
    return text;
}

static std::string Show(const char* text)
{
    return text == nullptr ? "(null)" : text;
}

// ---- registry

void FakeRegistry::SetValue(const std::string& key, const std::string& value, const std::string& bytes)
{
    keys_[key][value] = bytes;
}

platform::Registry::ReadResult FakeRegistry::ReadLocalMachineValue(const char* keyName, const char* valueName,
                                                                   char* buffer, std::uint32_t* size)
{
    log_.push_back(std::string("RegRead ") + keyName + " " + valueName);
    const auto key = keys_.find(keyName);
    if (key == keys_.end())
        return ReadResult::KeyMissing;
    const auto value = key->second.find(valueName);
    if (value == key->second.end() || value->second.size() > *size)
        return ReadResult::ValueUnreadable;
    std::memcpy(buffer, value->second.data(), value->second.size());
    *size = static_cast<std::uint32_t>(value->second.size());
    return ReadResult::Ok;
}

// ---- files

std::string FakeFiles::Resolve(const std::string& path) const
{
    if ((path.size() >= 2 && path[1] == ':') || path.rfind("\\\\", 0) == 0)
        return path;
    if (!path.empty() && path[0] == '\\')  // the current drive's root
        return currentDirectory.substr(0, 2) + path;
    std::string base = currentDirectory;
    if (!base.empty() && base.back() != '\\')
        base += '\\';
    return base + path;
}

bool FakeFiles::CanOpenForReading(const char* path)
{
    const bool found = files_.count(Lower(Resolve(path))) != 0;
    log_.push_back(std::string("fopen ") + Resolve(path) + (found ? " ok" : " missing"));
    return found;
}

std::uint32_t FakeFiles::CurrentDirectory(char* buffer, std::uint32_t size)
{
    if (currentDirectory.size() + 1 > size)
        return static_cast<std::uint32_t>(currentDirectory.size() + 1);
    std::memcpy(buffer, currentDirectory.c_str(), currentDirectory.size() + 1);
    return static_cast<std::uint32_t>(currentDirectory.size());
}

bool FakeFiles::ChangeDirectory(const char* path)
{
    const std::string resolved = Resolve(path);
    const bool exists = directories_.count(Lower(resolved)) != 0;
    log_.push_back(std::string("chdir ") + path + (exists ? "" : " failed"));
    if (exists)
        currentDirectory = resolved;
    return exists;
}

std::uint32_t FakeFiles::WindowsDirectory(char* buffer, std::uint32_t size)
{
    if (windowsDirectory.size() + 1 > size)
        return static_cast<std::uint32_t>(windowsDirectory.size() + 1);
    std::memcpy(buffer, windowsDirectory.c_str(), windowsDirectory.size() + 1);
    return static_cast<std::uint32_t>(windowsDirectory.size());
}

bool FakeFiles::CanonicalDirectory(const char* path, char* buffer, std::uint32_t size)
{
    const auto found = canonical_.find(Lower(path));
    std::string canonical = found != canonical_.end() ? found->second : std::string(path);
    if (canonical.size() > 3 && canonical.back() == '\\')
        canonical.pop_back();
    if (canonical.size() + 1 > size)
        return false;
    std::memcpy(buffer, canonical.c_str(), canonical.size() + 1);
    return true;
}

// ---- processes

platform::StartResult FakeProcesses::StartProcess(const char* applicationName, const char* commandLine,
                                                   const char* currentDirectory, bool waitForExit)
{
    starts.push_back(
        {Show(applicationName), Show(commandLine), Show(currentDirectory), files_.currentDirectory, waitForExit});
    log_.push_back("CreateProcess " + Show(applicationName) + " | " + Show(commandLine) + " | " +
                   Show(currentDirectory));
    return nextStart;
}

platform::StartResult FakeProcesses::ShellExecuteOpen(const char* file, const char* parameters,
                                                      const char* directory, bool waitForExit)
{
    shellStarts.push_back({Show(file), Show(parameters), Show(directory), files_.currentDirectory, waitForExit});
    log_.push_back("ShellExecuteEx " + Show(file) + " | " + Show(parameters) + " | " + Show(directory));
    return nextShellStart;
}

std::intptr_t FakeProcesses::OpenDocument(const char* address)
{
    documents.push_back(address);
    log_.push_back(std::string("ShellExecute open ") + address);
    return documentResult;
}

std::string FakeProcesses::SystemErrorText(std::uint32_t error)
{
    return "system text for " + std::to_string(error);
}

// ---- desktop

platform::MutexHandle FakeDesktop::CreateNamedMutex(const char* name, bool* alreadyExists)
{
    log_.push_back(std::string("CreateMutex ") + name);
    *alreadyExists = mutexExists;
    return mutexHandle;
}

void FakeDesktop::CloseMutex(platform::MutexHandle mutex)
{
    log_.push_back("CloseMutex");
    closedMutexes.push_back(mutex);
}

platform::WindowHandle FakeDesktop::FindTopLevelWindow(const char* title)
{
    log_.push_back(std::string("FindWindow ") + title);
    const auto found = windows.find(title);
    return found == windows.end() ? platform::WindowHandle() : found->second;
}

platform::WindowHandle FakeDesktop::GetLastActivePopup(platform::WindowHandle window)
{
    const auto found = popups.find(window);
    return found == popups.end() ? window : found->second;
}

bool FakeDesktop::IsMinimized(platform::WindowHandle window)
{
    return minimized.count(window) != 0;
}

void FakeDesktop::Restore(platform::WindowHandle window)
{
    log_.push_back("Restore " + std::to_string(window.value()));
    minimized.erase(window);
}

void FakeDesktop::BringToForeground(platform::WindowHandle window)
{
    log_.push_back("Foreground " + std::to_string(window.value()));
}

bool FakeDesktop::GetVersion(std::uint32_t recordSize, platform::VersionInfo* info)
{
    log_.push_back("GetVersionEx " + std::to_string(recordSize));
    if (versionRecordSizesAnswered.count(recordSize) == 0)
        return false;
    *info = version;
    return true;
}

void FakeDesktop::SetEnvironmentText(const char* name, const char* value)
{
    log_.push_back(std::string("SetEnvironment ") + name);
    if (value == nullptr)
        environment.erase(name);
    else
        environment[name] = value;
}

// ---- dialogs

int FakeDialogs::ShowMessageBox(const char* text, const char* caption, unsigned style)
{
    boxes.push_back({text, caption, style});
    log_.push_back(std::string("MessageBox ") + caption + ": " + text);
    if (whileBoxShown)
        whileBoxShown();
    if (answers.empty())
        return 1;
    const int answer = answers.front();
    answers.erase(answers.begin());
    return answer;
}

int FakeDialogs::AppMessageBox(const char* text, unsigned style)
{
    return ShowMessageBox(text, "IronmarchLauncher", style);
}

int FakeDialogs::LoadResourceString(unsigned id, char* buffer, int size)
{
    static const std::map<unsigned, std::string> strings = {
        {1, "The disc in the drive could not be read.  If you just inserted the disc, please wait for a few "
            "seconds while the drive accesses the disc."},
        {2, "Warning"},
        {3, "The disc in the drive is not the correct disc.  Please make sure the correct disc is in the drive."},
    };
    const auto found = strings.find(id);
    if (found == strings.end() || size <= 0)
        return 0;
    const std::string text = found->second.substr(0, static_cast<std::size_t>(size - 1));
    std::memcpy(buffer, text.c_str(), text.size() + 1);
    return static_cast<int>(text.size());
}

int FakeDialogs::RunInsertDiscDialog()
{
    ++dialogRuns;
    log_.push_back("InsertDiscDialog");
    return dialogBehaviour ? dialogBehaviour() : dialogResult;
}

// ---- drives

unsigned FakeDrives::DriveType(const char* root)
{
    typeQueries.push_back(root);
    const auto found = drives.find(static_cast<char>(std::toupper(static_cast<unsigned char>(root[0]))));
    return found == drives.end() ? 1 : found->second.type;
}

bool FakeDrives::GetVolumeLabel(const char* drive, char* label, std::uint32_t size)
{
    labelQueries.push_back(drive);
    const auto found = drives.find(static_cast<char>(std::toupper(static_cast<unsigned char>(drive[0]))));
    if (found == drives.end() || !found->second.readable)
        return false;
    // Like the system: a label that does not fit fails the call.
    if (found->second.label.size() + 1 > size)
        return false;
    std::memcpy(label, found->second.label.c_str(), found->second.label.size() + 1);
    return true;
}

// ---- memory

platform::MemoryBlock FakeMemory::Allocate(std::size_t bytes)
{
    if (failAllocation)
        return {};
    const platform::MemoryBlock block{next_++};
    blocks_[block] = std::vector<unsigned char>(bytes, 0);
    return block;
}

void* FakeMemory::Lock(platform::MemoryBlock block)
{
    const auto found = blocks_.find(block);
    if (found == blocks_.end())
        return nullptr;
    ++lockedNow;
    return found->second.data();
}

void FakeMemory::Unlock(platform::MemoryBlock block)
{
    if (blocks_.count(block) != 0)
        --lockedNow;
}

void FakeMemory::Free(platform::MemoryBlock block)
{
    blocks_.erase(block);
}

// ---- bitmap files

namespace {
class FakeReadableFile : public platform::ReadableFile {
public:
    FakeReadableFile(const std::vector<unsigned char>& bytes, bool failing) : bytes_(bytes), failing_(failing) {}
    std::uint64_t Length() override { return bytes_.size(); }
    bool Read(void* buffer, std::uint32_t bytes, std::uint32_t* received) override
    {
        if (failing_ && position_ > 0)
            return false;
        const std::size_t left = bytes_.size() - position_;
        const std::size_t count = bytes < left ? bytes : left;
        if (count != 0)
            std::memcpy(buffer, bytes_.data() + position_, count);
        position_ += count;
        *received = static_cast<std::uint32_t>(count);
        return true;
    }

private:
    std::vector<unsigned char> bytes_;
    bool failing_;
    std::size_t position_ = 0;
};
}  // namespace

std::unique_ptr<platform::ReadableFile> FakeBitmapFiles::OpenShareDenyWrite(const char* path)
{
    opened.push_back(path);
    const auto found = files_.find(Lower(path));
    if (found == files_.end())
        return nullptr;
    return std::make_unique<FakeReadableFile>(found->second, failing_.count(Lower(path)) != 0);
}

// ---- graphics

platform::PaletteHandle FakeGraphics::CreatePalette(const platform::PaletteColor* entries, std::uint16_t count)
{
    if (failPalette)
        return {};
    const platform::PaletteHandle palette{next_++};
    palettes[palette] = std::vector<platform::PaletteColor>(entries, entries + count);
    return palette;
}

void FakeGraphics::DeletePalette(platform::PaletteHandle palette)
{
    palettes.erase(palette);
}

platform::PaletteHandle FakeGraphics::SelectPalette(platform::DeviceContext dc, platform::PaletteHandle palette,
                                                    bool forceBackground)
{
    log_.push_back(std::string("SelectPalette ") + (forceBackground ? "background" : "foreground"));
    platform::PaletteHandle& current = selected_[dc];
    const platform::PaletteHandle previous = !current ? platform::PaletteHandle(0xDEF) : current;
    current = palette;
    return previous;
}

void FakeGraphics::RealizePalette(platform::DeviceContext)
{
    log_.push_back("RealizePalette");
}

int FakeGraphics::SetDIBitsToDevice(platform::DeviceContext dc, const platform::DibCopy& copy)
{
    // The first pixel byte tells the pictures apart; a 0x0 image has none.
    const auto* bits = static_cast<const unsigned char*>(copy.bits);
    const std::uint32_t first = copy.lines != 0 ? bits[0] : 0;
    copies.push_back({dc, copy, selected_[dc], first});
    log_.push_back("SetDIBitsToDevice " + std::to_string(copy.xDest) + "," + std::to_string(copy.yDest) + " " +
                   std::to_string(first));
    return static_cast<int>(copy.lines);
}

// ---- surface

platform::DeviceContext FakeSurface::GetClientDC()
{
    ++openDCs;
    log_.push_back("GetDC");
    return platform::DeviceContext(next_);
}

void FakeSurface::ReleaseClientDC(platform::DeviceContext)
{
    --openDCs;
    log_.push_back("ReleaseDC");
}

// ---- DirectX

platform::DirectXRuntime::Module FakeDirectX::LoadLibraryByName(const char* name)
{
    loads.push_back(name);
    log_.push_back(std::string("LoadLibrary ") + name);
    if (libraries.count(name) == 0)
        return 0;
    const Module module = nextModule_++;
    loadedModules.insert(module);
    moduleNames_[module] = name;
    return module;
}

platform::DirectXRuntime::Procedure FakeDirectX::FindEntryPoint(Module module, const char* name)
{
    if (loadedModules.count(module) == 0 || exports.count(name) == 0)
        return 0;
    return 0x100 + std::hash<std::string>()(name) % 0x1000;
}

void FakeDirectX::ReleaseLibrary(Module module)
{
    log_.push_back("FreeLibrary " + moduleNames_[module]);
    loadedModules.erase(module);
}

bool FakeDirectX::GetVersion(platform::VersionInfo* info)
{
    if (!versionAnswers)
        return false;
    *info = version;
    return true;
}

platform::DirectXRuntime::Object FakeDirectX::NewObject(const std::string&)
{
    const Object object = next_++;
    liveObjects.insert(object);
    return object;
}

platform::DirectXRuntime::Object FakeDirectX::DirectDrawCreate(Procedure)
{
    ++directDrawCalls;
    return createsDirectDraw ? NewObject("ddraw") : 0;
}

platform::DirectXRuntime::Object FakeDirectX::DirectDrawCreateEx7(Procedure)
{
    ++directDrawCalls;
    return createsDirectDraw7 ? NewObject("ddraw7") : 0;
}

platform::DirectXRuntime::Object FakeDirectX::QueryInterface(Object object, Interface wanted)
{
    if (liveObjects.count(object) == 0)
        return 0;
    const bool has = wanted == Interface::DirectDraw2          ? hasDirectDraw2
                     : wanted == Interface::DirectDrawSurface3 ? hasSurface3
                                                               : hasSurface4;
    return has ? NewObject("interface") : 0;
}

bool FakeDirectX::SetNormalCooperativeLevel(Object)
{
    ++directDrawCalls;
    return grantsCooperativeLevel;
}

platform::DirectXRuntime::Object FakeDirectX::CreatePrimarySurface(Object)
{
    return createsSurface ? NewObject("surface") : 0;
}

void FakeDirectX::Release(Object object)
{
    log_.push_back("Release");
    liveObjects.erase(object);
}

void FakeDirectX::CoInitialize()
{
    ++comInitialised;
}

platform::DirectXRuntime::Object FakeDirectX::CreateDirectMusic()
{
    return hasDirectMusic ? NewObject("dmusic") : 0;
}

void FakeDirectX::CoUninitialize()
{
    --comInitialised;
}

// ---- the whole platform

void FakePlatform::RegisterGame(const std::string& directory, const std::string& uninstall)
{
    registry.SetValue("SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\App Paths\\VXR.exe", "Path",
                      directory + std::string(1, '\0'));
    registry.SetValue("SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Ironmarch", "UninstallString",
                      uninstall + std::string(1, '\0'));
}

void FakePlatform::InstallGame(const std::string& directory)
{
    RegisterGame(directory);
    files.AddDirectory(directory);
    files.AddFile(directory + "\\IronmarchLauncher.exe");
}

}  // namespace fakes
