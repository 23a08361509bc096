#include "PictureKit.h"

#include <Magick++.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <list>
#include <map>

#include "Bmp8.h"
#include "core/Language.h"
#include "DiscPictures.h"
#include "OutputFolder.h"
#include "PngChunks.h"

namespace {

// Artwork of the largest place, 640 by 452 in 16-bit RGBA, takes 2.3 MB
// uncompressed; the rest leaves room for what painting programs add.
constexpr std::uint64_t kLargestArtwork = 16 * 1024 * 1024;

// The picture on black, without an alpha channel: the launcher has none.
Magick::Image Opaque(const Magick::Image& art)
{
    Magick::Image flat(Magick::Geometry(art.columns(), art.rows()), Magick::Color("black"));
    flat.composite(art, 0, 0, Magick::OverCompositeOp);
    flat.type(Magick::TrueColorType);
    return flat;
}

std::vector<unsigned char> Rgb8(Magick::Image& image)
{
    std::vector<unsigned char> rgb(image.columns() * image.rows() * 3);
    image.write(0, 0, image.columns(), image.rows(), "RGB", Magick::CharPixel, rgb.data());
    return rgb;
}

// The artwork file's bytes: a regular file (a link to one will do) of at
// most cap bytes; "" or what is wrong.
std::string ReadArtwork(const std::string& path, std::vector<unsigned char>* bytes)
{
    const int fd = open(path.c_str(), O_RDONLY | O_NONBLOCK);
    if (fd < 0)
        return errno == ENOENT ? "missing" : std::string("cannot be read: ") + std::strerror(errno);
    struct stat info;
    std::string why;
    if (fstat(fd, &info) != 0 || !S_ISREG(info.st_mode))
        why = "is not a regular file: put the PNG file itself there";
    else if (static_cast<std::uint64_t>(info.st_size) > kLargestArtwork)
        why = "is " + std::to_string(info.st_size) + " bytes, more than " + std::to_string(kLargestArtwork) +
              " any artwork needs: export it again without metadata";
    std::size_t done = 0;
    if (why.empty()) {
        bytes->resize(static_cast<std::size_t>(info.st_size));
        while (done < bytes->size()) {
            const ssize_t got = read(fd, bytes->data() + done, bytes->size() - done);
            if (got <= 0)
                break;
            done += static_cast<std::size_t>(got);
        }
        bytes->resize(done);
    }
    close(fd);
    return why;
}

std::uint32_t Key(const unsigned char* p)
{
    return static_cast<std::uint32_t>(p[0]) << 16 | static_cast<std::uint32_t>(p[1]) << 8 | p[2];
}

void LimitDecoding()
{
    // Artwork is at most 640 by 452; the limits leave room and stop a
    // crafted file long before it could take the machine.
    Magick::ResourceLimits::width(4096);
    Magick::ResourceLimits::height(4096);
    Magick::ResourceLimits::area(16 * 1024 * 1024);
    Magick::ResourceLimits::memory(256 * 1024 * 1024);
    Magick::ResourceLimits::disk(0);
}

// One set of pictures: the default one, which must be whole, or a
// language's, which holds those it translates.
struct ArtSet {
    std::string code;  // "" for the default set
    std::vector<std::size_t> pictures;  // into DiscPictures()
    std::vector<Magick::Image> art;
};

// The artwork of one picture, checked against its place; false with a
// problem, or with none when a language's set lacks it.
bool ReadPicture(const std::string& folder, const std::string& code, const DiscPicture& picture, Magick::Image* image,
                 std::vector<KitProblem>* problems)
{
    const std::string name = (code.empty() ? "" : code + "/") + ArtworkName(picture.file);
    const std::string place = SizeText(picture.width, picture.height);
    std::vector<unsigned char> file;
    const std::string unread = ReadArtwork(folder + "/" + name, &file);
    if (unread == "missing" && !code.empty())
        return false;
    if (!unread.empty()) {
        problems->push_back({name, unread == "missing" ? "missing: draw it " + place + (picture.exactSize ? "" : " or smaller") : unread});
        return false;
    }
    PngPicture png;
    const std::string damaged = PictureChunks(file, &png);
    if (!damaged.empty()) {
        problems->push_back({name, damaged});
        return false;
    }
    const std::uint32_t width = png.width;
    const std::uint32_t height = png.height;
    if (picture.exactSize ? (width != static_cast<std::uint32_t>(picture.width) || height != static_cast<std::uint32_t>(picture.height))
                          : (width > static_cast<std::uint32_t>(picture.width) || height > static_cast<std::uint32_t>(picture.height))) {
        problems->push_back({name, "is " + SizeText(width, height) + "; its place is " + place +
                                       (picture.exactSize ? ": draw it exactly that size" : ": draw it no larger")});
        return false;
    }
    try {
        // Only PNG bytes reach this point, so no other decoder is chosen.
        image->read(Magick::Blob(png.bytes.data(), png.bytes.size()));
    } catch (const Magick::Exception& e) {
        problems->push_back({name, std::string("cannot be read as PNG: ") + e.what()});
        return false;
    }
    *image = Opaque(*image);
    return true;
}

bool IsFolder(const std::string& path)
{
    struct stat info;
    return stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

std::string SetFolder(const std::string& folder, const std::string& code)
{
    return code.empty() ? folder : folder + "/" + code;
}

}  // namespace

std::vector<KitProblem> MakeDiscPictures(const std::string& artworkFolder, const std::string& bitmapsFolder)
{
    LimitDecoding();
    const std::vector<DiscPicture> pictures = DiscPictures();
    std::vector<ArtSet> sets(1);
    for (const Language& language : kLanguages)
        if (&language != &kEnglish && IsFolder(artworkFolder + "/" + language.code))
            sets.push_back(ArtSet{language.code, {}, {}});
    std::vector<KitProblem> problems;
    for (ArtSet& set : sets) {
        std::vector<std::string> names;
        for (std::size_t n = 0; n < pictures.size(); ++n) {
            Magick::Image image;
            if (!ReadPicture(artworkFolder, set.code, pictures[n], &image, &problems))
                continue;
            set.pictures.push_back(n);
            set.art.push_back(image);
            names.push_back(pictures[n].file);
        }
        for (const OutputProblem& problem : CheckOutputFolder(SetFolder(bitmapsFolder, set.code), names))
            problems.push_back({problem.path, problem.message});
    }
    if (!problems.empty())
        return problems;

    // One palette chosen over all the artwork of every set together, as the
    // launcher may show a language's pictures beside the default ones:
    // quantise the pictures as one image, then map each to its colours.
    // The artwork has been decoded under the limits; the pictures stacked
    // are taller than any one artwork may be.
    Magick::ResourceLimits::height(1 << 16);
    Magick::Image all;
    std::list<Magick::Image> stack;
    for (const ArtSet& set : sets)
        stack.insert(stack.end(), set.art.begin(), set.art.end());
    Magick::appendImages(&all, stack.begin(), stack.end(), true);
    all.quantizeColors(256);
    all.quantizeDither(false);
    all.quantize();

    std::map<std::uint32_t, std::uint8_t> index;
    std::vector<Rgb> palette;
    std::vector<std::vector<std::vector<unsigned char>>> rgb(sets.size());
    for (std::size_t s = 0; s < sets.size(); ++s) {
        for (Magick::Image& image : sets[s].art) {
            image.map(all, false);
            rgb[s].push_back(Rgb8(image));
            const std::vector<unsigned char>& pixels = rgb[s].back();
            for (std::size_t i = 0; i < pixels.size(); i += 3) {
                if (index.count(Key(&pixels[i])) != 0)
                    continue;
                if (palette.size() == 256)
                    return {{"", "the artwork maps to more than 256 colours"}};
                index[Key(&pixels[i])] = static_cast<std::uint8_t>(palette.size());
                palette.push_back({pixels[i], pixels[i + 1], pixels[i + 2]});
            }
        }
    }
    // The default set first: a language's folder goes inside its folder.
    for (std::size_t s = 0; s < sets.size(); ++s) {
        std::vector<OutputFile> files;
        for (std::size_t n = 0; n < sets[s].art.size(); ++n) {
            const std::vector<unsigned char>& pixels = rgb[s][n];
            std::vector<std::uint8_t> indices(pixels.size() / 3);
            for (std::size_t i = 0; i < indices.size(); ++i)
                indices[i] = index[Key(&pixels[3 * i])];
            const Magick::Image& image = sets[s].art[n];
            files.push_back({pictures[sets[s].pictures[n]].file,
                             Bmp8(static_cast<int>(image.columns()), static_cast<int>(image.rows()), indices, palette)});
        }
        for (const OutputProblem& problem : WriteOutputFolder(SetFolder(bitmapsFolder, sets[s].code), files))
            problems.push_back({problem.path, problem.message});
        if (!problems.empty())
            break;
    }
    return problems;
}
