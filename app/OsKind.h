// Classification of the running Windows version. Only the install command
// looks at it: 3 (Windows NT 4.0 and earlier) keeps the installer from
// starting.
#pragma once
#include <cstdint>

namespace platform {
class Desktop;
}

int ClassifyOsKind(std::uint32_t platformId, std::uint32_t majorVersion, std::uint32_t minorVersion);

// Asks the system with the extended record first, then the plain one; 0 when
// both fail. Writes "Microsoft Windows 2000 " to the standard output for 4.
int GetOsKind(platform::Desktop& desktop);
