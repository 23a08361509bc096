// disc_order [--first CODE] DISC-FOLDER
// Prints the files the launcher reads before its first frame as sort
// weights for xorriso (--sort-weight-list). Mastered with them, the pictures
// lie right after the folder records, in the order the launcher reads them,
// and its program after them: the launcher reads the registration and
// bitmaps folders just before its pictures, so a CD-ROM drive goes on from
// the folders into the pictures without seeking, and the program, which
// Windows reads first, costs one access wherever it lies. Each language's
// set (bitmaps/de/...) follows the default set in the same order; the set
// that comes first right after the folders costs its players no seek, the
// others one, so a publisher puts the language of most players first.
#include <cstdio>
#include <cstring>
#include <string>

#include "DiscPictures.h"
#include "DiscTree.h"
#include "Usage.h"
#include "core/Language.h"
#include "core/Names.h"
#include "launcher/ButtonTable.h"

int main(int argc, char** argv)
{
    const char* usage =
        "usage: disc_order [--first CODE] [--] DISC-FOLDER > ORDER\n"
        "then:  xorriso -as mkisofs -J -r -V IRM_1 --sort-weight-list ORDER -o DISC.iso DISC-FOLDER -- -mv /ereg /EREG\n"
        "(EREG in capitals: its records then lie before the bitmaps folder's, in the order the launcher reads them)\n"
        "--first de: the German pictures (bitmaps/de) before the default ones, for a disc most of whose\n"
        "players read German; its players then read their pictures without a seek, the others with one.\n";
    // The language whose set comes first; "" for the default set.
    std::string first;
    if (argc >= 3 && std::strcmp(argv[1], "--first") == 0) {
        first = argv[2];
        if (LanguageOfCode(first.c_str()) == 0 || first == kEnglish.code) {
            std::fprintf(stderr, "disc_order: --first %s: not a language of its own pictures (de, fr)\n", first.c_str());
            return 2;
        }
        argv[2] = argv[0];
        argv += 2, argc -= 2;
    }
    if (const int stop = CheckArguments(argc, argv, 1, usage); stop >= 0)
        return stop;
    const auto disc = OpenDiscFolder(argv[1], "");
    const auto setOf = [](const std::string& code) {  // "bitmaps/8b1u.bmp" -> "bitmaps/de/8b1u.bmp"
        std::vector<std::string> set = PictureReadOrder();
        for (std::string& picture : set)
            picture = code.empty() ? picture : LanguagePicturePath(picture.c_str(), code.c_str());
        return set;
    };
    std::vector<std::string> files = setOf(first);
    for (const Language& language : kLanguages) {
        const std::string code = &language == &kEnglish ? "" : language.code;
        if (code != first) {
            const std::vector<std::string> set = setOf(code);
            files.insert(files.end(), set.begin(), set.end());
        }
    }
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
