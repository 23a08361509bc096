// Draws the demo disc's artwork into a folder as true-colour PNG files, one
// per picture of the launcher's button table, each the size of its place:
// the English set, and the German set in its folder "de". The picture kit
// turns them into the disc's bitmaps, as it would a publisher's own.
#include <Magick++.h>

#include <sys/stat.h>

#include <cstdio>
#include <string>

#include "Canvas.h"
#include "DiscPictures.h"
#include "launcher/ButtonTable.h"

namespace {

struct ButtonArt {
    const char* stem;  // file name without the state letter and extension
    const char* english;
    const char* german;
};

const ButtonArt kButtons[] = {
    {"8b1", "INSTALL", "INSTALLIEREN"},
    {"8bindx8", "INSTALL DIRECTX", "DIRECTX INSTALLIEREN"},
    {"8b4", "README", "LIESMICH"},
    {"8b5", "REGISTER", "REGISTRIEREN"},
    {"8b6", "IRONMARCH\nPRODUCT PAGE", "IRONMARCH\nPRODUKTSEITE"},
    {"8b7", "HOME\nPAGE", "START-\nSEITE"},
    {"8b8", "PLAY", "SPIELEN"},
    {"8bexit", "QUIT", "BEENDEN"},
    {"8b10", "UNINSTALL", "DEINSTALLIEREN"},
    {"8borbix", "FAN\nSITE", "FAN-\nSEITE"},
    {"8velta", "STUDIO WEB SITE", "WEBSEITE\nDES STUDIOS"},
    {"8bgamespy", "ONLINE", "ONLINE\nSPIELEN"},
};

struct Words {
    const char* folder;  // below the artwork folder; "" for the default set
    const char* ButtonArt::*label;
    const char* motto;
};
const Words kArtSets[] = {
    {"", &ButtonArt::english, "THE IRON MARCH BEGINS"},
    {"de", &ButtonArt::german, "DER EISERNE MARSCH BEGINNT"},
};

enum class State { Up, Focus, Down };

Canvas DrawButton(const char* label, int w, int h, State state)
{
    Canvas c(w, h, 0);
    // Large letters where the words fit; a long translation gets small ones.
    const int scale = c.TextWidth(label, 2) <= w - 6 && c.TextHeight(label, 2) <= h - 4 ? 2 : 1;
    switch (state) {
    case State::Up:
        c.VerticalRamp(0, 0, w, h, kBronze, 26, 12);
        c.Bevel(0, 0, w, h, Ramp(kBronze, 40), Ramp(kBronze, 4), 2);
        c.CenteredText(0, 0, w, h, label, scale, Ramp(kStone, 46), Ramp(kBronze, 2));
        break;
    case State::Focus:
        c.VerticalRamp(0, 0, w, h, kEmber, 34, 20);
        c.Bevel(0, 0, w, h, Ramp(kBronze, 47), Ramp(kEmber, 6), 2);
        c.Frame(2, 2, w - 2, h - 2, Ramp(kBronze, 44), 1);
        c.CenteredText(0, 0, w, h, label, scale, 15, Ramp(kEmber, 2));
        break;
    case State::Down:
        c.VerticalRamp(0, 0, w, h, kBronze, 6, 16);
        c.Bevel(0, 0, w, h, Ramp(kBronze, 1), Ramp(kBronze, 30), 2);
        c.CenteredText(2, 2, w + 2, h + 2, label, scale, Ramp(kBronze, 44), 0);
        break;
    }
    return c;
}

Canvas DrawBackground(const char* motto)
{
    const int w = kBackgroundWidth;
    const int h = kBackgroundHeight;
    Canvas c(w, h, 0);
    c.VerticalRamp(0, 0, w, 300, kSteel, 4, 30);  // dusk sky
    // Two ridges of mountains.
    for (int x = 0; x < w; ++x) {
        const int far = 220 + ((x * 7) % 90 < 45 ? (x * 7) % 90 : 90 - (x * 7) % 90) / 2 + (x % 53) / 9;
        const int near = 280 + ((x * 3) % 140 < 70 ? (x * 3) % 140 : 140 - (x * 3) % 140) / 2;
        c.VerticalRamp(x, far, x + 1, near, kSteel, 10, 6);
        c.VerticalRamp(x, near, x + 1, h, kStone, 8, 2);
    }
    // A fortress on the near ridge, below the title.
    c.Fill(150, 272, 250, 320, Ramp(kStone, 5));
    for (int x = 150; x < 250; x += 14)
        c.Fill(x, 264, x + 8, 272, Ramp(kStone, 5));
    c.Fill(185, 240, 215, 272, Ramp(kStone, 6));
    for (int x = 185; x < 215; x += 10)
        c.Fill(x, 234, x + 6, 240, Ramp(kStone, 6));
    c.Fill(196, 250, 204, 262, Ramp(kEmber, 30));  // a lit window
    // The title.
    c.CenteredText(20, 160, 380, 205, "IRONMARCH", 6, Ramp(kBronze, 40), Ramp(kBronze, 2));
    c.CenteredText(20, 210, 380, 226, motto, 2, Ramp(kStone, 40), 0);
    // A panel behind the right-hand column of buttons.
    c.Fill(390, 30, w, 290, Ramp(kSteel, 3));
    c.Bevel(390, 30, w, 290, Ramp(kSteel, 16), Ramp(kSteel, 0), 2);
    c.Fill(0, 340, w, h, Ramp(kStone, 3));
    c.Fill(0, 340, w, 342, Ramp(kBronze, 20));
    return c;
}

bool WritePng(const std::string& path, const Canvas& canvas)
{
    try {
        std::vector<unsigned char> rgb = canvas.ToRgb();
        Magick::Image image(static_cast<std::size_t>(canvas.width()), static_cast<std::size_t>(canvas.height()), "RGB",
                            Magick::CharPixel, rgb.data());
        image.magick("PNG24");
        image.write(path);
        return true;
    } catch (const Magick::Exception& e) {
        std::fprintf(stderr, "%s: %s\n", path.c_str(), e.what());
        return false;
    }
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_art ARTWORK-FOLDER\n");
        return 2;
    }
    Magick::InitializeMagick(argv[0]);
    for (const Words& words : kArtSets) {
        const std::string folder = std::string(argv[1]) + (*words.folder ? std::string("/") + words.folder : "");
        if (*words.folder)
            mkdir(folder.c_str(), 0777);
        for (const DiscPicture& picture : DiscPictures()) {
            const std::string stem = picture.file.substr(0, picture.file.size() - 4);
            const std::string path = folder + "/" + ArtworkName(picture.file);
            Canvas canvas(1, 1, 0);
            if (picture.exactSize) {
                canvas = DrawBackground(words.motto);
            } else {
                const char state = stem.back();
                const ButtonArt* art = nullptr;
                for (const ButtonArt& button : kButtons)
                    if (stem.substr(0, stem.size() - 1) == button.stem)
                        art = &button;
                if (art == nullptr) {
                    std::fprintf(stderr, "no artwork for %s\n", picture.file.c_str());
                    return 1;
                }
                canvas = DrawButton(art->*words.label, picture.width, picture.height,
                                    state == 'u' ? State::Up : state == 'f' ? State::Focus : State::Down);
            }
            if (!WritePng(path, canvas))
                return 1;
        }
    }
    return 0;
}
