// Writes the demo disc's pictures into a "bitmaps" folder: the background
// and the up, focus and down pictures of every button, all 8 bits with the
// one shared palette, each button exactly the size of its place.
#include <cstdio>
#include <string>

#include "Canvas.h"

namespace {

struct ButtonArt {
    const char* stem;  // file name without the state letter and extension
    int width;
    int height;
    const char* label;
    int scale;
};

// Sizes match the buttons' places on the window.
const ButtonArt kButtons[] = {
    {"8b1", 230, 30, "INSTALL", 2},
    {"8bindx8", 230, 30, "INSTALL DIRECTX", 2},
    {"8b4", 230, 30, "README", 2},
    {"8b5", 230, 30, "REGISTER", 2},
    {"8b6", 240, 150, "IRONMARCH\nPRODUCT PAGE", 2},
    {"8b7", 120, 70, "HOME\nPAGE", 2},
    {"8b8", 230, 30, "PLAY", 2},
    {"8bexit", 230, 30, "QUIT", 2},
    {"8b10", 230, 30, "UNINSTALL", 2},
    {"8borbix", 75, 90, "FAN\nSITE", 2},
    {"8velta", 230, 55, "STUDIO WEB SITE", 2},
    {"8bgamespy", 120, 60, "GAMESPY", 2},
};

enum class State { Up, Focus, Down };

Canvas DrawButton(const ButtonArt& art, State state)
{
    const int w = art.width;
    const int h = art.height;
    Canvas c(w, h, 0);
    switch (state) {
    case State::Up:
        c.VerticalRamp(0, 0, w, h, kBronze, 26, 12);
        c.Bevel(0, 0, w, h, Ramp(kBronze, 40), Ramp(kBronze, 4), 2);
        c.CenteredText(0, 0, w, h, art.label, art.scale, Ramp(kStone, 46), Ramp(kBronze, 2));
        break;
    case State::Focus:
        c.VerticalRamp(0, 0, w, h, kEmber, 34, 20);
        c.Bevel(0, 0, w, h, Ramp(kBronze, 47), Ramp(kEmber, 6), 2);
        c.Frame(2, 2, w - 2, h - 2, Ramp(kBronze, 44), 1);
        c.CenteredText(0, 0, w, h, art.label, art.scale, 15, Ramp(kEmber, 2));
        break;
    case State::Down:
        c.VerticalRamp(0, 0, w, h, kBronze, 6, 16);
        c.Bevel(0, 0, w, h, Ramp(kBronze, 1), Ramp(kBronze, 30), 2);
        c.CenteredText(2, 2, w + 2, h + 2, art.label, art.scale, Ramp(kBronze, 44), 0);
        break;
    }
    return c;
}

Canvas DrawBackground()
{
    const int w = 640;
    const int h = 452;
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
    c.CenteredText(20, 210, 380, 226, "THE IRON MARCH BEGINS", 2, Ramp(kStone, 40), 0);
    // A panel behind the right-hand column of buttons.
    c.Fill(390, 30, 640 - 0, 290, Ramp(kSteel, 3));
    c.Bevel(390, 30, 640, 290, Ramp(kSteel, 16), Ramp(kSteel, 0), 2);
    c.Fill(0, 340, w, h, Ramp(kStone, 3));
    c.Fill(0, 340, w, 342, Ramp(kBronze, 20));
    return c;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_art OUTPUT-FOLDER\n");
        return 2;
    }
    const std::string folder = argv[1];
    if (!WriteFile(folder + "/8bg1.bmp", DrawBackground().ToBmp())) {
        std::perror((folder + "/8bg1.bmp").c_str());
        return 1;
    }
    const struct {
        State state;
        const char* suffix;
    } states[] = {{State::Up, "u"}, {State::Focus, "f"}, {State::Down, "d"}};
    for (const ButtonArt& art : kButtons) {
        for (const auto& s : states) {
            const std::string path = folder + "/" + art.stem + s.suffix + ".bmp";
            if (!WriteFile(path, DrawButton(art, s.state).ToBmp())) {
                std::perror(path.c_str());
                return 1;
            }
        }
    }
    return 0;
}
