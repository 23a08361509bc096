#include "commands/ProgramStarter.h"

#include <algorithm>
#include <vector>

#include "base/Scoped.h"
#include "core/BoundedText.h"
#include "core/LauncherState.h"
#include "core/LocalTexts.h"
#include "core/Names.h"
#include "platform/Dialogs.h"
#include "platform/Files.h"
#include "platform/Win32Values.h"
#include "base/TextSizes.h"
#include "resources/resource.h"

namespace {

bool IsBlank(char c)
{
    return c == ' ' || c == '\t';
}

const char* SkipBlanks(const char* p)
{
    while (IsBlank(*p))
        ++p;
    return p;
}

// A command line's first word: quoted (without its quotes) or up to a blank;
// rest is what follows it, without the blanks between.
struct FirstWord {
    const char* begin;
    const char* end;
    const char* rest;
    bool quoted;
};

FirstWord FirstWordOf(const char* commandLine)
{
    const char* p = SkipBlanks(commandLine);
    const bool quoted = *p == '"';
    const char* begin = quoted ? ++p : p;
    while (*p != '\0' && (quoted ? *p != '"' : !IsBlank(*p)))
        ++p;
    const char* end = p;
    if (quoted && *p == '"')
        ++p;
    return {begin, end, SkipBlanks(p), quoted};
}

// Whether the last part of a path has a dot, as CreateProcessA judges it.
bool HasExtension(const std::string& path)
{
    const std::size_t name = path.find_last_of("\\/:");
    return path.find('.', name == std::string::npos ? 0 : name + 1) != std::string::npos;
}

// A directory of the platform's, "" when it cannot say or it does not fit.
std::string DirectoryText(std::uint32_t (platform::Files::*query)(char*, std::uint32_t), platform::Files& files)
{
    char buffer[kPathSize];
    const std::uint32_t length = (files.*query)(buffer, sizeof buffer);
    return length != 0 && length < sizeof buffer ? std::string(buffer, length) : std::string();
}

std::string JoinPath(const std::string& directory, const std::string& name)
{
    const bool separated = directory.back() == '\\' || directory.back() == '/';
    return directory + (separated ? "" : "\\") + name;
}

// Where CreateProcessA looks for a program named without a path, in its
// order: the running program's folder, the current directory, the system
// directory, the 16-bit one, the Windows directory, then PATH. A name with a
// path is taken as it is. The file found, or "" when there is none.
std::string FindProgram(platform::Files& files, const std::string& name)
{
    if (name.find_first_of("\\/:") != std::string::npos)
        return FileExists(files, name.c_str()) ? name : std::string();
    const std::string windows = DirectoryText(&platform::Files::WindowsDirectory, files);
    std::vector<std::string> folders = {DirectoryText(&platform::Files::ProgramDirectory, files),
                                        DirectoryText(&platform::Files::CurrentDirectory, files),
                                        DirectoryText(&platform::Files::SystemDirectory, files),
                                        windows.empty() ? windows : JoinPath(windows, "System"), windows};
    const std::string path = files.PathVariable();
    for (std::size_t at = 0, end; at <= path.size(); at = end + 1) {
        end = std::min(path.find(';', at), path.size());
        folders.push_back(path.substr(at, end - at));
    }
    for (const std::string& folder : folders) {
        if (!folder.empty() && FileExists(files, JoinPath(folder, name).c_str()))
            return JoinPath(folder, name);
    }
    return std::string();
}

// Enters the registration directory, saving the current directory in saved;
// false (and nothing changed) when the current directory cannot be saved whole.
bool EnterRegistrationDirectory(platform::Files& files, char (&saved)[kPathSize])
{
    const std::uint32_t length = files.CurrentDirectory(saved, sizeof saved);
    if (length == 0 || length >= sizeof saved)
        return false;
    char registration[kComposedPathSize];
    if (!FormatText(registration, sizeof registration, "%s\\%s", saved, names::kRegistrationFolder))
        return false;
    files.ChangeDirectory(registration);
    return true;
}

// The saved directory, entered again when the probe or start is over.
auto ScopedRegistrationDirectory(platform::Files& files, char (&saved)[kPathSize])
{
    const char* entered = EnterRegistrationDirectory(files, saved) ? saved : nullptr;
    return Scoped(entered, [&files](const char* previous) { files.ChangeDirectory(previous); });
}

}  // namespace

platform::StartResult StartProgram(platform::Processes& processes, platform::Files& files, const char* program,
                                   const char* commandLine, const char* directory, bool waitForExit)
{
    const platform::StartResult result = processes.StartProcess(program, commandLine, directory, waitForExit);
    if (result.started || result.error != win32values::kErrorElevationRequired)
        return result;

    std::string file;
    std::string parameters;
    if (program != nullptr) {
        // The command line's first word is the program's own name, which
        // the shell puts in front of the parameters itself.
        file = program;
        if (commandLine != nullptr)
            parameters = FirstWordOf(commandLine).rest;
    } else if (commandLine == nullptr || !SplitCommandLine(files, commandLine, &file, &parameters)) {
        return result;
    }
    return processes.ShellExecuteOpen(file.c_str(), parameters.empty() ? nullptr : parameters.c_str(), directory,
                                      waitForExit);
}

bool SplitCommandLine(platform::Files& files, const char* commandLine, std::string* program,
                      std::string* parameters)
{
    const FirstWord first = FirstWordOf(commandLine);
    if (first.begin == first.end)
        return false;
    // Unquoted, each blank-delimited prefix in turn, as CreateProcessA tries them.
    for (const char* p = first.end; !first.quoted;) {
        std::string candidate(first.begin, p);
        if (!HasExtension(candidate))
            candidate += ".exe";
        const std::string found = FindProgram(files, candidate);
        if (!found.empty()) {
            program->assign(found);
            parameters->assign(SkipBlanks(p));
            return true;
        }
        p = SkipBlanks(p);
        if (*p == '\0')
            break;
        while (*p != '\0' && !IsBlank(*p))
            ++p;
    }
    program->assign(first.begin, first.end);
    parameters->assign(first.rest);
    return true;
}

std::string SystemErrorText(platform::Processes& processes, std::uint32_t error)
{
    return processes.SystemErrorText(error);
}

bool FileExists(platform::Files& files, const char* path)
{
    return files.CanOpenForReading(path);
}

// Runs at start-up and on every activation of the application: it changes
// into "<current>\ereg" and back each time, so the process's current
// directory is briefly the registration folder.
void ProbeRegistrationTool(LauncherState& state, platform::Files& files)
{
    char saved[kPathSize] = {};
    const auto directory = ScopedRegistrationDirectory(files, saved);
    state.registrationToolPresent = directory && FileExists(files, names::kRegistrationProgram);
}

void LaunchRegistrationTool(platform::Files& files, platform::Processes& processes, bool wait)
{
    char saved[kPathSize] = {};
    const auto directory = ScopedRegistrationDirectory(files, saved);
    if (!directory)
        return;
    StartProgram(processes, files, names::kRegistrationProgram, nullptr, nullptr, wait);
}

unsigned WebPageErrorTextId(std::intptr_t result)
{
    switch (result) {
    case 0:
        return IDS_WEB_OUT_OF_RESOURCES;
    case 2:
        return IDS_WEB_FILE_NOT_FOUND;
    case 3:
        return IDS_WEB_PATH_NOT_FOUND;
    case 5:
        return IDS_WEB_ACCESS_DENIED;
    case 8:
        return IDS_WEB_OUT_OF_MEMORY;
    case 11:
        return IDS_WEB_BAD_FORMAT;
    case 26:
        return IDS_WEB_SHARING;
    case 27:
        return IDS_WEB_ASSOCIATION_INCOMPLETE;
    case 28:
        return IDS_WEB_DDE_TIMEOUT;
    case 29:
        return IDS_WEB_DDE_FAILED;
    case 30:
        return IDS_WEB_DDE_BUSY;
    case 31:
        return IDS_WEB_NO_ASSOCIATION;
    case 32:
        return IDS_WEB_DLL_NOT_FOUND;
    default:
        return IDS_WEB_OTHER;
    }
}

void OpenWebPage(platform::Processes& processes, platform::Dialogs& dialogs, const LocalTexts& texts,
                 const char* address)
{
    const std::intptr_t result = processes.OpenDocument(address);
    if (result > 32)
        return;
    dialogs.AppMessageBox(texts.Text(WebPageErrorTextId(result)).c_str(), platform::MessageKind::Error);
}
