#include "PictureKit.h"

#include <Magick++.h>

#include <sys/stat.h>

#include <cerrno>
#include <cstring>
#include <fstream>
#include <list>
#include <map>

#include "Bmp8.h"
#include "DiscPictures.h"

namespace {

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

// Width and height from a PNG's header, before anything is decoded; false
// when the file does not start as a PNG does.
bool PngSize(const std::string& path, std::uint32_t* width, std::uint32_t* height)
{
    static const unsigned char kSignature[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    unsigned char head[24] = {};
    std::ifstream in(path, std::ios::binary);
    in.read(reinterpret_cast<char*>(head), sizeof head);
    if (in.gcount() != sizeof head || !std::equal(kSignature, kSignature + 8, head) ||
        !std::equal(head + 12, head + 16, "IHDR"))
        return false;
    const auto big32 = [](const unsigned char* p) {
        return static_cast<std::uint32_t>(p[0]) << 24 | static_cast<std::uint32_t>(p[1] << 16 | p[2] << 8 | p[3]);
    };
    *width = big32(head + 16);
    *height = big32(head + 20);
    return true;
}

std::uint32_t Key(const unsigned char* p)
{
    return static_cast<std::uint32_t>(p[0]) << 16 | static_cast<std::uint32_t>(p[1]) << 8 | p[2];
}

// The folder and any missing parents; "" or why it cannot be made.
std::string MakeFolder(const std::string& folder)
{
    for (std::size_t at = 1; at <= folder.size(); ++at) {
        if (at != folder.size() && folder[at] != '/')
            continue;
        const std::string part = folder.substr(0, at);
        if (mkdir(part.c_str(), 0777) != 0 && errno != EEXIST)
            return std::strerror(errno);
    }
    struct stat info;
    return stat(folder.c_str(), &info) == 0 && S_ISDIR(info.st_mode) ? "" : "a file of that name is in the way";
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
    std::vector<Magick::Image> art;
    for (const DiscPicture& picture : pictures) {
        const std::string name = ArtworkName(picture.file);
        const std::string place = SizeText(picture.width, picture.height);
        if (!IsFile(artworkFolder + "/" + name)) {
            problems.push_back({name, "missing: draw it " + place + (picture.exactSize ? "" : " or smaller")});
            continue;
        }
        std::uint32_t width = 0;
        std::uint32_t height = 0;
        if (!PngSize(artworkFolder + "/" + name, &width, &height)) {
            problems.push_back({name, "is not a PNG file: save the artwork as PNG"});
            continue;
        }
        if (picture.exactSize ? (width != static_cast<std::uint32_t>(picture.width) || height != static_cast<std::uint32_t>(picture.height))
                              : (width > static_cast<std::uint32_t>(picture.width) || height > static_cast<std::uint32_t>(picture.height))) {
            problems.push_back({name, "is " + SizeText(width, height) + "; its place is " + place +
                                          (picture.exactSize ? ": draw it exactly that size" : ": draw it no larger")});
            continue;
        }
        Magick::Image image;
        try {
            // The PNG decoder by name: never one the bytes would choose.
            image.read("png:" + artworkFolder + "/" + name);
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
    const std::string why = MakeFolder(bitmapsFolder);
    if (!why.empty())
        return {{bitmapsFolder, "cannot be made: " + why}};
    for (std::size_t n = 0; n < pictures.size(); ++n) {
        const std::vector<unsigned char>& pixels = rgb[n];
        std::vector<std::uint8_t> indices(pixels.size() / 3);
        for (std::size_t i = 0; i < indices.size(); ++i)
            indices[i] = index[Key(&pixels[3 * i])];
        const std::string path = bitmapsFolder + "/" + pictures[n].file;
        if (!WriteFile(path, Bmp8(static_cast<int>(art[n].columns()), static_cast<int>(art[n].rows()), indices, palette)))
            problems.push_back({pictures[n].file, "cannot be written to " + bitmapsFolder});
    }
    return problems;
}
