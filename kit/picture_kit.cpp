// picture_kit ARTWORK-FOLDER BITMAPS-FOLDER: the publisher's PNG artwork to
// the launcher's 37 pictures, one shared palette, each checked against its
// place. Prints one line per problem and exits 1 when there is any.
#include <Magick++.h>

#include <cstdio>

#include "PictureKit.h"
#include "Usage.h"

int main(int argc, char** argv)
{
    const char* usage =
        "usage: picture_kit [--] ARTWORK-FOLDER BITMAPS-FOLDER\n"
        "Reads the launcher's 37 pictures as PNG artwork (8bg1.png, 8b1u.png, ...) and\n"
        "writes them as 8-bit bitmaps with one shared palette into BITMAPS-FOLDER,\n"
        "which it makes. A language's pictures (de/8b1u.png, fr/...) go into the\n"
        "folder of its two-letter code; it may translate only some of them, the\n"
        "launcher shows the default picture for the rest. Every set shares the one\n"
        "palette. Nothing is written when a default picture is missing or any is not\n"
        "a PNG file or is larger than its place; exit code 1 then.\n";
    if (const int stop = CheckArguments(argc, argv, 2, usage); stop >= 0)
        return stop;
    Magick::InitializeMagick(argv[0]);
    const std::vector<KitProblem> problems = MakeDiscPictures(argv[1], argv[2]);
    for (const KitProblem& problem : problems)
        std::printf("%s: %s\n", problem.file.c_str(), problem.message.c_str());
    return problems.empty() ? 0 : 1;
}
