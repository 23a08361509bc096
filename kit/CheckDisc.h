// Checks a disc, or an installed game's folder, the way the launcher and
// Windows will read it: its pictures with the launcher's own reader, the
// programs it starts, the label it looks for, and the autorun entry.
#pragma once
#include <string>
#include <vector>

#include "DiscTree.h"

struct DiscProblem {
    std::string file;     // relative to the disc's root, or "" for the disc itself
    std::string message;  // what is wrong and what to do
    bool error;           // false: worth a look, but the menu works
};

enum class DiscKind {
    Publisher,  // a publisher's disc: what the launcher itself needs
    Demo,       // the demo disc, with the game files its setup copies
    Installed,  // the installation folder the launcher restarts into
};

std::vector<DiscProblem> CheckDisc(DiscTree& disc, DiscKind kind);

// The most bytes a picture for a place of width by height can take and
// still be drawn: 32 bits per pixel, the largest header, masks and palette.
std::uint64_t PictureSizeCap(int width, int height);
