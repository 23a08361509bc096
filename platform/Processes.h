// Starting programs and handing addresses to the shell.
#pragma once
#include <cstdint>
#include <string>

namespace platform {

struct StartResult {
    bool started;
    std::uint32_t error;  // the system's last-error number when not started
};

class Processes {
public:
    // One CreateProcessA call: no inherited handles, CREATE_DEFAULT_ERROR_MODE,
    // the caller's environment, a zeroed STARTUPINFOA. Any of the three texts
    // may be null. With waitForExit the call returns when the child has ended.
    virtual StartResult StartProcess(const char* applicationName, const char* commandLine,
                                      const char* currentDirectory, bool waitForExit) = 0;

    // ShellExecuteExA with the verb "open": the way to start a program that
    // needs elevation, which CreateProcessA refuses. With waitForExit the
    // call returns when the program has ended.
    virtual StartResult ShellExecuteOpen(const char* file, const char* parameters, const char* directory,
                                         bool waitForExit) = 0;

    // ShellExecuteA(no owner, "open", address, no parameters, no directory,
    // SW_SHOW); the instance result taken as a signed number.
    virtual std::intptr_t OpenDocument(const char* address) = 0;

    // FormatMessageA's text for a system error number (empty when the system
    // has none).
    virtual std::string SystemErrorText(std::uint32_t error) = 0;

protected:
    ~Processes() = default;
};

}  // namespace platform
