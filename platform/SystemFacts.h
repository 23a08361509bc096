// Facts of the system the launcher runs on: the screen, the Windows version,
// and the launcher's own environment variables.
#pragma once
#include <cstdint>

namespace platform {

struct VersionInfo {
    std::uint32_t platformId;
    std::uint32_t majorVersion;
    std::uint32_t minorVersion;
};

class SystemFacts {
public:
    virtual int ScreenWidth() = 0;
    virtual int ScreenHeight() = 0;

    // GetVersionExA with the record's size field set to recordSize (156 for
    // OSVERSIONINFOEXA, 148 for OSVERSIONINFOA).
    virtual bool GetVersion(std::uint32_t recordSize, VersionInfo* info) = 0;

    // Environment variables of the launcher's own process.
    virtual bool HasEnvironmentVariable(const char* name) = 0;
    virtual void SetEnvironmentText(const char* name, const char* value) = 0;

    // The player's language ids: the UI language (0 before Windows 2000)
    // and the user's default language.
    virtual std::uint16_t UiLanguage() = 0;
    virtual std::uint16_t UserDefaultLanguage() = 0;

protected:
    ~SystemFacts() = default;
};

}  // namespace platform
