// Checks a disc as Windows and the launcher will read it; one line per
// problem with the file and what to do. Exits 1 when the disc would show a
// wrong or broken menu or fail to start, 0 otherwise, 2 when it was called
// wrongly or the disc cannot be read at all.
#include <sys/stat.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <string>

#include "CheckDisc.h"
#include "TextOutput.h"

namespace {

const char* kUsage =
    "usage: disc_check [--json] [--demo] [--label LABEL] [--] DISC-FOLDER | IMAGE.iso\n"
    "       disc_check [--json] --installed [--] FOLDER\n"
    "Checks a disc folder before mastering, or its ISO 9660 image, as Windows and\n"
    "the launcher will read it: the pictures, the programs the buttons start, the\n"
    "volume label and autorun.inf. --label gives a folder's label (an image has\n"
    "its own); --demo also checks the demo's game files; --installed checks an\n"
    "installed game's folder instead. Exit code 1 when something is wrong, 2\n"
    "when the disc cannot be read at all (with --json, a report with \"error\").\n";

// Exit code 2: the reason on standard error, and with --json a report that
// says so on standard output, so that a build system always gets JSON.
int Refuse(bool json, const std::string& disc, const std::string& reason, bool usage)
{
    std::fprintf(stderr, "%s%s\n%s", disc.empty() ? "disc_check: " : (Printable(disc) + ": ").c_str(),
                 Printable(reason).c_str(), usage ? kUsage : "");
    if (json)
        std::printf("{\"disc\": %s, \"ok\": false, \"error\": %s}\n", JsonString(disc).c_str(), JsonString(reason).c_str());
    return 2;
}

}  // namespace

int main(int argc, char** argv)
{
    bool json = false;
    DiscKind kind = DiscKind::Publisher;
    std::string label;
    std::string disc;
    std::string wrong;
    bool options = true;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (options && (arg == "--help" || arg == "-h")) {
            std::fputs(kUsage, stdout);
            return 0;
        }
        if (options && arg == "--")
            options = false;
        else if (options && arg == "--json")
            json = true;
        else if (options && arg == "--demo")
            kind = DiscKind::Demo;
        else if (options && arg == "--installed")
            kind = DiscKind::Installed;
        else if (options && arg == "--label" && i + 1 < argc)
            label = argv[++i];
        else if (options && !arg.empty() && arg[0] == '-')
            wrong = wrong.empty() ? "unknown option " + arg : wrong;
        else if (disc.empty())
            disc = arg;
        else
            wrong = wrong.empty() ? "one disc at a time" : wrong;
    }
    if (disc.empty() && wrong.empty())
        wrong = "no disc given";
    if (!wrong.empty())
        return Refuse(json, "", wrong, true);
    struct stat info;
    if (stat(disc.c_str(), &info) != 0)
        return Refuse(json, disc, std::string("cannot be read: ") + std::strerror(errno), false);
    std::unique_ptr<DiscTree> tree;
    const bool imageName = disc.size() > 4 && (disc.compare(disc.size() - 4, 4, ".iso") == 0 ||
                                               disc.compare(disc.size() - 4, 4, ".ISO") == 0);
    if (S_ISDIR(info.st_mode) && imageName && kind != DiscKind::Installed)
        return Refuse(json, disc, "a folder, not an ISO 9660 image", false);
    if (S_ISDIR(info.st_mode)) {
        tree = OpenDiscFolder(disc, label);
    } else if (S_ISREG(info.st_mode) && kind != DiscKind::Installed) {
        std::string why;
        tree = OpenDiscImage(disc, &why);
        if (!tree)
            return Refuse(json, disc, why, false);
    } else {
        return Refuse(json, disc, kind == DiscKind::Installed ? "not a folder" : "neither a disc folder nor an image file", false);
    }
    const std::vector<DiscProblem> problems = CheckDisc(*tree, kind);
    bool failed = false;
    for (const DiscProblem& p : problems)
        failed = failed || p.error;
    if (json) {
        std::printf("{\"disc\": %s, \"label\": %s, \"ok\": %s, \"problems\": [", JsonString(disc).c_str(),
                    JsonString(kind == DiscKind::Installed ? "" : tree->Label()).c_str(), failed ? "false" : "true");
        for (std::size_t i = 0; i < problems.size(); ++i)
            std::printf("%s\n  {\"file\": %s, \"severity\": \"%s\", \"message\": %s}", i == 0 ? "" : ",",
                        JsonString(problems[i].file).c_str(), problems[i].error ? "error" : "warning",
                        JsonString(problems[i].message).c_str());
        std::printf("]}\n");
    } else {
        for (const DiscProblem& p : problems)
            std::printf("%s: %s%s\n", p.error ? "error" : "warning", p.file.empty() ? "" : (Printable(p.file) + ": ").c_str(),
                        Printable(p.message).c_str());
    }
    return failed ? 1 : 0;
}
