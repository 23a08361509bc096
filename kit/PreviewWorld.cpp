#include "PreviewWorld.h"

#include <algorithm>
#include <cstring>

#include "startup/GetPaths.h"
#include "core/Names.h"

namespace {

constexpr const char* kDisc = "D:\\";
constexpr const char* kInstallDir = "C:\\Games\\Ironmarch";

std::uint32_t CopyOut(const std::string& text, char* buffer, std::uint32_t size)
{
    if (text.size() >= size)
        return static_cast<std::uint32_t>(text.size() + 1);
    std::memcpy(buffer, text.c_str(), text.size() + 1);
    return static_cast<std::uint32_t>(text.size());
}

}  // namespace

ChosenWorld::ChosenWorld(bool installed, bool registrationTool, const FolderFiles& disc)
    : installed_(installed), registrationTool_(registrationTool), disc_(disc), current_(kDisc)
{
}

platform::Registry::ReadResult ChosenWorld::ReadLocalMachineValue(const char* keyName, const char* valueName,
                                                                  char* buffer, std::uint32_t* size)
{
    if (!installed_)
        return ReadResult::KeyMissing;
    std::string value;
    if (std::strcmp(keyName, names::kAppPathsKey) == 0 && std::strcmp(valueName, names::kInstallDirValue) == 0)
        value = kInstallDir;
    else if (std::strcmp(keyName, names::kUninstallKey) == 0 && std::strcmp(valueName, names::kUninstallValue) == 0)
        value = std::string(kInstallDir) + "\\" + names::kUninstallProgram;
    else
        return ReadResult::KeyMissing;
    if (value.size() + 1 > *size)
        return ReadResult::ValueUnreadable;
    std::memcpy(buffer, value.c_str(), value.size() + 1);
    *size = static_cast<std::uint32_t>(value.size() + 1);
    return ReadResult::Ok;
}

// A relative path is looked up in the current directory. Repeated
// separators count as one, as they do for Windows' own file calls.
bool ChosenWorld::CanOpenForReading(const char* path)
{
    std::string full = IsAbsolutePath(path) ? path : current_ + "\\" + path;
    full.erase(std::unique(full.begin(), full.end(), [](char a, char b) { return a == '\\' && b == '\\'; }),
               full.end());
    if (registrationTool_ && full == std::string(kDisc) + names::kRegistrationFolder + "\\" + names::kRegistrationProgram)
        return true;
    if (full.rfind(std::string(kDisc) + "bitmaps\\", 0) == 0)  // a picture, perhaps of a language's set
        return disc_.HasFile(full.c_str() + std::strlen(kDisc));
    return installed_ && full == std::string(kInstallDir) + "\\" + names::kLauncherProgram;
}

std::uint32_t ChosenWorld::CurrentDirectory(char* buffer, std::uint32_t size)
{
    return CopyOut(current_, buffer, size);
}

bool ChosenWorld::ChangeDirectory(const char* path)
{
    current_ = path;
    return true;
}

std::uint32_t ChosenWorld::WindowsDirectory(char* buffer, std::uint32_t size)
{
    return CopyOut("C:\\WINDOWS", buffer, size);
}

std::uint32_t ChosenWorld::SystemDirectory(char* buffer, std::uint32_t size)
{
    return CopyOut("C:\\WINDOWS\\system32", buffer, size);
}

std::uint32_t ChosenWorld::ProgramDirectory(char* buffer, std::uint32_t size)
{
    return CopyOut(kDisc, buffer, size);
}

bool ChosenWorld::CanonicalDirectory(const char* path, char* buffer, std::uint32_t size)
{
    return CopyOut(path, buffer, size) < size;
}
