// The launcher's system libraries over the real loader, and their entry
// points typed for the call.
#pragma once
#include <windows.h>

#include "platform/SystemLibraries.h"

namespace win32 {

platform::SystemLibraries& TheSystemLibraries();

// An entry point of a library from the system directory, or null when the
// library or the function is missing (a later Windows' function on an
// earlier Windows).
template <typename Function>
Function SystemFunction(const char* fileName, const char* functionName)
{
    const platform::Procedure procedure = TheSystemLibraries().Function(fileName, functionName);
    return reinterpret_cast<Function>(reinterpret_cast<void*>(procedure.value()));
}

}  // namespace win32
