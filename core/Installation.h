// What the demo disc's installer copies and its uninstaller removes; the
// kit's checker reads the same lists when it checks a demo disc.
#pragma once
#include "core/Names.h"

namespace installation {

// Files copied by name from the disc (or, for the game and its uninstaller,
// from the disc's kGameFolder) into the installation directory.
constexpr const char* kGameFolder = "game";
constexpr const char* kDiscFiles[] = {names::kLauncherProgram, names::kReadmeFile};
constexpr const char* kGameFiles[] = {names::kGameProgram, names::kUninstallProgram};
// Everything the uninstaller may remove, besides the pictures.
// The registration program (names::kRegistrationFolder) and the pictures go too.
constexpr const char* kInstalledFiles[] = {names::kLauncherProgram, names::kReadmeFile, names::kGameProgram,
                                           names::kUninstallProgram};

}  // namespace installation
