// Classification of the running Windows version. Only the install command
// looks at it: NT 4.0 and earlier keep the installer from starting.
#pragma once
#include <cstdint>

namespace platform {
class SystemFacts;
}

enum class OsKind : int {
    Unknown = 0,
    Windows95 = 1,     // and earlier 4.0 members of the 95 family
    Windows98 = 2,     // 98 and ME, and NT 6 and later
    WindowsNt4 = 3,    // NT 4.0 and earlier
    Windows2000 = 4,   // 2000 and XP
    Win32s = 5,
};

OsKind ClassifyOsKind(std::uint32_t platformId, std::uint32_t majorVersion, std::uint32_t minorVersion);

// Asks the system with the extended record first, then the plain one;
// Unknown when both fail. Writes "Microsoft Windows 2000 " to the standard
// output for Windows2000.
OsKind GetOsKind(platform::SystemFacts& system);
