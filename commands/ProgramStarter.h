// The one way the launcher starts programs, tests files and opens web pages.
#pragma once
#include <cstdint>
#include <string>

#include "platform/Processes.h"

struct LauncherState;
class LocalTexts;
namespace platform {
class Dialogs;
class Files;
}  // namespace platform

// CreateProcessA as the launcher always calls it. A program that needs
// elevation is refused by CreateProcessA on Vista and later; it is then
// started through the shell, which asks the user for consent, and waited
// for in the same way.
platform::StartResult StartProgram(platform::Processes& processes, platform::Files& files, const char* program,
                                   const char* commandLine, const char* directory, bool waitForExit = false);

// Splits a command line into the program and the rest, the way the shell
// wants them. A quoted first word is the program. Unquoted, the program is
// found as CreateProcessA finds it: each blank-delimited prefix in turn, with
// ".exe" added when its name has none, the first that names a file winning
// (a name without a path is looked for where CreateProcessA looks, and the
// file found is the program); when none does, the first word. False when
// there is no program.
bool SplitCommandLine(platform::Files& files, const char* commandLine, std::string* program,
                      std::string* parameters);

std::string SystemErrorText(platform::Processes& processes, std::uint32_t error);

bool FileExists(platform::Files& files, const char* path);

void ProbeRegistrationTool(LauncherState& state, platform::Files& files);
void LaunchRegistrationTool(platform::Files& files, platform::Processes& processes, bool wait);

// The string id of the message for a failed ShellExecuteA result (32 or
// less).
unsigned WebPageErrorTextId(std::intptr_t result);
void OpenWebPage(platform::Processes& processes, platform::Dialogs& dialogs, const LocalTexts& texts,
                 const char* address);
