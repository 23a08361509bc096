// MinGW's win32-thread runtime (libgcc's gthr-win32) makes every mutex of
// libstdc++ with CreateSemaphoreW, and libstdc++ makes some at start-up.
// Windows 95, 98 and ME export CreateSemaphoreW only as a stub that fails,
// so the runtime's mutexes would have no semaphore there. The import slot
// below takes the place of kernel32's for the whole program: an unnamed
// semaphore (the only kind the runtime asks for) comes from
// CreateSemaphoreA, which every Windows has; a named one still goes to
// CreateSemaphoreW.
#include <windows.h>

#if defined(__MINGW32__) && defined(__i386__)

namespace {

HANDLE WINAPI CreateUnnamedSemaphore(LPSECURITY_ATTRIBUTES attributes, LONG initialCount, LONG maximumCount,
                                     LPCWSTR name)
{
    if (name == NULL)
        return CreateSemaphoreA(attributes, initialCount, maximumCount, NULL);
    typedef HANDLE(WINAPI * CreateSemaphoreWFunction)(LPSECURITY_ATTRIBUTES, LONG, LONG, LPCWSTR);
    const CreateSemaphoreWFunction wide = reinterpret_cast<CreateSemaphoreWFunction>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("kernel32.dll"), "CreateSemaphoreW")));
    if (wide == NULL) {
        SetLastError(ERROR_CALL_NOT_IMPLEMENTED);
        return NULL;
    }
    return wide(attributes, initialCount, maximumCount, name);
}

}  // namespace

// The name the i686 import library gives kernel32's slot; defined here, it
// is the one the linker binds the runtime's calls to.
extern "C" {
extern void* const ironmarchCreateSemaphoreW __asm__("__imp__CreateSemaphoreW@16");
void* const ironmarchCreateSemaphoreW = reinterpret_cast<void*>(&CreateUnnamedSemaphore);
}

#endif
