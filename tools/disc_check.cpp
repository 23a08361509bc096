// disc_check [--json] [--label LABEL] DISC-FOLDER | IMAGE.iso
// Checks a disc as the launcher will read it; one line per problem with the
// file and what to do. Exits 1 when the disc would show a wrong or broken
// menu or fail to start, 0 otherwise. An image is read with xorriso: its
// files and its volume label.
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <sys/stat.h>

#include "CheckDisc.h"
#include "DiscImage.h"

namespace {

std::string Json(const std::string& text)
{
    std::string out = "\"";
    for (char c : text) {
        if (c == '"' || c == '\\')
            out += '\\';
        out += c;
    }
    return out + "\"";
}

}  // namespace

int main(int argc, char** argv)
{
    bool json = false;
    std::string label;
    std::string disc;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--json") == 0)
            json = true;
        else if (std::strcmp(argv[i], "--label") == 0 && i + 1 < argc)
            label = argv[++i];
        else
            disc = argv[i];
    }
    if (disc.empty()) {
        std::fprintf(stderr, "usage: disc_check [--json] [--label LABEL] DISC-FOLDER|IMAGE.iso\n");
        return 2;
    }
    struct stat info;
    if (stat(disc.c_str(), &info) != 0 || !(S_ISDIR(info.st_mode) || (IsDiscImage(disc) && S_ISREG(info.st_mode)))) {
        std::fprintf(stderr, "%s: no disc folder or image there\n", disc.c_str());
        return 2;
    }
    std::string root = disc;
    ExtractedImage image;
    if (IsDiscImage(disc)) {
        if (!image.Extract(disc)) {
            std::fprintf(stderr, "%s: xorriso could not read the image\n", disc.c_str());
            return 2;
        }
        root = image.folder();
        label = image.label();
    } else if (label.empty()) {
        label = FolderLabel(disc);
    }
    const std::vector<DiscProblem> problems = CheckDisc(root, label);
    bool failed = false;
    for (const DiscProblem& p : problems)
        failed = failed || p.error;
    if (json) {
        std::printf("{\"disc\": %s, \"label\": %s, \"ok\": %s, \"problems\": [", Json(disc).c_str(), Json(label).c_str(),
                    failed ? "false" : "true");
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
