#include "PictureKit.h"

#include <Magick++.h>

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

std::uint32_t Key(const unsigned char* p)
{
    return static_cast<std::uint32_t>(p[0]) << 16 | static_cast<std::uint32_t>(p[1]) << 8 | p[2];
}

}  // namespace

std::vector<KitProblem> MakeDiscPictures(const std::string& artworkFolder, const std::string& bitmapsFolder)
{
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
        Magick::Image image;
        try {
            image.read(artworkFolder + "/" + name);
        } catch (const Magick::Exception& e) {
            problems.push_back({name, std::string("cannot be read: ") + e.what()});
            continue;
        }
        const int width = static_cast<int>(image.columns());
        const int height = static_cast<int>(image.rows());
        if (picture.exactSize ? (width != picture.width || height != picture.height)
                              : (width > picture.width || height > picture.height))
            problems.push_back({name, "is " + SizeText(width, height) + "; its place is " + place +
                                          (picture.exactSize ? ": draw it exactly that size" : ": draw it no larger")});
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
