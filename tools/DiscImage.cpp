#include "DiscImage.h"

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sys/wait.h>
#include <unistd.h>

namespace {

std::string Quoted(const std::string& text)
{
    std::string out = "'";
    for (char c : text)
        out += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return out + "'";
}

}  // namespace

bool IsDiscImage(const std::string& path)
{
    return path.size() > 4 && (path.compare(path.size() - 4, 4, ".iso") == 0 || path.compare(path.size() - 4, 4, ".ISO") == 0);
}

std::string FolderLabel(const std::string& folder)
{
    std::ifstream in(folder + "/.windows-label");
    std::string label;
    std::getline(in, label);
    return label;
}

ExtractedImage::~ExtractedImage()
{
    // Files come out of an image read-only.
    if (!folder_.empty())
        std::system(("chmod -R u+w " + Quoted(folder_) + " && rm -rf " + Quoted(folder_)).c_str());
}

bool ExtractedImage::Extract(const std::string& image)
{
    char folder[] = "/tmp/disc-check.XXXXXX";
    if (mkdtemp(folder) == nullptr)
        return false;
    folder_ = folder;
    const std::string extract = "xorriso -osirrox on -indev " + Quoted(image) + " -extract / " + Quoted(folder_) +
                                " >/dev/null 2>&1";
    if (std::system(extract.c_str()) != 0)
        return false;
    // "Volume Id    : IRM_1"
    FILE* info = popen(("xorriso -indev " + Quoted(image) + " -pvd_info 2>/dev/null").c_str(), "r");
    if (info == nullptr)
        return false;
    char line[512];
    while (std::fgets(line, sizeof line, info) != nullptr) {
        std::string text = line;
        if (text.rfind("Volume Id", 0) == 0 && text.find(':') != std::string::npos) {
            label_ = text.substr(text.find(':') + 1);
            label_.erase(0, label_.find_first_not_of(' '));
            label_.erase(label_.find_last_not_of(" \r\n") + 1);
        }
    }
    return pclose(info) == 0;
}
