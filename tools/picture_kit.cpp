// picture_kit ARTWORK-FOLDER BITMAPS-FOLDER: the publisher's PNG artwork to
// the launcher's 37 pictures, one shared palette, each checked against its
// place. Prints one line per problem and exits 1 when there is any.
#include <Magick++.h>

#include <cstdio>

#include "PictureKit.h"

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: picture_kit ARTWORK-FOLDER BITMAPS-FOLDER\n");
        return 2;
    }
    Magick::InitializeMagick(argv[0]);
    const std::vector<KitProblem> problems = MakeDiscPictures(argv[1], argv[2]);
    for (const KitProblem& problem : problems)
        std::printf("%s: %s\n", problem.file.c_str(), problem.message.c_str());
    return problems.empty() ? 0 : 1;
}
