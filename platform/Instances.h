// The single-instance work: the named mutex, and the windows of another
// launcher, the installer or the game to bring forward.
#pragma once
#include "platform/Types.h"

namespace platform {

class Instances {
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

protected:
    ~Instances() = default;
};

}  // namespace platform
