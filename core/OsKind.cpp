#include "core/OsKind.h"

#include <cstdio>

#include "platform/SystemFacts.h"
#include "platform/Win32Values.h"

namespace {
using win32values::kPlatformNt;
using win32values::kPlatformWin32s;
using win32values::kPlatformWindows;
}  // namespace

OsKind ClassifyOsKind(std::uint32_t platformId, std::uint32_t majorVersion, std::uint32_t minorVersion)
{
    switch (platformId) {
    case kPlatformWin32s:
        return OsKind::Win32s;
    case kPlatformWindows:
        if (majorVersion < 4 || (majorVersion == 4 && minorVersion == 0))
            return OsKind::Windows95;
        return OsKind::Windows98;
    case kPlatformNt:
        if (majorVersion <= 4)
            return OsKind::WindowsNt4;
        if (majorVersion == 5)
            return OsKind::Windows2000;
        return OsKind::Windows98;
    default:
        return OsKind::Unknown;
    }
}

OsKind GetOsKind(platform::SystemFacts& system)
{
    platform::VersionInfo info{};
    if (!system.GetVersion(win32values::kOsVersionInfoExSize, &info) && !system.GetVersion(win32values::kOsVersionInfoSize, &info))
        return OsKind::Unknown;
    const OsKind kind = ClassifyOsKind(info.platformId, info.majorVersion, info.minorVersion);
    if (kind == OsKind::Windows2000) {
        // A GUI program's standard output goes nowhere unless whoever started
        // it redirected it; the Windows-version tests read it under Wine.
        std::fputs("Microsoft Windows 2000 ", stdout);
        std::fflush(stdout);
    }
    return kind;
}
