// Checks a disc, or an installed game's folder, the way the launcher and
// Windows will read it: its pictures with the launcher's own reader, the
// programs it starts, the label it looks for, and the autorun entry.
#pragma once
#include <string>
#include <vector>

#include "DiscTree.h"

enum class DiscKind {
    Publisher,  // a publisher's disc: what the launcher itself needs
    Demo,       // the demo disc, with the game files its setup copies
    Installed,  // the installation folder the launcher restarts into
};

std::vector<DiscProblem> CheckDisc(DiscTree& disc, DiscKind kind);
