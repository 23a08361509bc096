#include "FakeSystem.h"

#include <algorithm>
#include <cctype>
#include <cstring>

#include "core/Names.h"
#include "ResourceTexts.h"

namespace fake {

std::string Lower(std::string text)
{
    std::transform(text.begin(), text.end(), text.begin(), [](unsigned char c) { return std::tolower(c); });
    return text;
}

Log System::Calls(const std::string& prefix) const
{
    Log calls;
    for (const std::string& line : log)
        if (line.rfind(prefix, 0) == 0)
            calls.push_back(line.substr(prefix.size()));
    return calls;
}

void System::InstallGame(const std::string& directory)
{
    registry[names::kAppPathsKey][names::kInstallDirValue] = directory + '\0';
    registry[names::kUninstallKey][names::kUninstallValue] = "u /x";
    AddDirectory(directory);
    AddFile(directory + "\\IronmarchLauncher.exe");
}

platform::TextLoad System::LoadText(std::uint16_t language, unsigned id, std::string* text)
{
    const StringTables& tables = ResourceTexts();
    const auto table = tables.find(language);
    if (table == tables.end() || table->second.count(id) == 0)
        return platform::TextLoad::Missing;
    const std::string& found = table->second.at(id);
    const bool plain = std::all_of(found.begin(), found.end(), [](unsigned char c) { return c < 0x80; });
    if (!westernCodePage && !plain)
        return platform::TextLoad::NotInCodePage;
    *text = found;
    return platform::TextLoad::Loaded;
}

// As the Get*Directory calls do: the length on success, else the size needed.
std::uint32_t System::CopyOut(const std::string& text, char* buffer, std::uint32_t size)
{
    if (text.size() + 1 > size)
        return static_cast<std::uint32_t>(text.size() + 1);
    std::memcpy(buffer, text.c_str(), text.size() + 1);
    return static_cast<std::uint32_t>(text.size());
}

platform::Registry::ReadResult System::ReadLocalMachineValue(const char* key, const char* value, char* buffer,
                                                             std::uint32_t* size)
{
    Note(std::string("RegRead ") + key + " " + value);
    if (registry.count(key) == 0)
        return ReadResult::KeyMissing;
    const auto bytes = registry[key].find(value);
    if (bytes == registry[key].end() || bytes->second.size() > *size)
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
    Note("fopen " + Resolve(path) + (found ? " ok" : " missing"));
    return found;
}

bool System::ChangeDirectory(const char* path)
{
    const bool exists = directories.count(Lower(Resolve(path))) != 0;
    Note(std::string("chdir ") + path + (exists ? "" : " failed"));
    if (exists)
        currentDirectory = Resolve(path);
    return exists;
}

bool System::CanonicalDirectory(const char* path, char* buffer, std::uint32_t size)
{
    std::string full = canonical.count(Lower(path)) ? canonical[Lower(path)] : std::string(path);
    if (full.size() > 3 && full.back() == '\\')
        full.pop_back();
    return CopyOut(full, buffer, size) == full.size();
}

platform::Answer System::ShowMessageBox(const char* text, const char* caption, platform::MessageKind kind)
{
    static const char* kinds[] = {"warning", "error", "information", "question"};
    Note(std::string("MessageBox ") + caption + ": " + text + " [" + kinds[static_cast<int>(kind)] + "]");
    whileBoxShown();
    const platform::Answer answer = answers.empty() ? platform::Answer::Ok : answers.front();
    answers.erase(answers.begin(), answers.begin() + (answers.empty() ? 0 : 1));
    return answer;
}

unsigned System::DriveType(const char* root)
{
    Note(std::string("DriveType ") + root);
    const auto found = drives.find(static_cast<char>(std::toupper(static_cast<unsigned char>(root[0]))));
    return found != drives.end() ? found->second.type : 1;
}

bool System::GetVolumeLabel(const char* drive, char* label, std::uint32_t size)
{
    Note(std::string("GetVolumeInformation ") + drive);
    const char letter = static_cast<char>(std::toupper(static_cast<unsigned char>(drive[0])));
    // Like the system, a label that does not fit fails the call.
    return drives.count(letter) && drives[letter].readable &&
           CopyOut(drives[letter].label, label, size) == drives[letter].label.size();
}

platform::WholeFile System::ReadWholeFile(const char* path, std::size_t padding)
{
    Note(std::string("read ") + path);
    platform::WholeFile whole;
    if (pictures.count(Lower(path)) == 0)
        return whole;
    const std::vector<unsigned char>& bytes = pictures[Lower(path)];
    whole.outcome = platform::WholeFile::Outcome::Read;
    whole.length = whole.received = bytes.size();
    // Exactly the file and its padding, so that AddressSanitizer sees every read past them.
    whole.bytes.reset(new std::uint8_t[bytes.size() + padding]());
    std::copy(bytes.begin(), bytes.end(), whole.bytes.get());
    return whole;
}

platform::PaletteHandle System::SelectPalette(platform::DeviceContext dc, platform::PaletteHandle palette, bool background)
{
    Note(std::string("SelectPalette ") + (background ? "background" : "foreground"));
    const platform::PaletteHandle previous = selected_[dc] ? selected_[dc] : platform::PaletteHandle(0xDEF);
    selected_[dc] = palette;
    return previous;
}

int System::SetDIBitsToDevice(platform::DeviceContext dc, const platform::DibCopy& copy)
{
    // The first pixel tells the pictures apart; then where the block goes and where it comes from.
    const unsigned first = copy.lines != 0 ? *static_cast<const unsigned char*>(copy.bits) : 0;
    Note("draw " + std::to_string(first) + " at " + std::to_string(copy.xDest) + "," + std::to_string(copy.yDest) +
         " " + std::to_string(copy.width) + "x" + std::to_string(copy.height) + " from " + std::to_string(copy.xSrc) +
         "," + std::to_string(copy.ySrc) + " rows " + std::to_string(copy.startScan) + "+" + std::to_string(copy.lines) +
         " pixels +" + std::to_string(static_cast<const char*>(copy.bits) - static_cast<const char*>(copy.header)) +
         " palette " + std::to_string(selected_[dc].value()));
    return static_cast<int>(copy.lines);
}

platform::DirectXRuntime::Module System::OpenLibrary(const char* name)
{
    Note(std::string("LoadLibrary ") + name);
    return Module(Load(name, name));
}
platform::ModuleHandle System::LoadModule(const char* path, std::uint32_t flags)
{
    Note(std::string("LoadLibraryEx ") + path + " " + std::to_string(flags));
    const std::string name = path;
    return platform::ModuleHandle(Load(name, name.substr(name.find_last_of('\\') + 1)));
}

// A library by its path, unless its name is absent: its handle, or 0.
std::uintptr_t System::Load(const std::string& path, const std::string& name)
{
    if (absent.count(name) != 0)
        return 0;
    loadedModules.insert(next_);
    modules_[next_] = path;
    return next_++;
}
platform::DirectXRuntime::Object System::NewObject(const std::string& what)
{
    if (absent.count(what) != 0)
        return {};
    liveObjects.insert(next_);
    return Object(next_++);
}

}  // namespace fake
