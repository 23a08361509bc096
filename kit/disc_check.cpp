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

namespace {

const char* kUsage =
    "usage: disc_check [--json] [--demo] [--label LABEL] DISC-FOLDER | IMAGE.iso\n"
    "       disc_check [--json] --installed FOLDER\n"
    "Checks a disc folder before mastering, or its ISO 9660 image, as Windows and\n"
    "the launcher will read it: the pictures, the programs the buttons start, the\n"
    "volume label and autorun.inf. --label gives a folder's label (an image has\n"
    "its own); --demo also checks the demo's game files; --installed checks an\n"
    "installed game's folder instead. Exit code 1 when something is wrong, 2\n"
    "when the disc cannot be read at all.\n";

// A JSON string: quotes, backslashes and control characters escaped, and
// bytes that are not UTF-8 taken as Latin-1, so that any label or path gives
// valid JSON.
std::string Json(const std::string& text)
{
    std::string out = "\"";
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto c = static_cast<unsigned char>(text[i]);
        std::size_t follow = c >= 0xF0 && c < 0xF5 ? 3 : c >= 0xE0 ? 2 : c >= 0xC2 ? 1 : 0;
        bool utf8 = c >= 0x80 && follow != 0 && i + follow < text.size();
        for (std::size_t k = 1; utf8 && k <= follow; ++k)
            utf8 = (static_cast<unsigned char>(text[i + k]) & 0xC0) == 0x80;
        char escaped[8];
        if (c == '"' || c == '\\') {
            out += '\\', out += static_cast<char>(c);
        } else if (c < 0x20 || c == 0x7F || (c >= 0x80 && !utf8)) {
            std::snprintf(escaped, sizeof escaped, "\\u%04x", c);
            out += escaped;
        } else if (utf8) {
            out.append(text, i, follow + 1);
            i += follow;
        } else {
            out += static_cast<char>(c);
        }
    }
    return out + "\"";
}

int Usage(const char* problem)
{
    std::fprintf(stderr, "disc_check: %s\n%s", problem, kUsage);
    return 2;
}

}  // namespace

int main(int argc, char** argv)
{
    bool json = false;
    DiscKind kind = DiscKind::Publisher;
    std::string label;
    std::string disc;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--help" || arg == "-h") {
            std::fputs(kUsage, stdout);
            return 0;
        }
        if (arg == "--json")
            json = true;
        else if (arg == "--demo")
            kind = DiscKind::Demo;
        else if (arg == "--installed")
            kind = DiscKind::Installed;
        else if (arg == "--label" && i + 1 < argc)
            label = argv[++i];
        else if (!arg.empty() && arg[0] == '-')
            return Usage(("unknown option " + arg).c_str());
        else if (disc.empty())
            disc = arg;
        else
            return Usage("one disc at a time");
    }
    if (disc.empty())
        return Usage("no disc given");
    struct stat info;
    if (stat(disc.c_str(), &info) != 0) {
        std::fprintf(stderr, "%s: cannot be read: %s\n", disc.c_str(), std::strerror(errno));
        return 2;
    }
    std::unique_ptr<DiscTree> tree;
    const bool imageName = disc.size() > 4 && (disc.compare(disc.size() - 4, 4, ".iso") == 0 ||
                                               disc.compare(disc.size() - 4, 4, ".ISO") == 0);
    if (S_ISDIR(info.st_mode) && imageName && kind != DiscKind::Installed) {
        std::fprintf(stderr, "%s: a folder, not an ISO 9660 image\n", disc.c_str());
        return 2;
    }
    if (S_ISDIR(info.st_mode)) {
        tree = OpenDiscFolder(disc, label);
    } else if (S_ISREG(info.st_mode) && kind != DiscKind::Installed) {
        std::string why;
        tree = OpenDiscImage(disc, &why);
        if (!tree) {
            std::fprintf(stderr, "%s: %s\n", disc.c_str(), why.c_str());
            return 2;
        }
    } else {
        std::fprintf(stderr, "%s: %s\n", disc.c_str(),
                     kind == DiscKind::Installed ? "not a folder" : "neither a disc folder nor an image file");
        return 2;
    }
    const std::vector<DiscProblem> problems = CheckDisc(*tree, kind);
    bool failed = false;
    for (const DiscProblem& p : problems)
        failed = failed || p.error;
    if (json) {
        std::printf("{\"disc\": %s, \"label\": %s, \"ok\": %s, \"problems\": [", Json(disc).c_str(),
                    Json(kind == DiscKind::Installed ? "" : tree->Label()).c_str(), failed ? "false" : "true");
        for (std::size_t i = 0; i < problems.size(); ++i)
            std::printf("%s\n  {\"file\": %s, \"severity\": \"%s\", \"message\": %s}", i == 0 ? "" : ",",
                        Json(problems[i].file).c_str(), problems[i].error ? "error" : "warning",
                        Json(problems[i].message).c_str());
        std::printf("]}\n");
    } else {
        for (const DiscProblem& p : problems)
            std::printf("%s: %s%s\n", p.error ? "error" : "warning", p.file.empty() ? "" : (p.file + ": ").c_str(),
                        p.message.c_str());
    }
    return failed ? 1 : 0;
}
