// disc_preview DISC-FOLDER OUTPUT-FOLDER
// Renders what a player will see with the launcher's own button table,
// layout and painting code: the disc menu and the installed menu, each with
// and without the registration program, and every button's focus and down
// pictures; each as a PNG, and all on one contact sheet (contact-sheet.png).
// A language whose set of pictures the disc carries (bitmaps\de\) gets the
// same again, its files named after it ("de-disc-menu.png").
#include <Magick++.h>

#include <cerrno>
#include <cstdio>
#include <sys/stat.h>
#include <list>
#include <string>

#include "FolderFiles.h"
#include "FrameGraphics.h"
#include "PreviewWorld.h"
#include "Usage.h"
#include "core/LauncherState.h"
#include "core/LocalTexts.h"
#include "launcher/LauncherWindow.h"

namespace {

constexpr int kClientWidth = kBackgroundWidth;
constexpr int kClientHeight = kBackgroundHeight;

struct Menu {
    const char* name;
    bool installed;
    bool registrationTool;
};
const Menu kMenus[] = {
    {"disc-menu", false, true},
    {"disc-menu-without-registration", false, false},
    {"installed-menu", true, true},
    {"installed-menu-without-registration", true, false},
};

struct NoCommands : ButtonCommands {
    void Run(const ButtonRow&) override {}
};

Magick::Image Picture(const FrameGraphics& frame, const platform::Rect& area)
{
    std::vector<unsigned char> rgb;
    for (int y = area.top; y < area.bottom; ++y) {
        const auto* row = &frame.rgb()[static_cast<std::size_t>((y * frame.width() + area.left) * 3)];
        rgb.insert(rgb.end(), row, row + (area.right - area.left) * 3);
    }
    return Magick::Image(static_cast<std::size_t>(area.right - area.left), static_cast<std::size_t>(area.bottom - area.top),
                         "RGB", Magick::CharPixel, rgb.data());
}

void Save(Magick::Image image, const std::string& path, const std::string& label, std::list<Magick::Image>& sheet)
{
    image.magick("PNG24");
    image.write(path);
    image.label(label);
    sheet.push_back(image);
}

}  // namespace

int main(int argc, char** argv)
{
    const char* usage =
        "usage: disc_preview [--] DISC-FOLDER OUTPUT-FOLDER\n"
        "Draws what a player will see, with the launcher's own layout and painting:\n"
        "the disc menu and the installed menu, with and without the registration\n"
        "program, and every button's focus and down pictures, as PNG files and on\n"
        "OUTPUT-FOLDER/contact-sheet.png; the same for each language whose pictures\n"
        "the disc carries in bitmaps/CODE, in files named CODE-*.png.\n";
    if (const int stop = CheckArguments(argc, argv, 2, usage); stop >= 0)
        return stop;
    Magick::InitializeMagick(argv[0]);
    const std::string out = argv[2];
    if (mkdir(out.c_str(), 0777) != 0 && errno != EEXIST) {
        std::perror(out.c_str());
        return 1;
    }
    const platform::Rect client{0, 0, kClientWidth, kClientHeight};
    std::list<Magick::Image> sheet;
    try {
        NoTexts noTexts;
        LocalTexts texts(noTexts);
        for (const Language& language : kLanguages) {
            const std::string code = language.code;
            if (&language != &kEnglish && !FolderFiles(argv[1]).HasFolder(("bitmaps\\" + code).c_str()))
                continue;
            texts.UseLanguage(language);
            const std::string prefix = &language == &kEnglish ? "" : code + "-";
            for (const Menu& menu : kMenus) {
                FolderFiles files(argv[1]);
                ChosenWorld world(menu.installed, menu.registrationTool, files);
                FrameGraphics frame(kClientWidth, kClientHeight);
                FrameSurface surface;
                LauncherState state;
                NoCommands commands;
                DibImages images(files, frame);
                LauncherWindow window(state, world, world, images, commands, texts);
                window.InitButtonTable();
                window.LoadButtonBitmaps();
                window.OnActivateApp(surface, true);  // as when the window first shows
                window.PaintWindow(surface);
                Save(Picture(frame, client), out + "/" + prefix + menu.name + ".png", prefix + menu.name, sheet);
                if (!menu.registrationTool)
                    continue;
                // The pointer over each button, then pressed, as the window draws them.
                for (int id = 1; id <= kButtonCount; ++id) {
                    const platform::Rect place = window.buttons()[id].hotRect;
                    if (window.HitTest(place.left + 1, place.top + 1) != id)
                        continue;
                    const std::string up = BitmapsOf(id)->up;  // "bitmaps\\8b1u.bmp" names the button "8b1"
                    const std::string stem = prefix + menu.name + "-" + up.substr(8, up.size() - 8 - 5);
                    window.OnMouseMove(surface, place.left + 1, place.top + 1);
                    Save(Picture(frame, place), out + "/" + stem + "-focus.png", stem + " focus", sheet);
                    window.OnLButtonDown(surface);
                    Save(Picture(frame, place), out + "/" + stem + "-down.png", stem + " down", sheet);
                    window.OnMouseMove(surface, 1, kClientHeight - 1);  // off again, the button up
                }
            }
        }
        Magick::Montage layout;
        layout.geometry(Magick::Geometry(320, 226, 4, 4));
        layout.tile("4x");
        layout.backgroundColor(Magick::Color("gray20"));
        layout.fillColor(Magick::Color("white"));
        layout.pointSize(10);
        std::list<Magick::Image> montage;
        Magick::montageImages(&montage, sheet.begin(), sheet.end(), layout);
        Magick::writeImages(montage.begin(), montage.end(), out + "/contact-sheet.png");
    } catch (const Magick::Exception& e) {
        std::fprintf(stderr, "%s\n", e.what());
        return 1;
    }
    return 0;
}
