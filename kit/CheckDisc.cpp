#include "CheckDisc.h"

#include <map>

#include "DiscPictures.h"
#include "FrameGraphics.h"
#include "core/Language.h"
#include "core/Names.h"
#include "core/Installation.h"
#include "image/DibHeader.h"
#include "image/DibImage.h"

namespace {

constexpr std::uint64_t kAutorunCap = 64 * 1024;
constexpr const char* kKit = " (picture_kit does)";
constexpr const char* kPicturesFolder = "bitmaps";

// The pictures read so far, for the launcher's reader.
class ReadPictures : public platform::WholeFileReader {
public:
    std::map<std::string, std::vector<unsigned char>> files;
    platform::WholeFile ReadWholeFile(const char* path, std::size_t padding) override
    {
        platform::WholeFile whole;
        const auto found = files.find(path);
        if (found == files.end())
            return whole;
        whole.length = whole.received = found->second.size();
        whole.bytes.reset(new std::uint8_t[found->second.size() + padding]());
        std::copy(found->second.begin(), found->second.end(), whole.bytes.get());
        whole.outcome = platform::WholeFile::Outcome::Read;
        return whole;
    }
};

std::string Lower(std::string text)
{
    for (char& c : text)
        c = static_cast<char>(c >= 'A' && c <= 'Z' ? c + 32 : c);
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

// A file (or folder) the disc must hold: its entry, or false with the
// problem noted.
bool Present(DiscTree& disc, const std::string& path, const std::string& missing, std::vector<DiscProblem>& problems,
             DiscEntry* entry, DiscEntry::Kind wanted = DiscEntry::Kind::File)
{
    *entry = disc.Find(path);
    if (entry->kind == wanted)
        return true;
    const std::string what = wanted == DiscEntry::Kind::Folder ? "folder" : "file";
    switch (entry->kind) {
    case DiscEntry::Kind::Missing: {
        const std::string hint = disc.MissingHint(path);
        problems.push_back({path, "missing: " + (hint.empty() ? missing : hint), true});
        break;
    }
    case DiscEntry::Kind::Link:
        problems.push_back({path, "a link: mastering stores it as a link, which Windows does not see; copy the " + what + " in", true});
        break;
    case DiscEntry::Kind::PastEnd:
        problems.push_back({path, "lies past the end of the image: copy or master the image again", true});
        break;
    case DiscEntry::Kind::Twin:
        problems.push_back({entry->storedPath, "has a twin, " + entry->twin + ", whose name differs only in case: Windows "
                                               "cannot tell the two apart and opens either; keep one", true});
        break;
    default:
        problems.push_back({path, "not a " + what + ": put the " + what + " itself there", true});
        break;
    }
    return false;
}

void CheckPicture(const DibImage& image, const DiscPicture& picture, const std::string& file,
                  std::vector<DiscProblem>& problems)
{
    const std::uint8_t* header = image.header();
    const std::string place = SizeText(picture.width, picture.height);
    if (!IsInfoLayout(header) || ImageBitCount(header) != 8)
        problems.push_back({file, "is " + std::to_string(ImageBitCount(header)) +
                                      " bits per pixel: save it with 8 bits and the shared palette" + kKit, true});
    else if (ImageCompression(header) != 0 || !DibDrawingFitsBlock(header, image.bytes()))
        problems.push_back({file, std::string("is compressed or cut short, and the launcher would draw nothing: save it uncompressed") + kKit, true});
    const std::uint32_t width = ImageWidth(header);
    const std::uint32_t height = ImageHeight(header);
    if (picture.exactSize && (width != static_cast<std::uint32_t>(picture.width) || height != static_cast<std::uint32_t>(picture.height)))
        problems.push_back({file, "is " + SizeText(width, height) + "; the window is " + place + ": make it exactly that size", true});
    else if (width > static_cast<std::uint32_t>(picture.width) || height > static_cast<std::uint32_t>(picture.height))
        problems.push_back({file, "is " + SizeText(width, height) + ", larger than its place of " + place + ": make it no larger", true});
}

// The pictures' folder itself: when it is not a folder on the disc, that is
// the one problem, not each picture missing.
bool PicturesFolder(DiscTree& disc, std::vector<DiscProblem>& problems)
{
    DiscEntry folder;
    return Present(disc, kPicturesFolder, "the launcher shows no pictures; add the folder with all of them", problems,
                   &folder, DiscEntry::Kind::Folder);
}

// One picture as the launcher reads it: its palette, or none when it is
// missing (`optional`: a language's set need not have it) or unreadable.
std::vector<platform::PaletteColor> CheckDiscPicture(DiscTree& disc, const std::string& file, const DiscPicture& picture,
                                                     bool optional, std::vector<DiscProblem>& problems)
{
    DiscEntry entry;
    if (optional && disc.Find(file).kind == DiscEntry::Kind::Missing)
        return {};
    if (!Present(disc, file, "the button shows the background there; add a picture of " +
                                 SizeText(picture.width, picture.height), problems, &entry))
        return {};
    ReadPictures files;
    FrameGraphics graphics(1, 1);
    DibImages images(files, graphics);
    std::string why;
    if (!disc.Read(entry, PictureSizeCap(picture.width, picture.height), &files.files[file], &why)) {
        problems.push_back({file, why + ": save it as an 8-bit BMP of its place's size" + kKit, true});
        return {};
    }
    const DibImage image = images.LoadDibImage(file.c_str());
    if (image.empty()) {
        problems.push_back({file, std::string("the launcher cannot read it: save it as an uncompressed 8-bit BMP") + kKit, true});
        return {};
    }
    CheckPicture(image, picture, file, problems);
    return images.windowPalette() != nullptr ? *graphics.Palette(images.windowPalette()->handle())
                                             : std::vector<platform::PaletteColor>();
}

void CheckPictures(DiscTree& disc, std::vector<DiscProblem>& problems)
{
    if (!PicturesFolder(disc, problems))
        return;
    const std::vector<DiscPicture> pictures = DiscPictures();
    // Each picture's palette as the launcher builds it; the menu is drawn
    // with the one of the last picture it loads.
    std::vector<std::vector<platform::PaletteColor>> palettes(pictures.size());
    for (std::size_t n = 0; n < pictures.size(); ++n)
        palettes[n] = CheckDiscPicture(disc, std::string(kPicturesFolder) + "/" + pictures[n].file, pictures[n], false, problems);
    const std::string last = "bitmaps/" + pictures.back().file;
    for (std::size_t n = 0; n + 1 < pictures.size(); ++n) {
        if (!palettes[n].empty() && !palettes.back().empty() && !SamePalette(palettes[n], palettes.back()))
            problems.push_back({"bitmaps/" + pictures[n].file, "has another palette than " + last +
                                    ", whose palette the whole menu is drawn with: make all pictures with one palette" + kKit, true});
    }
    // A language's set: the pictures it translates, each shown beside the
    // default set's others, so with their palette.
    for (const Language& language : kLanguages) {
        const std::string folder = std::string(kPicturesFolder) + "/" + language.code;
        if (&language == &kEnglish || disc.Find(folder).kind != DiscEntry::Kind::Folder)
            continue;
        const std::size_t first = problems.size();
        for (const DiscPicture& picture : pictures) {
            const std::string file = folder + "/" + picture.file;
            const auto palette = CheckDiscPicture(disc, file, picture, true, problems);
            if (!palette.empty() && !palettes.back().empty() && !SamePalette(palette, palettes.back()))
                problems.push_back({file, "has another palette than " + last + ", whose palette the menu is drawn with "
                                          "beside it: make every language's pictures with the one palette" + kKit, true});
        }
        for (std::size_t i = first; i < problems.size(); ++i)
            problems[i].message = std::string(language.name) + " pictures: " + problems[i].message;
    }
}

void CheckLabel(DiscTree& disc, std::vector<DiscProblem>& problems)
{
    const std::string label = disc.Label();
    if (label.empty())
        problems.push_back({"", "volume label not known: master the disc with the label " + std::string(names::kDiscLabel) + " (or pass --label)", false});
    else if (label != names::kDiscLabel)
        problems.push_back({"", "volume label " + label + ": Install DirectX looks for the disc labelled " + names::kDiscLabel + "; master it with that label", true});
}

void CheckAutorun(DiscTree& disc, std::vector<DiscProblem>& problems)
{
    const std::string opens = "open=" + std::string(names::kLauncherProgram);
    DiscEntry entry;
    if (!Present(disc, "autorun.inf", "Windows will not start the launcher when the disc goes in; add [autorun] with " + opens,
                 problems, &entry))
        return;
    std::vector<unsigned char> bytes;
    std::string why;
    if (!disc.Read(entry, kAutorunCap, &bytes, &why)) {
        problems.push_back({"autorun.inf", why + ": it needs only [autorun] and " + opens, true});
        return;
    }
    bool section = false;
    bool starts = false;
    std::string line;
    for (std::size_t i = 0; i <= bytes.size(); ++i) {
        if (i < bytes.size() && bytes[i] != '\n') {
            line += static_cast<char>(bytes[i]);
            continue;
        }
        std::string text = Lower(line);
        line.clear();
        text.erase(0, text.find_first_not_of(" \t"));
        text.erase(text.find_last_not_of(" \t\r") + 1);
        if (!text.empty() && text[0] == '[')
            section = text == "[autorun]";
        else if (section && text == Lower(opens))
            starts = true;
    }
    if (!starts)
        problems.push_back({"autorun.inf", "does not start the launcher: its [autorun] section needs " + opens, true});
}

}  // namespace

std::vector<DiscProblem> CheckDisc(DiscTree& disc, DiscKind kind)
{
    const std::string unreadable = disc.Unreadable();
    if (!unreadable.empty())
        return {{"", unreadable, true}};
    std::vector<DiscProblem> problems;
    CheckPictures(disc, problems);
    std::vector<std::string> files = {names::kLauncherProgram, names::kReadmeFile};
    if (kind == DiscKind::Installed) {
        files.push_back(names::kGameProgram);
    } else {
        files.insert(files.end(), {names::kSetupProgram, std::string(names::kDirectXFolder) + "/" + names::kDirectXSetupProgram});
        if (kind == DiscKind::Demo)
            for (const char* file : installation::kGameFiles)
                files.push_back(std::string(installation::kGameFolder) + "/" + file);
    }
    for (const std::string& file : files) {
        DiscEntry entry;
        Present(disc, file, kind == DiscKind::Installed ? "the installer must copy it here" : "the launcher or the installer needs it here",
                problems, &entry);
    }
    if (kind != DiscKind::Installed) {
        CheckLabel(disc, problems);
        CheckAutorun(disc, problems);
    }
    // Last, when the files have been looked for: how the disc as a whole
    // reads (a folder's damaged records show only once it has been read).
    std::vector<DiscProblem> remarks = disc.Remarks();
    problems.insert(problems.begin(), remarks.begin(), remarks.end());
    return problems;
}
