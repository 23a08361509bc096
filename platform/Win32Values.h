// The Win32 values the decision code speaks of, spelled once here and
// checked against <windows.h> in platform/win32/Win32Values.cpp.
#pragma once
#include <cstdint>

namespace win32values {

// GetDriveType.
constexpr unsigned kDriveCdrom = 5;  // DRIVE_CDROM

// Virtual keys.
constexpr unsigned kVirtualKeyEscape = 0x1B;  // VK_ESCAPE
constexpr unsigned kVirtualKeySpace = 0x20;   // VK_SPACE
constexpr unsigned kVirtualKeyTab = 0x09;     // VK_TAB
constexpr unsigned kVirtualKeyReturn = 0x0D;  // VK_RETURN
constexpr unsigned kVirtualKeyEnd = 0x23;     // VK_END
constexpr unsigned kVirtualKeyHome = 0x24;    // VK_HOME
constexpr unsigned kVirtualKeyLeft = 0x25;    // VK_LEFT
constexpr unsigned kVirtualKeyUp = 0x26;      // VK_UP
constexpr unsigned kVirtualKeyRight = 0x27;   // VK_RIGHT
constexpr unsigned kVirtualKeyDown = 0x28;    // VK_DOWN

// OSVERSIONINFO's platform identifiers.
constexpr std::uint32_t kPlatformWin32s = 0;   // VER_PLATFORM_WIN32s
constexpr std::uint32_t kPlatformWindows = 1;  // VER_PLATFORM_WIN32_WINDOWS
constexpr std::uint32_t kPlatformNt = 2;       // VER_PLATFORM_WIN32_NT

// GetVersionExA's record sizes.
constexpr std::uint32_t kOsVersionInfoSize = 148;    // sizeof(OSVERSIONINFOA)
constexpr std::uint32_t kOsVersionInfoExSize = 156;  // sizeof(OSVERSIONINFOEXA)

// LoadLibraryExA's flags and SetDefaultDllDirectories' directories.
constexpr std::uint32_t kLoadWithAlteredSearchPath = 0x8;  // LOAD_WITH_ALTERED_SEARCH_PATH
constexpr std::uint32_t kSearchDllLoadDir = 0x100;         // LOAD_LIBRARY_SEARCH_DLL_LOAD_DIR
constexpr std::uint32_t kSearchSystem32 = 0x800;           // LOAD_LIBRARY_SEARCH_SYSTEM32

// CreateProcess's refusal of a program that needs elevation (Vista and later).
constexpr std::uint32_t kErrorElevationRequired = 740;  // ERROR_ELEVATION_REQUIRED

}  // namespace win32values
