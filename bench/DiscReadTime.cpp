// disc_read_time [--language CODE] [--seek-ms MS --rate-kbs KBS --window-kb KB] IMAGE...
// Models a CD-ROM drive reading what the launcher reads from a disc image
// before its first frame: its program, the registration program's folder
// (the probe), the bitmaps folder, then every picture, in the launcher's
// order (from the button table). The root folder is not read again: Windows
// read it to find autorun.inf when the disc went in and to find the launcher
// when it started it, and the CD file system keeps the records it read, so
// the launcher's own look-ups in the root are answered from memory. A read that starts where
// the head is, or a little ahead of it (within the drive's read-ahead),
// costs only its transfer; any other costs a seek first. With a language,
// its folder too, and each picture from its set where it has one. Prints the
// modelled time for each image at 1x, 8x and 24x (or at the rates given),
// beside the floor: every byte at the drive's rate after one seek.
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "DiscPictures.h"
#include "DiscTree.h"
#include "core/Names.h"
#include "launcher/ButtonTable.h"

namespace {

struct Drive {
    const char* name;
    double seekMs;      // average access
    double rateKbs;     // KB/s, 1 KB = 1024 bytes
    double windowKb;    // read-ahead: a gap forward within it is read through
};

struct Extent {
    std::uint32_t block;
    std::uint32_t blocks;
};

constexpr std::uint32_t kBlock = 2048;

std::vector<Extent> LauncherReads(DiscTree& disc, const std::string& language, std::uint64_t* bytes)
{
    std::vector<std::string> reads = {names::kLauncherProgram, names::kRegistrationFolder, "bitmaps"};
    if (!language.empty())
        reads.push_back("bitmaps/" + language);
    for (const std::string& picture : PictureReadOrder()) {
        const std::string translated = LanguagePicturePath(picture.c_str(), language.c_str());
        reads.push_back(!language.empty() && disc.Find(translated).kind == DiscEntry::Kind::File ? translated : picture);
    }
    std::vector<Extent> extents;
    *bytes = 0;
    for (const std::string& path : reads) {
        const DiscEntry entry = disc.Find(path);
        if (entry.kind != DiscEntry::Kind::File && entry.kind != DiscEntry::Kind::Folder)
            continue;
        const auto blocks = static_cast<std::uint32_t>((entry.size + kBlock - 1) / kBlock);
        extents.push_back({entry.lsn, blocks});
        *bytes += std::uint64_t{blocks} * kBlock;
    }
    return extents;
}

// Milliseconds to read the extents in turn, and the number of seeks.
double Model(const std::vector<Extent>& extents, const Drive& drive, int* seeks)
{
    const double msPerBlock = kBlock / (drive.rateKbs * 1024) * 1000;
    double ms = 0;
    std::int64_t head = -1;
    *seeks = 0;
    for (const Extent& e : extents) {
        const std::int64_t gap = static_cast<std::int64_t>(e.block) - head;
        if (head >= 0 && gap >= 0 && gap * kBlock <= drive.windowKb * 1024) {
            ms += static_cast<double>(gap) * msPerBlock;
        } else {
            ms += drive.seekMs;
            ++*seeks;
        }
        ms += e.blocks * msPerBlock;
        head = static_cast<std::int64_t>(e.block) + e.blocks;
    }
    return ms;
}

}  // namespace

int main(int argc, char** argv)
{
    std::vector<Drive> drives = {{"1x", 400, 150, 64}, {"8x", 100, 1200, 64}, {"24x", 85, 3600, 64}};
    std::vector<std::string> images;
    Drive custom{"custom", 0, 0, 64};
    std::string language;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--language" && i + 1 < argc)
            language = argv[++i];
        else if (arg == "--seek-ms" && i + 1 < argc)
            custom.seekMs = std::atof(argv[++i]);
        else if (arg == "--rate-kbs" && i + 1 < argc)
            custom.rateKbs = std::atof(argv[++i]);
        else if (arg == "--window-kb" && i + 1 < argc)
            custom.windowKb = std::atof(argv[++i]);
        else
            images.push_back(arg);
    }
    if (custom.rateKbs > 0)
        drives = {custom};
    if (images.empty()) {
        std::fprintf(stderr, "usage: disc_read_time [--language CODE] [--seek-ms MS --rate-kbs KBS --window-kb KB] IMAGE...\n");
        return 2;
    }
    std::printf("%-28s %-6s %10s %10s %6s %6s\n", "image", "drive", "modelled", "floor", "ratio", "seeks");
    for (const std::string& image : images) {
        std::string why;
        const auto disc = OpenDiscImage(image, &why);
        if (!disc) {
            std::fprintf(stderr, "%s: %s\n", image.c_str(), why.c_str());
            return 2;
        }
        std::uint64_t bytes = 0;
        const std::vector<Extent> extents = LauncherReads(*disc, language, &bytes);
        const std::string name = image.substr(image.find_last_of('/') + 1);
        for (const Drive& drive : drives) {
            int seeks = 0;
            const double ms = Model(extents, drive, &seeks);
            const double floor = drive.seekMs + static_cast<double>(bytes) / (drive.rateKbs * 1024) * 1000;
            std::printf("%-28s %-6s %8.0f ms %7.0f ms %6.2f %6d\n", name.c_str(), drive.name, ms, floor, ms / floor, seeks);
        }
    }
    return 0;
}
