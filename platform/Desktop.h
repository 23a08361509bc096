// The session the launcher runs in: the named single-instance mutex, other
// programs' top-level windows, the screen, the Windows version and the
// debugger output.
#pragma once
#include <cstdint>

#include "platform/Types.h"

namespace platform {

struct VersionInfo {
    std::uint32_t platformId;
    std::uint32_t majorVersion;
    std::uint32_t minorVersion;
};

class Desktop {
public:
    // CreateMutexA(default security, initially owned, name). alreadyExists is
    // GetLastError() == ERROR_ALREADY_EXISTS, read right after the call.
    virtual MutexHandle CreateNamedMutex(const char* name, bool* alreadyExists) = 0;
    virtual void CloseMutex(MutexHandle mutex) = 0;

    virtual WindowHandle FindTopLevelWindow(const char* title) = 0;
    virtual WindowHandle GetLastActivePopup(WindowHandle window) = 0;
    virtual bool IsMinimized(WindowHandle window) = 0;
    virtual void Restore(WindowHandle window) = 0;
    virtual void BringToForeground(WindowHandle window) = 0;

    virtual int ScreenWidth() = 0;
    virtual int ScreenHeight() = 0;

    // GetVersionExA with the record's size field set to recordSize (156 for
    // OSVERSIONINFOEXA, 148 for OSVERSIONINFOA).
    virtual bool GetVersion(std::uint32_t recordSize, VersionInfo* info) = 0;

    // Environment variables of the launcher's own process.
    virtual bool HasEnvironmentVariable(const char* name) = 0;
    virtual void SetEnvironmentText(const char* name, const char* value) = 0;

protected:
    ~Desktop() = default;
};

}  // namespace platform
