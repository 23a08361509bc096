// Libraries that every Windows keeps in its system directory, loaded by full
// path when first needed. Windows looks for a bare DLL name in the program's
// own folder first, and the installed launcher's folder is often writable by
// any user; a full path leaves nothing to plant. A library is kept loaded for
// the life of the process, as a static import would be: PlaySoundA goes on
// playing inside WINMM after the call returns.
#pragma once
#include <windows.h>


// "<system directory>\<fileName>" into buffer; false when it does not fit.
bool SystemLibraryPath(const char* fileName, char* buffer, unsigned size);

// The library loaded from the system directory, or NULL.
HMODULE LoadSystemLibrary(const char* fileName);

// An entry point of a system library, or null when the library or the
// function is missing (a later Windows' function on an earlier Windows).
FARPROC SystemFunctionAddress(const char* fileName, const char* functionName);

template <typename Function>
Function SystemFunction(const char* fileName, const char* functionName)
{
    return reinterpret_cast<Function>(reinterpret_cast<void*>(SystemFunctionAddress(fileName, functionName)));
}

// Windows 8 and later, and 7 and Vista with KB2533623: after this, DLLs the
// process loads by name come from the system directory only. Elsewhere it
// does nothing, and the full paths above do the work.
void RestrictDllSearchToSystemDirectory();

