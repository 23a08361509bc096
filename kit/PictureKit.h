// The publisher's artwork to the launcher's pictures: one PNG of any colour
// depth per picture in, 8-bit bitmaps sharing one 256-colour palette out.
#pragma once
#include <string>
#include <vector>

struct KitProblem {
    std::string file;
    std::string message;
};

// Reads ARTWORK/<name>.png for each of the disc's pictures and writes
// BITMAPS/<name>.bmp; and for each language the launcher speaks whose
// folder ARTWORK/<code> exists, those of its pictures that are there into
// BITMAPS/<code>. Every set shares the one palette. Nothing is written when
// there is a problem.
std::vector<KitProblem> MakeDiscPictures(const std::string& artworkFolder, const std::string& bitmapsFolder);
