#include "platform/win32/Win32Platform.h"

namespace win32 {

int SystemFacts::ScreenWidth()
{
    return GetSystemMetrics(SM_CXSCREEN);
}

int SystemFacts::ScreenHeight()
{
    return GetSystemMetrics(SM_CYSCREEN);
}

bool SystemFacts::GetVersion(std::uint32_t recordSize, platform::VersionInfo* info)
{
    OSVERSIONINFOEXA version = {};
    version.dwOSVersionInfoSize = recordSize;
    if (!GetVersionExA(reinterpret_cast<OSVERSIONINFOA*>(&version)))
        return false;
    info->platformId = version.dwPlatformId;
    info->majorVersion = version.dwMajorVersion;
    info->minorVersion = version.dwMinorVersion;
    return true;
}

bool SystemFacts::HasEnvironmentVariable(const char* name)
{
    char value[4];
    return GetEnvironmentVariableA(name, value, sizeof value) != 0;
}

void SystemFacts::SetEnvironmentText(const char* name, const char* value)
{
    SetEnvironmentVariableA(name, value);
}

}  // namespace win32
