// The sizes of the launcher's fixed text buffers, terminator included. The
// ANSI functions of every Windows from 95 on hand paths back in MAX_PATH
// (260) characters; the registry's texts and the names composed from a
// directory get a little more room.
#pragma once
#include <cstddef>

// A directory the system reports (current, system), or a volume label.
constexpr std::size_t kPathSize = 260;
// The Windows directory, as the readme's command line reads it.
constexpr std::size_t kWindowsDirectorySize = kPathSize + 1;
// A path composed from a directory of kPathSize ("<current>\ereg") and the
// readme's command line.
constexpr std::size_t kComposedPathSize = kPathSize + 4;
// A registry value (installDir, uninstallCommand), the current directory at
// start-up and a directory's canonical form.
constexpr std::size_t kLongTextSize = 1024;
