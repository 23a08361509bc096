// What the demo disc carries for its installer (kit/installer/Game.nsh
// names the same): the game's files, in their folder on the disc. The kit's
// checker looks for them when it checks a demo disc.
#pragma once
#include "core/Names.h"

namespace installation {

constexpr const char* kGameFolder = "game";
constexpr const char* kGameFiles[] = {names::kGameProgram};

}  // namespace installation
