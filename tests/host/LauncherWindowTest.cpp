// The face: which pictures load, what is painted, where a point hits, and
// the pointer's state table from hover to command.
#include <gtest/gtest.h>

#include "BitmapBuilder.h"
#include "FakeSystem.h"
#include "app/GetPaths.h"
#include "core/LauncherState.h"
#include "launcher/LauncherWindow.h"

namespace {

using Names = std::vector<std::string>;
constexpr int kBackgroundFill = 250;  // every picture's pixels tell which it is: id * 3 + picture

std::string NameOfFill(unsigned fill)
{
    static const char* pictures[] = {"up", "focus", "down"};
    return fill == kBackgroundFill ? "background" : std::to_string(fill / 3) + " " + pictures[fill % 3];
}

struct Window : testing::Test, ButtonCommands, InstallationReader {
    fake::System system;
    LauncherState state;
    DibImages images{system, system};
    LauncherWindow window{state, *this, images, *this};
    std::vector<int> ran;
    bool quitOnRun = false;

    void Run(const ButtonRow& row) override
    {
        ran.push_back(row.id);
        state.quitPending = quitOnRun;
    }
    void ReadInstallation() override { ::ReadInstallation(state, system, system); }
    void SetUp() override
    {
        system.AddDirectory("D:\\");
        bitmaps::Layout background;
        background.pixelFill = kBackgroundFill;
        system.pictures["bitmaps\\8bg1.bmp"] = bitmaps::Make(background);
        for (int id = 1; id <= kButtonCount; ++id) {
            const ButtonBitmaps* files = BitmapsOf(id);
            const char* names[] = {files ? files->up : "", files ? files->focus : "", files ? files->down : ""};
            for (int picture = 0; files != nullptr && picture < 3; ++picture) {
                bitmaps::Layout layout;
                layout.pixelFill = static_cast<std::uint8_t>(id * 3 + picture);
                system.pictures[fake::Lower(names[picture])] = bitmaps::Make(layout);
            }
        }
    }
    void StartUp()
    {
        window.InitButtonTable();
        window.LoadButtonBitmaps();
    }
    void RegistrationTool() { system.AddDirectory("D:\\\\ereg"), system.AddFile("D:\\\\ereg\\reg32.exe"); }
    Names Drawn()  // the pictures drawn since the last call
    {
        Names names;
        for (const fake::Copy& copy : system.copies)
            names.push_back(NameOfFill(copy.firstPixel));
        system.copies.clear();
        return names;
    }
    Names Reads() const
    {
        Names reads;
        for (const std::string& line : system.log)
            if (line.rfind("read ", 0) == 0)
                reads.push_back(line.substr(5));
        return reads;
    }
};

struct StartUpWithTool : Window, testing::WithParamInterface<bool> {};

TEST_P(StartUpWithTool, LoadsThePicturesInOrderAndTheRegistrationOnesOnlyWithTheTool)
{
    const bool tool = GetParam();
    {
        if (tool)
            RegistrationTool();
        StartUp();
        EXPECT_EQ(state.discLabel, "IRM_1");
        const Names reads = Reads();
        ASSERT_EQ(reads.size(), tool ? 37u : 34u);
        EXPECT_EQ(Names(reads.begin(), reads.begin() + 5), (Names{"bitmaps\\8bg1.bmp", "bitmaps\\8b1u.bmp",
                                                                  "bitmaps\\8b1f.bmp", "bitmaps\\8b1d.bmp",
                                                                  "bitmaps\\8bindx8u.bmp"}));
        EXPECT_EQ(reads[7], "bitmaps\\8b4u.bmp");
        EXPECT_EQ(reads[10], tool ? "bitmaps\\8b5u.bmp" : "bitmaps\\8b6u.bmp");
        EXPECT_EQ(reads.back(), "bitmaps\\8bgamespyd.bmp");
        EXPECT_EQ(window.buttons()[kRegistrationButton].upImage.empty(), !tool);
        EXPECT_EQ(window.buttons()[kRegistrationButton].inactive, tool ? 0 : 1);
        EXPECT_EQ(window.buttons()[kReservedButton].inactive, 1);
        EXPECT_EQ(window.buttons()[kUninstallButton].inactive, 1);
    }
}

INSTANTIATE_TEST_SUITE_P(ToolOrNot, StartUpWithTool, testing::Bool());

TEST_F(Window, PaletteIsTheLastReadableFilesAndEveryReplacedOneIsDeleted)
{
    system.pictures.erase("bitmaps\\8bgamespyd.bmp");
    bitmaps::Layout sixteen;
    sixteen.colorsUsed = sixteen.tableEntries = 16;
    system.pictures["bitmaps\\8bgamespyf.bmp"] = bitmaps::Make(sixteen);
    StartUp();
    ASSERT_NE(images.windowPalette(), nullptr);
    EXPECT_EQ(system.palettes.at(images.windowPalette()->handle()).size(), 16u);
    EXPECT_EQ(system.palettes.size(), 1u);
    window.ReleaseImages();
    EXPECT_TRUE(system.palettes.empty());
    EXPECT_TRUE(window.buttons().backgroundImage.empty());
}

TEST_F(Window, PaintDrawsTheBackgroundTheShownButtonsAndTheFocusInOneBracket)
{
    StartUp();
    system.log.clear();
    window.PaintWindow(system);
    EXPECT_EQ(Drawn(), (Names{"background", "1 up", "2 up", "4 up", "6 up", "7 up", "9 up", "11 up", "12 up", "13 up"}));
    EXPECT_EQ(Names(system.log.begin(), system.log.begin() + 2), (Names{"GetDC", "BeginPaint"}));
    EXPECT_EQ(Names(system.log.end() - 2, system.log.end()), (Names{"EndPaint", "ReleaseDC"}));

    system.InstallGame("C:\\Games\\Ironmarch");
    RegistrationTool();
    window.OnActivateApp(system, true);
    window.OnMouseMove(system, 500, 55);  // onto play
    Drawn();
    window.PaintWindow(system);
    // The registration button was absent at start-up: shown, but with no picture.
    EXPECT_EQ(Drawn(), (Names{"background", "8 up", "10 up", "2 up", "4 up", "6 up", "7 up", "9 up", "11 up", "12 up",
                              "13 up", "8 focus"}));
}

TEST_F(Window, EraseRealisesThePaletteFirstAndNothingIsRealisedWithoutABackground)
{
    StartUp();
    system.log.clear();
    window.OnEraseBackground(system);
    EXPECT_EQ(Names(system.log.begin(), system.log.begin() + 5),
              (Names{"GetDC", "SelectPalette foreground", "RealizePalette", "SelectPalette background", "ReleaseDC"}));
    EXPECT_EQ(Drawn().front(), "background");

    system.pictures.erase("bitmaps\\8bg1.bmp");
    LauncherWindow bare{state, *this, images, *this};
    bare.InitButtonTable();
    bare.LoadButtonBitmaps();
    system.log.clear();
    bare.RealizeWindowPalette(system);
    EXPECT_TRUE(system.log.empty());
}

TEST_F(Window, HitTestExcludesEveryEdge)
{
    StartUp();
    const struct {
        int x, y, id;
    } cases[] = {
        {400, 55, 0},   {401, 55, 1},   {629, 55, 1},   {630, 55, 0},   {500, 40, 0},   {500, 41, 1},  {500, 69, 1},
        {500, 70, 0},   {401, 175, 9},  {401, 160, 0},  {57, 9, 6},     {56, 9, 0},     {200, 400, 7}, {300, 400, 11},
        {500, 400, 12}, {100, 400, 13}, {500, 95, 4},   {500, 135, 2},  {10, 10, 0},    {500, 215, 0}, {628, 400, 12},
        {629, 400, 0},  {300, 442, 11}, {300, 443, 0},  {295, 100, 6},  {296, 100, 0},  {147, 400, 7}, {146, 400, 0},
        {26, 400, 13},  {25, 400, 0},
    };
    for (const auto& c : cases)
        EXPECT_EQ(window.HitTest(c.x, c.y), c.id) << c.x << "," << c.y;
}

TEST_F(Window, ActivationReadsTheInstallationAndMovesTheColumn)
{
    system.InstallGame("C:\\Games\\Ironmarch");
    StartUp();
    EXPECT_EQ(window.HitTest(500, 175), 0);  // uninstall's row stays inactive until the first activation
    EXPECT_EQ(window.HitTest(500, 55), 8);
    window.OnActivateApp(system, true);
    EXPECT_EQ(window.HitTest(500, 175), 10);
    EXPECT_EQ(window.HitTest(500, 215), 9);

    RegistrationTool();
    window.OnActivateApp(system, true);
    EXPECT_EQ(window.HitTest(500, 175), 0);  // registration: shown, but absent at start-up
    EXPECT_EQ(window.HitTest(500, 215), 10);
    EXPECT_EQ(window.HitTest(500, 255), 9);  // quit moved down
    system.files.clear();
    system.registry.clear();
    window.OnActivateApp(system, true);
    EXPECT_FALSE(state.registrationToolPresent);
    EXPECT_TRUE(state.gameInstalled);  // once found, the installation stays for this run
    EXPECT_EQ(window.buttons().columnOffset, 40);  // the gap stays
    EXPECT_EQ(window.HitTest(500, 215), 10);
    EXPECT_EQ(window.HitTest(500, 255), 9);
    EXPECT_EQ(window.HitTest(500, 175), 0);

    system.log.clear();
    window.OnActivateApp(system, false);  // deactivation changes nothing
    EXPECT_TRUE(system.log.empty());
}

// Install at (500, 55), readme at (500, 95), DirectX at (500, 135), background at (10, 300).
struct Step {
    char event;  // 'm'ove, 'p'ress, 'r'elease
    int x, y;
    Names drawn;
    int focus, pressed;
    std::vector<int> ran;
};
const std::vector<std::vector<Step>> kScripts = {
    {{'m', 500, 55, {"1 focus"}, 1, 0, {}}, {'m', 505, 56, {}, 1, 0, {}}, {'p', 0, 0, {"1 down"}, 1, 1, {}},
     {'m', 510, 60, {}, 1, 1, {}}, {'r', 0, 0, {"1 focus"}, 1, 0, {1}}},
    // Slide from A onto B and release: nothing runs.
    {{'m', 500, 55, {"1 focus"}, 1, 0, {}}, {'p', 0, 0, {"1 down"}, 1, 1, {}},
     {'m', 500, 95, {"4 focus", "1 up"}, 4, 1, {}}, {'r', 0, 0, {}, 4, 0, {}}},
    // Onto B and back onto A: A's focus picture, then its command.
    {{'m', 500, 55, {"1 focus"}, 1, 0, {}}, {'p', 0, 0, {"1 down"}, 1, 1, {}},
     {'m', 500, 95, {"4 focus", "1 up"}, 4, 1, {}}, {'m', 500, 55, {"1 focus", "4 up"}, 1, 1, {}},
     {'r', 0, 0, {"1 focus"}, 1, 0, {1}}},
    // Over the background the press is dropped.
    {{'m', 500, 55, {"1 focus"}, 1, 0, {}}, {'p', 0, 0, {"1 down"}, 1, 1, {}}, {'m', 10, 300, {"1 up"}, 0, 0, {}},
     {'m', 500, 55, {"1 focus"}, 1, 0, {}}, {'r', 0, 0, {}, 1, 0, {}}},
    // Pressed over B, then pressed again on B; then a third button.
    {{'m', 500, 55, {"1 focus"}, 1, 0, {}}, {'p', 0, 0, {"1 down"}, 1, 1, {}},
     {'m', 500, 95, {"4 focus", "1 up"}, 4, 1, {}}, {'p', 0, 0, {"4 down"}, 4, 4, {}},
     {'r', 0, 0, {"4 focus"}, 4, 0, {4}}, {'p', 0, 0, {"4 down"}, 4, 4, {4}},
     {'m', 500, 135, {"2 focus", "4 up"}, 2, 4, {4}}},
    {{'m', 10, 300, {}, 0, 0, {}}, {'p', 0, 0, {}, 0, 0, {}}, {'r', 0, 0, {}, 0, 0, {}}},
    {{'m', 500, 55, {"1 focus"}, 1, 0, {}}, {'r', 0, 0, {}, 1, 0, {}}},
    {{'p', 0, 0, {}, 0, 0, {}}, {'r', 0, 0, {}, 0, 0, {}}},
};

void PrintTo(const Step& step, std::ostream* out)
{
    *out << step.event << "(" << step.x << "," << step.y << ")";
}

struct PointerStateTable : Window, testing::WithParamInterface<std::vector<Step>> {};

TEST_P(PointerStateTable, Transitions)
{
    StartUp();
    Drawn();
    const std::vector<Step>& steps = GetParam();
    for (std::size_t i = 0; i < steps.size(); ++i) {
        const Step& s = steps[i];
        if (s.event == 'm')
            window.OnMouseMove(system, s.x, s.y);
        else if (s.event == 'p')
            window.OnLButtonDown(system);
        else
            window.OnLButtonUp(system);
        EXPECT_EQ(Drawn(), s.drawn) << "step " << i << " (" << s.event << ")";
        EXPECT_EQ(window.focusButton(), s.focus) << "step " << i;
        EXPECT_EQ(window.pressedButton(), s.pressed) << "step " << i;
        EXPECT_EQ(ran, s.ran) << "step " << i;
    }
}

INSTANTIATE_TEST_SUITE_P(Scripts, PointerStateTable, testing::ValuesIn(kScripts));

TEST_F(Window, EscapeSpaceAndAClosingCommandWakeTheLoop)
{
    StartUp();
    for (unsigned key : {13u, 65u, 0x70u, 9u})
        window.OnKeyDown(system, key);
    EXPECT_FALSE(state.quitPending);
    EXPECT_EQ(system.Count("WakeMessageLoop"), 0u);
    for (unsigned key : {27u, 32u}) {
        state.quitPending = false;
        window.OnKeyDown(system, key);
        EXPECT_TRUE(state.quitPending) << key;
    }
    EXPECT_EQ(system.Count("WakeMessageLoop"), 2u);
    // A command run from a sent message must not leave the loop asleep.
    for (bool closes : {false, true}) {
        quitOnRun = closes;
        system.log.clear();
        window.OnMouseMove(system, 500, 95);
        window.OnLButtonDown(system);
        window.OnLButtonUp(system);
        EXPECT_EQ(system.Count("WakeMessageLoop"), closes ? 1u : 0u);
    }
}

TEST_F(Window, MoveWhileInactiveLetsThePendingPaintHappenFirst)
{
    StartUp();
    system.hasFocus = false;
    system.log.clear();
    window.OnMouseMove(system, 500, 55);
    EXPECT_EQ(Names(system.log.begin(), system.log.begin() + 2), (Names{"GetDC", "UpdateWindow"}));
    system.hasFocus = true;
    window.OnMouseMove(system, 500, 95);
    EXPECT_EQ(system.Count("UpdateWindow"), 1u);
}

}  // namespace
