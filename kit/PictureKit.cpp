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

}  // namespace

std::vector<KitProblem> MakeDiscPictures(const std::string& artworkFolder, const std::string& bitmapsFolder)
{
    LimitDecoding();
    const std::vector<DiscPicture> pictures = DiscPictures();
    std::vector<KitProblem> problems;
    std::vector<std::string> names;
    for (const DiscPicture& picture : pictures)
        names.push_back(picture.file);
    for (const OutputProblem& problem : CheckOutputFolder(bitmapsFolder, names))
        problems.push_back({problem.path, problem.message});
    std::vector<Magick::Image> art;
    for (const DiscPicture& picture : pictures) {
        const std::string name = ArtworkName(picture.file);
        const std::string place = SizeText(picture.width, picture.height);
        std::vector<unsigned char> file;
        const std::string unread = ReadArtwork(artworkFolder + "/" + name, &file);
        if (!unread.empty()) {
            problems.push_back({name, unread == "missing" ? "missing: draw it " + place + (picture.exactSize ? "" : " or smaller") : unread});
            continue;
        }
        PngPicture png;
        const std::string damaged = PictureChunks(file, &png);
        if (!damaged.empty()) {
            problems.push_back({name, damaged});
            continue;
        }
        const std::uint32_t width = png.width;
        const std::uint32_t height = png.height;
        if (picture.exactSize ? (width != static_cast<std::uint32_t>(picture.width) || height != static_cast<std::uint32_t>(picture.height))
                              : (width > static_cast<std::uint32_t>(picture.width) || height > static_cast<std::uint32_t>(picture.height))) {
            problems.push_back({name, "is " + SizeText(width, height) + "; its place is " + place +
                                          (picture.exactSize ? ": draw it exactly that size" : ": draw it no larger")});
            continue;
        }
        Magick::Image image;
        try {
            // Only PNG bytes reach this point, so no other decoder is chosen.
            image.read(Magick::Blob(png.bytes.data(), png.bytes.size()));
        } catch (const Magick::Exception& e) {
            problems.push_back({name, std::string("cannot be read as PNG: ") + e.what()});
            continue;
        }
        art.push_back(Opaque(image));
    }
    if (!problems.empty())
        return problems;

    // One palette chosen over all the artwork together: quantise the
    // pictures as one image, then map each to its colours.
    Magick::Image all;
    std::list<Magick::Image> stack(art.begin(), art.end());
    Magick::appendImages(&all, stack.begin(), stack.end(), true);
    all.quantizeColors(256);
    all.quantizeDither(false);
    all.quantize();

    std::vector<std::vector<unsigned char>> rgb;
    std::map<std::uint32_t, std::uint8_t> index;
    std::vector<Rgb> palette;
    for (Magick::Image& image : art) {
        image.map(all, false);
        rgb.push_back(Rgb8(image));
        const std::vector<unsigned char>& pixels = rgb.back();
        for (std::size_t i = 0; i < pixels.size(); i += 3) {
            if (index.count(Key(&pixels[i])) != 0)
                continue;
            if (palette.size() == 256)
                return {{"", "the artwork maps to more than 256 colours"}};
            index[Key(&pixels[i])] = static_cast<std::uint8_t>(palette.size());
            palette.push_back({pixels[i], pixels[i + 1], pixels[i + 2]});
        }
    }
    std::vector<OutputFile> files;
    for (std::size_t n = 0; n < pictures.size(); ++n) {
        const std::vector<unsigned char>& pixels = rgb[n];
        std::vector<std::uint8_t> indices(pixels.size() / 3);
        for (std::size_t i = 0; i < indices.size(); ++i)
            indices[i] = index[Key(&pixels[3 * i])];
        files.push_back({pictures[n].file, Bmp8(static_cast<int>(art[n].columns()), static_cast<int>(art[n].rows()), indices, palette)});
    }
    for (const OutputProblem& problem : WriteOutputFolder(bitmapsFolder, files))
        problems.push_back({problem.path, problem.message});
    return problems;
}
