// Owners of Win32 handles: one place frees each one, and none can be copied.
#pragma once
#include <windows.h>

#include "base/Scoped.h"

struct CloseKernelHandle {
    void operator()(HANDLE h) const { CloseHandle(h); }
};
// CreateFile's failure value is INVALID_HANDLE_VALUE, not null; store null instead.
using KernelHandle = Scoped<HANDLE, CloseKernelHandle>;

struct CloseRegistryKey {
    void operator()(HKEY h) const { RegCloseKey(h); }
};
using RegistryKey = Scoped<HKEY, CloseRegistryKey>;

struct FreeLocalMemory {
    void operator()(HLOCAL h) const { LocalFree(h); }
};
using LocalMemory = Scoped<HLOCAL, FreeLocalMemory>;
