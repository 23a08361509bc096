#include "CheckDisc.h"

#include <cctype>
#include <fstream>
#include <sstream>

#include "DiscPictures.h"
#include "HostPlatform.h"
#include "core/Names.h"
#include "demo/Installation.h"
#include "image/DibHeader.h"
#include "image/DibImage.h"

namespace {

std::string Lower(std::string text)
{
    for (char& c : text)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return text;
}

bool SamePalette(const std::vector<platform::PaletteColor>& a, const std::vector<platform::PaletteColor>& b)
{
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (a[i].red != b[i].red || a[i].green != b[i].green || a[i].blue != b[i].blue)
            return false;
    return true;
}

void CheckPictures(const std::string& root, std::vector<DiscProblem>& problems)
{
    const std::vector<DiscPicture> pictures = DiscPictures();
    FolderFiles files(root);
    FrameGraphics graphics(1, 1);
    DibImages images(files, graphics);
    // Each picture's palette as the launcher builds it; the menu is drawn
    // with the one of the last picture it loads.
    std::vector<std::vector<platform::PaletteColor>> palettes(pictures.size());
    for (std::size_t n = 0; n < pictures.size(); ++n) {
        const DiscPicture& picture = pictures[n];
        const std::string file = "bitmaps/" + picture.file;
        const std::string place = SizeText(picture.width, picture.height);
        if (!IsFile(root + "/" + file)) {
            problems.push_back({file, "missing: the button shows the background there; add a picture of " + place, true});
            continue;
        }
        DibImage image = images.LoadDibImage(("bitmaps\\" + picture.file).c_str());
        if (image.empty()) {
            problems.push_back({file, "the launcher cannot read it: save it as an uncompressed 8-bit BMP (picture_kit does)", true});
            continue;
        }
        const std::uint8_t* header = image.header();
        const unsigned bits = IsInfoLayout(header) ? static_cast<unsigned>(header[14] | header[15] << 8)
                                                   : static_cast<unsigned>(header[10] | header[11] << 8);
        if (!IsInfoLayout(header) || bits != 8)
            problems.push_back({file, "is " + std::to_string(bits) + " bits per pixel: save it with 8 bits and the shared palette (picture_kit does)", true});
        else if (header[16] != 0 || !DibDrawingFitsBlock(header, image.bytes()))
            problems.push_back({file, "is compressed or cut short, and the launcher would draw nothing: save it uncompressed (picture_kit does)", true});
        const std::uint32_t width = ImageWidth(header);
        const std::uint32_t height = ImageHeight(header);
        if (picture.exactSize && (static_cast<int>(width) != picture.width || static_cast<int>(height) != picture.height))
            problems.push_back({file, "is " + SizeText(width, height) + "; the window is " + place + ": make it exactly that size", true});
        else if (static_cast<int>(width) > picture.width || static_cast<int>(height) > picture.height)
            problems.push_back({file, "is " + SizeText(width, height) + ", larger than its place of " + place + ": make it no larger", true});
        if (images.windowPalette() != nullptr)
            palettes[n] = *graphics.Palette(images.windowPalette()->handle());
    }
    const std::string last = "bitmaps/" + pictures.back().file;
    for (std::size_t n = 0; n + 1 < pictures.size(); ++n) {
        if (!palettes[n].empty() && !palettes.back().empty() && !SamePalette(palettes[n], palettes.back()))
            problems.push_back({"bitmaps/" + pictures[n].file, "has another palette than " + last +
                                    ", whose palette the whole menu is drawn with: make all pictures with one palette (picture_kit does)", true});
    }
}

void CheckAutorun(const std::string& root, std::vector<DiscProblem>& problems)
{
    std::ifstream in(root + "/autorun.inf");
    if (!in) {
        problems.push_back({"autorun.inf", "missing: Windows will not start the launcher when the disc goes in; add [autorun] with open=" + std::string(names::kLauncherProgram), true});
        return;
    }
    std::string line;
    bool section = false;
    bool opens = false;
    while (std::getline(in, line)) {
        std::string text = Lower(line);
        text.erase(0, text.find_first_not_of(" \t"));
        text.erase(text.find_last_not_of(" \t\r") + 1);
        if (!text.empty() && text[0] == '[')
            section = text == "[autorun]";
        else if (section && text == "open=" + Lower(names::kLauncherProgram))
            opens = true;
    }
    if (!opens)
        problems.push_back({"autorun.inf", "does not start the launcher: its [autorun] section needs open=" + std::string(names::kLauncherProgram), true});
}

}  // namespace

std::vector<DiscProblem> CheckDisc(const std::string& root, const std::string& label)
{
    std::vector<DiscProblem> problems;
    CheckPictures(root, problems);
    std::vector<std::string> programs = {names::kLauncherProgram, "readme.txt", "setup.exe", "DirectX/dxsetup.exe"};
    for (const char* file : installation::kGameFiles)
        programs.push_back(std::string("game/") + file);
    for (const std::string& file : programs)
        if (!IsFile(root + "/" + file))
            problems.push_back({file, "missing: the launcher or the installer needs it here", true});
    if (label.empty())
        problems.push_back({"", "volume label not known: master the disc with the label " + std::string(names::kDiscLabel) + " (or pass --label)", false});
    else if (label != names::kDiscLabel)
        problems.push_back({"", "volume label " + label + ": Install DirectX looks for the disc labelled " + names::kDiscLabel + "; master it with that label", true});
    CheckAutorun(root, problems);
    return problems;
}
