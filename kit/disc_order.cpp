// disc_order DISC-FOLDER
// Prints the files the launcher reads before its first frame, in its order,
// as sort weights for xorriso (--sort-weight-list): mastered with them, the
// files lie one after the other on the disc, and a CD-ROM drive reads them
// without seeking.
#include <cstdio>
#include <string>

#include "DiscPictures.h"
#include "DiscTree.h"
#include "Usage.h"

int main(int argc, char** argv)
{
    const char* usage =
        "usage: disc_order [--] DISC-FOLDER > ORDER\n"
        "then:  xorriso -as mkisofs -J -r -V IRM_1 --sort-weight-list ORDER -o DISC.iso DISC-FOLDER\n";
    if (const int stop = CheckArguments(argc, argv, 1, usage); stop >= 0)
        return stop;
    const auto disc = OpenDiscFolder(argv[1], "");
    const std::vector<std::string> files = LauncherReadOrder();
    int weight = static_cast<int>(files.size());
    for (const std::string& file : files) {
        const DiscEntry entry = disc->Find(file);
        if (entry.kind == DiscEntry::Kind::File)
            std::printf("%d /%s\n", weight, entry.storedPath.c_str());
        --weight;
    }
    return 0;
}
