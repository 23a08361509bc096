// The values of platform/Win32Values.h against the system's headers.
#include <windows.h>

#include "platform/Win32Values.h"

namespace v = win32values;
static_assert(v::kOsVersionInfoSize == sizeof(OSVERSIONINFOA) && v::kOsVersionInfoExSize == sizeof(OSVERSIONINFOEXA),
              "version records");
static_assert(v::kDriveCdrom == DRIVE_CDROM, "drive types");
static_assert(v::kVirtualKeyEscape == VK_ESCAPE && v::kVirtualKeySpace == VK_SPACE && v::kVirtualKeyTab == VK_TAB &&
                  v::kVirtualKeyReturn == VK_RETURN && v::kVirtualKeyEnd == VK_END && v::kVirtualKeyHome == VK_HOME &&
                  v::kVirtualKeyLeft == VK_LEFT && v::kVirtualKeyUp == VK_UP && v::kVirtualKeyRight == VK_RIGHT &&
                  v::kVirtualKeyDown == VK_DOWN,
              "virtual keys");
static_assert(v::kPlatformWin32s == VER_PLATFORM_WIN32s && v::kPlatformWindows == VER_PLATFORM_WIN32_WINDOWS &&
                  v::kPlatformNt == VER_PLATFORM_WIN32_NT,
              "platform identifiers");
static_assert(v::kLoadWithAlteredSearchPath == LOAD_WITH_ALTERED_SEARCH_PATH &&
                  v::kSearchDllLoadDir == LOAD_LIBRARY_SEARCH_DLL_LOAD_DIR &&
                  v::kSearchSystem32 == LOAD_LIBRARY_SEARCH_SYSTEM32,
              "library load flags");
// ERROR_ELEVATION_REQUIRED (740) is missing from MinGW's winerror.h; the
// Windows SDK names it.
#ifdef ERROR_ELEVATION_REQUIRED
static_assert(v::kErrorElevationRequired == ERROR_ELEVATION_REQUIRED, "the elevation error");
#endif
