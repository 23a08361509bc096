#include "FakeSystem.h"

#include <algorithm>
#include <cctype>

namespace fake {
namespace {

std::string Show(const char* text)
{
    return text == nullptr ? "(null)" : text;
}

// Copies as the Get*Directory calls do: the length on success, else the size needed.
std::uint32_t CopyOut(const std::string& text, char* buffer, std::uint32_t size)
{
    if (text.size() + 1 > size)
        return static_cast<std::uint32_t>(text.size() + 1);
    std::memcpy(buffer, text.c_str(), text.size() + 1);
    return static_cast<std::uint32_t>(text.size());
}

}  // namespace

std::string Lower(std::string text)
{
    std::transform(text.begin(), text.end(), text.begin(), [](unsigned char c) { return std::tolower(c); });
    return text;
}

std::size_t System::Count(const std::string& prefix) const
{
    return static_cast<std::size_t>(
        std::count_if(log.begin(), log.end(), [&](const std::string& line) { return line.rfind(prefix, 0) == 0; }));
}

std::size_t System::IndexOf(const std::string& line) const
{
    return static_cast<std::size_t>(std::find(log.begin(), log.end(), line) - log.begin());
}

void System::RegisterGame(const std::string& directory, const std::string& uninstall)
{
    registry["SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\App Paths\\VXR.exe"]["Path"] = directory + '\0';
    registry["SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Ironmarch"]["UninstallString"] =
        uninstall + '\0';
}

void System::InstallGame(const std::string& directory)
{
    RegisterGame(directory);
    AddDirectory(directory);
    AddFile(directory + "\\IronmarchLauncher.exe");
}

platform::Registry::ReadResult System::ReadLocalMachineValue(const char* key, const char* value, char* buffer,
                                                             std::uint32_t* size)
{
    log.push_back(std::string("RegRead ") + key + " " + value);
    const auto found = registry.find(key);
    if (found == registry.end())
        return ReadResult::KeyMissing;
    const auto bytes = found->second.find(value);
    if (bytes == found->second.end() || bytes->second.size() > *size)
        return ReadResult::ValueUnreadable;
    std::memcpy(buffer, bytes->second.data(), bytes->second.size());
    *size = static_cast<std::uint32_t>(bytes->second.size());
    return ReadResult::Ok;
}

std::string System::Resolve(const std::string& path) const
{
    if ((path.size() >= 2 && path[1] == ':') || path.rfind("\\\\", 0) == 0)
        return path;
    if (!path.empty() && path[0] == '\\')
        return currentDirectory.substr(0, 2) + path;
    return currentDirectory + (currentDirectory.back() == '\\' ? "" : "\\") + path;
}

bool System::CanOpenForReading(const char* path)
{
    const bool found = files.count(Lower(Resolve(path))) != 0;
    log.push_back("fopen " + Resolve(path) + (found ? " ok" : " missing"));
    return found;
}

std::uint32_t System::CurrentDirectory(char* buffer, std::uint32_t size)
{
    return CopyOut(currentDirectory, buffer, size);
}

bool System::ChangeDirectory(const char* path)
{
    const bool exists = directories.count(Lower(Resolve(path))) != 0;
    log.push_back(std::string("chdir ") + path + (exists ? "" : " failed"));
    if (exists)
        currentDirectory = Resolve(path);
    return exists;
}

std::uint32_t System::WindowsDirectory(char* buffer, std::uint32_t size)
{
    return CopyOut(windowsDirectory, buffer, size);
}

bool System::CanonicalDirectory(const char* path, char* buffer, std::uint32_t size)
{
    const auto found = canonical.find(Lower(path));
    std::string full = found != canonical.end() ? found->second : std::string(path);
    if (full.size() > 3 && full.back() == '\\')
        full.pop_back();
    return full.size() + 1 <= size && CopyOut(full, buffer, size) == full.size();
}

platform::StartResult System::StartProcess(const char* application, const char* commandLine, const char* directory,
                                           bool wait)
{
    starts.push_back({"CreateProcess", Show(application), Show(commandLine), Show(directory), currentDirectory, wait});
    log.push_back("CreateProcess " + Show(application) + " | " + Show(commandLine) + " | " + Show(directory));
    return nextStart;
}

platform::StartResult System::ShellExecuteOpen(const char* file, const char* parameters, const char* directory,
                                               bool wait)
{
    starts.push_back({"ShellExecuteEx", Show(file), Show(parameters), Show(directory), currentDirectory, wait});
    log.push_back("ShellExecuteEx " + Show(file));
    return nextShellStart;
}

std::intptr_t System::OpenDocument(const char* address)
{
    log.push_back(std::string("open ") + address);
    return documentResult;
}

platform::MutexHandle System::CreateNamedMutex(const char* name, bool* alreadyExists)
{
    log.push_back(std::string("CreateMutex ") + name);
    *alreadyExists = mutexExists;
    return mutex;
}

platform::WindowHandle System::FindTopLevelWindow(const char* title)
{
    log.push_back(std::string("FindWindow ") + title);
    const auto found = windows.find(title);
    return found == windows.end() ? platform::WindowHandle() : found->second;
}

platform::WindowHandle System::GetLastActivePopup(platform::WindowHandle w)
{
    const auto found = popups.find(w);
    return found == popups.end() ? w : found->second;
}

void System::BringToForeground(platform::WindowHandle w)
{
    log.push_back("Foreground " + std::to_string(w.value()));
}

bool System::GetVersion(std::uint32_t recordSize, platform::VersionInfo* info)
{
    log.push_back("GetVersionEx " + std::to_string(recordSize));
    if (versionRecordsAnswered.count(recordSize) == 0)
        return false;
    *info = version;
    return true;
}

void System::SetEnvironmentText(const char* name, const char* value)
{
    log.push_back(std::string("SetEnvironment ") + name + "=" + Show(value));
    if (value == nullptr)
        environment.erase(name);
    else
        environment[name] = value;
}

int System::ShowMessageBox(const char* text, const char* caption, unsigned style)
{
    boxes.push_back({text, caption, style});
    log.push_back(std::string("MessageBox ") + caption);
    if (whileBoxShown)
        whileBoxShown();
    if (answers.empty())
        return 1;
    const int answer = answers.front();
    answers.erase(answers.begin());
    return answer;
}

int System::AppMessageBox(const char* text, unsigned style)
{
    return ShowMessageBox(text, "IronmarchLauncher", style);
}

int System::LoadResourceString(unsigned id, char* buffer, int size)
{
    const std::string text = "string " + std::to_string(id);
    if (size <= 0 || text.size() + 1 > static_cast<std::size_t>(size))
        return 0;
    std::memcpy(buffer, text.c_str(), text.size() + 1);
    return static_cast<int>(text.size());
}

int System::RunInsertDiscDialog()
{
    log.push_back("InsertDiscDialog");
    return insertDiscDialog();
}

unsigned System::DriveType(const char* root)
{
    log.push_back(std::string("DriveType ") + root);
    const auto found = drives.find(static_cast<char>(std::toupper(static_cast<unsigned char>(root[0]))));
    return found == drives.end() ? 1 : found->second.type;
}

bool System::GetVolumeLabel(const char* drive, char* label, std::uint32_t size)
{
    log.push_back(std::string("GetVolumeInformation ") + drive);
    const auto found = drives.find(static_cast<char>(std::toupper(static_cast<unsigned char>(drive[0]))));
    // Like the system, a label that does not fit fails the call.
    if (found == drives.end() || !found->second.readable || found->second.label.size() + 1 > size)
        return false;
    std::memcpy(label, found->second.label.c_str(), found->second.label.size() + 1);
    return true;
}

platform::WholeFile System::ReadWholeFile(const char* path, std::size_t padding)
{
    log.push_back(std::string("read ") + path);
    platform::WholeFile whole;
    const auto found = pictures.find(Lower(path));
    if (found == pictures.end())
        return whole;
    using Outcome = platform::WholeFile::Outcome;
    whole.outcome = failingReads.count(Lower(path)) ? Outcome::ReadFailed : noMemory ? Outcome::NoMemory : Outcome::Read;
    whole.length = whole.received = found->second.size();
    if (whole.outcome == Outcome::Read) {
        // Exactly the file and its padding, so that AddressSanitizer sees every read past them.
        whole.bytes.reset(new std::uint8_t[found->second.size() + padding]());
        std::copy(found->second.begin(), found->second.end(), whole.bytes.get());
    }
    return whole;
}

platform::PaletteHandle System::CreatePalette(const platform::PaletteColor* entries, std::uint16_t count)
{
    if (failPalette)
        return {};
    const platform::PaletteHandle palette{next_++};
    palettes[palette].assign(entries, entries + count);
    return palette;
}

platform::PaletteHandle System::SelectPalette(platform::DeviceContext dc, platform::PaletteHandle palette,
                                              bool forceBackground)
{
    log.push_back(std::string("SelectPalette ") + (forceBackground ? "background" : "foreground"));
    const platform::PaletteHandle previous = selected_[dc] ? selected_[dc] : platform::PaletteHandle(0xDEF);
    selected_[dc] = palette;
    return previous;
}

int System::SetDIBitsToDevice(platform::DeviceContext dc, const platform::DibCopy& copy)
{
    const unsigned first = copy.lines != 0 ? *static_cast<const unsigned char*>(copy.bits) : 0;
    copies.push_back({copy, selected_[dc], first});
    log.push_back("SetDIBitsToDevice " + std::to_string(first));
    return static_cast<int>(copy.lines);
}

platform::DeviceContext System::GetClientDC()
{
    log.push_back("GetDC");
    return platform::DeviceContext(0xDC);
}

platform::DirectXRuntime::Module System::OpenLibrary(const char* name)
{
    log.push_back(std::string("LoadLibrary ") + name);
    if (absent.count(name) != 0)
        return {};
    const Module module{next_++};
    loadedModules.insert(module.value());
    moduleNames_[module.value()] = name;
    return module;
}

platform::DirectXRuntime::Procedure System::FindEntryPoint(Module module, const char* name)
{
    return loadedModules.count(module.value()) && !absent.count(name) ? Procedure(next_++) : Procedure();
}

void System::CloseLibrary(Module module)
{
    log.push_back("FreeLibrary " + moduleNames_[module.value()]);
    loadedModules.erase(module.value());
}

platform::DirectXRuntime::Object System::NewObject(const std::string& what)
{
    if (absent.count(what) != 0)
        return {};
    liveObjects.insert(next_);
    return Object(next_++);
}

platform::DirectXRuntime::Object System::Create(Creation what, Procedure)
{
    return NewObject(what == Creation::DirectDraw ? "DirectDraw" : what == Creation::DirectDraw7 ? "DirectDraw7" : "DirectMusic");
}

platform::DirectXRuntime::Object System::QueryInterface(Object object, Interface wanted)
{
    if (liveObjects.count(object.value()) == 0)
        return {};
    return NewObject(wanted == Interface::DirectDraw2 ? "DirectDraw2" : wanted == Interface::DirectDrawSurface3 ? "Surface3" : "Surface4");
}

void System::Release(Object object)
{
    log.push_back("Release");
    liveObjects.erase(object.value());
}

}  // namespace fake
