#include "platform/win32/SystemFunction.h"
#include "platform/win32/Win32Platform.h"

namespace win32 {

namespace {

// Entry points of KERNEL32 that only later Windows have.
template <typename Function>
Function KernelFunction(const char* name)
{
    return reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("kernel32.dll"), name)));
}

}  // namespace

std::uint32_t LibraryLoader::SystemDirectory(char* buffer, std::uint32_t size)
{
    return GetSystemDirectoryA(buffer, size);
}

platform::ModuleHandle LibraryLoader::LoadModule(const char* path, std::uint32_t flags)
{
    return Wrap<platform::ModuleHandle>(LoadLibraryExA(path, NULL, flags));
}

platform::Procedure LibraryLoader::FindExport(platform::ModuleHandle module, const char* name)
{
    return Wrap<platform::Procedure>(GetProcAddress(Unwrap<HMODULE>(module), name));
}

bool LibraryLoader::SetDefaultDllSearch(std::uint32_t directories)
{
    typedef BOOL(WINAPI * Function)(DWORD);
    const Function setDefault = KernelFunction<Function>("SetDefaultDllDirectories");
    return setDefault != nullptr && setDefault(directories) != FALSE;
}

bool LibraryLoader::SetDllSearchDirectory(const char* path)
{
    typedef BOOL(WINAPI * Function)(LPCSTR);
    const Function setDirectory = KernelFunction<Function>("SetDllDirectoryA");
    return setDirectory != nullptr && setDirectory(path) != FALSE;
}

platform::SystemLibraries& TheSystemLibraries()
{
    static LibraryLoader loader;
    static platform::SystemLibraries libraries(loader);
    return libraries;
}

}  // namespace win32
