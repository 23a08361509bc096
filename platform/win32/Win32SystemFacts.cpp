#include "platform/win32/Win32Platform.h"
#include "platform/win32/SystemFunction.h"

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

std::uint16_t SystemFacts::UiLanguage()
{
    // Windows 2000 and later; 95, 98, ME and NT 4.0 have only the user's
    // default language.
    using GetUiLanguageFunction = LANGID(WINAPI*)();
    const auto uiLanguage = SystemFunction<GetUiLanguageFunction>("kernel32.dll", "GetUserDefaultUILanguage");
    return uiLanguage != nullptr ? uiLanguage() : 0;
}

std::uint16_t SystemFacts::UserDefaultLanguage()
{
    return GetUserDefaultLangID();
}

}  // namespace win32
