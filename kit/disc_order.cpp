// disc_order DISC-FOLDER
// Prints the files the launcher reads before its first frame as sort
// weights for xorriso (--sort-weight-list). Mastered with them, the pictures
// lie right after the folder records, in the order the launcher reads them,
// and its program after them: the launcher reads the registration and
// bitmaps folders just before its pictures, so a CD-ROM drive goes on from
// the folders into the pictures without seeking, and the program, which
// Windows reads first, costs one access wherever it lies. Each language's
// set (bitmaps/de/...) follows the default set in the same order, so that a
// player of that language reads its pictures forward too.
#include <cstdio>
#include <string>

#include "DiscPictures.h"
#include "DiscTree.h"
#include "Usage.h"
#include "core/Language.h"
#include "core/Names.h"

int main(int argc, char** argv)
{
    const char* usage =
        "usage: disc_order [--] DISC-FOLDER > ORDER\n"
        "then:  xorriso -as mkisofs -J -r -V IRM_1 --sort-weight-list ORDER -o DISC.iso DISC-FOLDER -- -mv /ereg /EREG\n"
        "(EREG in capitals: its records then lie before the bitmaps folder's, in the order the launcher reads them)\n";
    if (const int stop = CheckArguments(argc, argv, 1, usage); stop >= 0)
        return stop;
    const auto disc = OpenDiscFolder(argv[1], "");
    const std::vector<std::string> pictures = PictureReadOrder();
    std::vector<std::string> files = pictures;
    for (const Language& language : kLanguages)
        for (const std::string& picture : pictures)  // "bitmaps/8b1u.bmp" -> "bitmaps/de/8b1u.bmp"
            if (&language != &kEnglish)
                files.push_back(picture.substr(0, 8) + language.code + "/" + picture.substr(8));
    files.push_back(names::kLauncherProgram);
    int weight = static_cast<int>(files.size());
    for (const std::string& file : files) {
        const DiscEntry entry = disc->Find(file);
        if (entry.kind == DiscEntry::Kind::File)
            std::printf("%d /%s\n", weight, entry.storedPath.c_str());
        --weight;
    }
    return 0;
}
