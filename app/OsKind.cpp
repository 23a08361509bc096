#include "app/OsKind.h"

#include <cstdio>

#include "platform/Desktop.h"

namespace {
constexpr std::uint32_t kWin32s = 0;
constexpr std::uint32_t kWin32Windows = 1;
constexpr std::uint32_t kWin32Nt = 2;
constexpr std::uint32_t kExtendedRecordSize = 156;  // OSVERSIONINFOEXA
constexpr std::uint32_t kPlainRecordSize = 148;     // OSVERSIONINFOA
}  // namespace

int ClassifyOsKind(std::uint32_t platformId, std::uint32_t majorVersion, std::uint32_t minorVersion)
{
    switch (platformId) {
    case kWin32s:
        return 5;
    case kWin32Windows:
        if (majorVersion < 4 || (majorVersion == 4 && minorVersion == 0))
            return 1;
        return 2;
    case kWin32Nt:
        if (majorVersion <= 4)
            return 3;
        if (majorVersion == 5)
            return 4;
        return 2;
    default:
        return 0;
    }
}

int GetOsKind(platform::Desktop& desktop)
{
    platform::VersionInfo info{};
    if (!desktop.GetVersion(kExtendedRecordSize, &info) && !desktop.GetVersion(kPlainRecordSize, &info))
        return 0;
    const int kind = ClassifyOsKind(info.platformId, info.majorVersion, info.minorVersion);
    if (kind == 4) {
        std::fputs("Microsoft Windows 2000 ", stdout);
        std::fflush(stdout);
    }
    return kind;
}
