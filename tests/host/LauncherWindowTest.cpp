#include <gtest/gtest.h>

#include "BitmapBuilder.h"
#include "Fakes.h"
#include "core/LauncherState.h"
#include "app/GetPaths.h"
#include "launcher/LauncherWindow.h"

namespace {

using fakes::FakePlatform;

enum Picture { kUp = 0, kFocus = 1, kDown = 2 };
constexpr int kBackgroundFill = 250;

int FillOf(int id, Picture picture)
{
    return id * 3 + picture;
}

std::string NameOfFill(int fill)
{
    if (fill == kBackgroundFill)
        return "background";
    static const char* pictures[] = {"up", "focus", "down"};
    return std::to_string(fill / 3) + " " + pictures[fill % 3];
}

struct RecordingCommands : ButtonCommands {
    std::vector<int> ran;
    void Run(const ButtonRow& row) override { ran.push_back(row.id); }
};

// The launcher window over fakes, with a picture file for every button and
// state whose pixels tell which it is.
struct WindowFixture : testing::Test {
    FakePlatform fake;
    LauncherState state;
    DibImages images{fake.memory, fake.bitmapFiles, fake.graphics};
    RecordingCommands commands;
    struct FakeInstallation : InstallationReader {
        LauncherState& state;
        FakePlatform& fake;
        FakeInstallation(LauncherState& s, FakePlatform& f) : state(s), fake(f) {}
        void ReadInstallation() override { ::ReadInstallation(state, fake.registry, fake.files); }
    } installation{state, fake};
    LauncherWindow window{state, installation, images, commands};
    fakes::FakeSurface surface{fake.log};

    void SetUp() override
    {
        fake.files.currentDirectory = "D:\\";
        fake.files.AddDirectory("D:\\");
        bitmaps::Layout background;
        background.pixelFill = kBackgroundFill;
        fake.bitmapFiles.Add("bitmaps\\8bg1.bmp", bitmaps::Make(background));
        for (int id = 1; id <= kButtonCount; ++id) {
            const ButtonBitmaps* files = BitmapsOf(id);
            if (files == nullptr)
                continue;
            const char* names[] = {files->up, files->focus, files->down};
            for (int picture = 0; picture < 3; ++picture) {
                bitmaps::Layout layout;
                layout.pixelFill = static_cast<std::uint8_t>(FillOf(id, static_cast<Picture>(picture)));
                fake.bitmapFiles.Add(names[picture], bitmaps::Make(layout));
            }
        }
    }
    void StartUp()
    {
        window.InitButtonTable();
        window.LoadButtonBitmaps();
    }
    void Installed() { fake.InstallGame("C:\\Games\\Ironmarch"); }
    void RegistrationTool()
    {
        fake.files.AddDirectory("D:\\\\ereg");
        fake.files.AddFile("D:\\\\ereg\\reg32.exe");
    }
    // The pictures drawn since the last call, by name.
    std::vector<std::string> Drawn()
    {
        std::vector<std::string> names;
        for (const fakes::DrawnCopy& copy : fake.graphics.copies)
            names.push_back(NameOfFill(static_cast<int>(copy.firstPixel)));
        fake.graphics.copies.clear();
        return names;
    }
    void Move(int x, int y) { window.OnMouseMove(surface, x, y); }
    void Press() { window.OnLButtonDown(surface); }
    void Release() { window.OnLButtonUp(surface); }
};

using Names = std::vector<std::string>;

TEST_F(WindowFixture, ColumnForEachInstallationState)
{
    const struct {
        bool installed, tool;
        platform::Rect quit;
        platform::Rect uninstall;
        int uninstallInactive;
    } cases[] = {
        {false, false, {400, 160, 630, 190}, {0, 0, 0, 0}, 1},
        {false, true, {400, 200, 630, 230}, {0, 0, 0, 0}, 1},
        {true, false, {400, 200, 630, 230}, {400, 160, 630, 190}, 0},
        {true, true, {400, 240, 630, 270}, {400, 200, 630, 230}, 0},
    };
    for (const auto& c : cases) {
        LauncherState fresh;
        fresh.gameInstalled = c.installed;
        fresh.registrationToolPresent = c.tool;
        ButtonTable table;
        table.SetFixedRectangles();
        table.LayoutButtonColumn(fresh);
        EXPECT_EQ(table[kQuitButton].hotRect, c.quit) << c.installed << c.tool;
        EXPECT_EQ(table[kUninstallButton].hotRect, c.uninstall) << c.installed << c.tool;
        EXPECT_EQ(table[kUninstallButton].inactive, c.uninstallInactive);
        EXPECT_EQ(table.columnOffset, c.tool ? 40 : 0);
    }
}

TEST_F(WindowFixture, StartUpReadsTheStateAndLoadsThePicturesInOrder)
{
    StartUp();
    EXPECT_EQ(state.discLabel, "IRM_1");
    EXPECT_FALSE(window.buttons().backgroundImage.empty());
    const std::vector<std::string>& opened = fake.bitmapFiles.opened;
    ASSERT_EQ(opened.size(), 1u + 11 * 3);  // no registration pictures without the tool
    EXPECT_EQ(opened.front(), "bitmaps\\8bg1.bmp");
    EXPECT_EQ(opened[1], "bitmaps\\8b1u.bmp");
    EXPECT_EQ(opened[2], "bitmaps\\8b1f.bmp");
    EXPECT_EQ(opened[3], "bitmaps\\8b1d.bmp");
    EXPECT_EQ(opened[4], "bitmaps\\8bindx8u.bmp");
    EXPECT_EQ(opened[7], "bitmaps\\8b4u.bmp");
    EXPECT_EQ(opened[10], "bitmaps\\8b6u.bmp");
    EXPECT_EQ(opened.back(), "bitmaps\\8bgamespyd.bmp");
    EXPECT_TRUE(window.buttons()[kRegistrationButton].upImage.empty());
    EXPECT_EQ(window.buttons()[kRegistrationButton].inactive, 1);
    EXPECT_EQ(window.buttons()[kReservedButton].inactive, 1);
    EXPECT_EQ(window.buttons()[kUninstallButton].inactive, 1);
}

TEST_F(WindowFixture, RegistrationPicturesAreLoadedWhenTheToolIsThere)
{
    RegistrationTool();
    StartUp();
    const auto& opened = fake.bitmapFiles.opened;
    ASSERT_EQ(opened.size(), 1u + 12 * 3);
    EXPECT_EQ(opened[10], "bitmaps\\8b5u.bmp");
    EXPECT_EQ(window.buttons()[kRegistrationButton].inactive, 0);
}

TEST_F(WindowFixture, PaletteIsTheLastReadableFilesAndAMissingOneKeepsIt)
{
    fake.bitmapFiles.Remove("bitmaps\\8bgamespyd.bmp");
    bitmaps::Layout sixteen;
    sixteen.colorsUsed = 16;
    sixteen.tableEntries = 16;
    fake.bitmapFiles.Add("bitmaps\\8bgamespyf.bmp", bitmaps::Make(sixteen));
    StartUp();
    ASSERT_NE(images.windowPalette(), nullptr);
    EXPECT_EQ(fake.graphics.palettes.at(images.windowPalette()->handle()).size(), 16u);
    EXPECT_EQ(fake.graphics.palettes.size(), 1u);  // every replaced palette was deleted
}

TEST_F(WindowFixture, PaintDrawsTheBackgroundThenTheShownButtonsThenTheFocus)
{
    StartUp();
    window.PaintWindow(surface);
    EXPECT_EQ(Drawn(), (Names{"background", "1 up", "2 up", "4 up", "6 up", "7 up", "9 up", "11 up", "12 up",
                              "13 up"}));

    Installed();
    RegistrationTool();
    window.OnActivateApp(surface, true);
    Move(500, 55);  // onto play
    Drawn();
    window.PaintWindow(surface);
    // The registration button was absent at start-up: shown, but with no picture.
    EXPECT_EQ(Drawn(), (Names{"background", "8 up", "10 up", "2 up", "4 up", "6 up", "7 up", "9 up", "11 up",
                              "12 up", "13 up", "8 focus"}));
    EXPECT_EQ(surface.openBrackets, 0);
    EXPECT_EQ(surface.openDCs, 0);
}

TEST_F(WindowFixture, PaintHappensInsideOneBracketOnTheWholeClientArea)
{
    StartUp();
    fake.log.clear();
    window.PaintWindow(surface);
    ASSERT_GE(fake.log.size(), 4u);
    EXPECT_EQ(fake.log[0], "GetDC");
    EXPECT_EQ(fake.log[1], "BeginPaint");
    EXPECT_EQ(fake.log[fake.log.size() - 2], "EndPaint");
    EXPECT_EQ(fake.log.back(), "ReleaseDC");
}

TEST_F(WindowFixture, EraseRealisesThePaletteInTheForegroundFirstThenPaints)
{
    StartUp();
    fake.log.clear();
    Drawn();
    window.OnEraseBackground(surface);
    const fakes::Log start(fake.log.begin(), fake.log.begin() + 5);
    EXPECT_EQ(start, (fakes::Log{"GetDC", "SelectPalette foreground", "RealizePalette", "SelectPalette background",
                                 "ReleaseDC"}));
    const Names drawn = Drawn();
    ASSERT_FALSE(drawn.empty());
    EXPECT_EQ(drawn.front(), "background");
}

TEST_F(WindowFixture, NoPaletteRealisedWithoutABackground)
{
    fake.bitmapFiles.Remove("bitmaps\\8bg1.bmp");
    StartUp();
    fake.log.clear();
    window.RealizeWindowPalette(surface);
    EXPECT_TRUE(fake.log.empty());
}

TEST_F(WindowFixture, HitTestExcludesEveryEdge)
{
    StartUp();
    const struct {
        int x, y, id;
    } cases[] = {
        {400, 55, 0},  {401, 55, 1},  {629, 55, 1},  {630, 55, 0}, {500, 40, 0},   {500, 41, 1},
        {500, 69, 1},  {500, 70, 0},  {401, 41, 1},  {400, 40, 0}, {401, 175, 9},  {401, 160, 0},
        {57, 9, 6},    {56, 9, 0},    {200, 400, 7}, {300, 400, 11}, {500, 400, 12}, {100, 400, 13},
        {500, 95, 4},  {500, 135, 2}, {10, 10, 0},   {500, 215, 0},
        // The far edges of the web buttons, inside and on them.
        {628, 400, 12}, {629, 400, 0}, {300, 442, 11}, {300, 443, 0}, {295, 100, 6}, {296, 100, 0},
        {147, 400, 7},  {146, 400, 0}, {26, 400, 13},  {25, 400, 0},
    };
    for (const auto& c : cases)
        EXPECT_EQ(window.HitTest(c.x, c.y), c.id) << c.x << "," << c.y;
}

TEST_F(WindowFixture, UninstallIsBackgroundUntilTheFirstActivation)
{
    Installed();
    StartUp();
    ASSERT_TRUE(state.gameInstalled);
    EXPECT_EQ(window.HitTest(500, 175), 0);  // uninstall's row, inactive until activated
    EXPECT_EQ(window.HitTest(500, 215), 9);
    EXPECT_EQ(window.HitTest(500, 55), 8);
    window.OnActivateApp(surface, true);
    EXPECT_EQ(window.HitTest(500, 175), 10);
}

TEST_F(WindowFixture, RegistrationToolComingAndGoingAfterStartUp)
{
    StartUp();
    RegistrationTool();
    window.OnActivateApp(surface, true);
    EXPECT_TRUE(state.registrationToolPresent);
    EXPECT_EQ(window.HitTest(500, 175), 0);  // shown, but it was absent at start-up
    EXPECT_EQ(window.HitTest(500, 215), 9);  // quit moved down

    fake.files.RemoveFile("D:\\\\ereg\\reg32.exe");
    window.OnActivateApp(surface, true);
    EXPECT_FALSE(state.registrationToolPresent);
    EXPECT_EQ(window.buttons().columnOffset, 40);  // the gap stays
    EXPECT_EQ(window.HitTest(500, 215), 9);
    EXPECT_EQ(window.HitTest(500, 175), 0);
}

TEST_F(WindowFixture, DeactivationChangesNothing)
{
    StartUp();
    Installed();
    fake.log.clear();
    window.OnActivateApp(surface, false);
    EXPECT_TRUE(fake.log.empty());
    EXPECT_FALSE(state.gameInstalled);
}

// The pointer's state table, step by step: where the pointer goes, what it
// does, what is drawn and which command runs.
struct Step {
    const char* event;  // "move", "press", "release"
    int x, y;
    Names drawn;
    int focus, pressed;
    std::vector<int> ran;
};

void RunSteps(WindowFixture& f, const std::vector<Step>& steps, const char* name)
{
    for (std::size_t i = 0; i < steps.size(); ++i) {
        const Step& s = steps[i];
        const std::string event = s.event;
        if (event == "move")
            f.Move(s.x, s.y);
        else if (event == "press")
            f.Press();
        else
            f.Release();
        EXPECT_EQ(f.Drawn(), s.drawn) << name << ", step " << i << " (" << event << ")";
        EXPECT_EQ(f.window.focusButton(), s.focus) << name << ", step " << i;
        EXPECT_EQ(f.window.pressedButton(), s.pressed) << name << ", step " << i;
        EXPECT_EQ(f.commands.ran, s.ran) << name << ", step " << i;
    }
}

struct Script {
    const char* name;
    std::vector<Step> steps;
};

// Install at (500, 55), readme at (500, 95), DirectX at (500, 135), background at (10, 300).
const Script kScripts[] = {
    {"hover, press, release runs the command",
     {{"move", 500, 55, {"1 focus"}, 1, 0, {}},
      {"move", 505, 56, {}, 1, 0, {}},
      {"press", 0, 0, {"1 down"}, 1, 1, {}},
      {"move", 510, 60, {}, 1, 1, {}},
      {"release", 0, 0, {"1 focus"}, 1, 0, {1}}}},
    {"hover onto another button",
     {{"move", 500, 55, {"1 focus"}, 1, 0, {}}, {"move", 500, 95, {"4 focus", "1 up"}, 4, 0, {}}}},
    {"slide from A onto B and release: nothing runs",
     {{"move", 500, 55, {"1 focus"}, 1, 0, {}},
      {"press", 0, 0, {"1 down"}, 1, 1, {}},
      {"move", 500, 95, {"4 focus", "1 up"}, 4, 1, {}},
      {"release", 0, 0, {}, 4, 0, {}}}},
    {"slide onto B and back onto A: A's focus picture, then its command",
     {{"move", 500, 55, {"1 focus"}, 1, 0, {}},
      {"press", 0, 0, {"1 down"}, 1, 1, {}},
      {"move", 500, 95, {"4 focus", "1 up"}, 4, 1, {}},
      {"move", 500, 55, {"1 focus", "4 up"}, 1, 1, {}},
      {"release", 0, 0, {"1 focus"}, 1, 0, {1}}}},
    {"over the background the press is dropped",
     {{"move", 500, 55, {"1 focus"}, 1, 0, {}},
      {"press", 0, 0, {"1 down"}, 1, 1, {}},
      {"move", 10, 300, {"1 up"}, 0, 0, {}},
      {"move", 500, 55, {"1 focus"}, 1, 0, {}},
      {"release", 0, 0, {}, 1, 0, {}}}},
    {"pressed over B, then pressed again on B",
     {{"move", 500, 55, {"1 focus"}, 1, 0, {}},
      {"press", 0, 0, {"1 down"}, 1, 1, {}},
      {"move", 500, 95, {"4 focus", "1 up"}, 4, 1, {}},
      {"press", 0, 0, {"4 down"}, 4, 4, {}},
      {"release", 0, 0, {"4 focus"}, 4, 0, {4}}}},
    {"pressed, then a third button",
     {{"move", 500, 55, {"1 focus"}, 1, 0, {}},
      {"press", 0, 0, {"1 down"}, 1, 1, {}},
      {"move", 500, 95, {"4 focus", "1 up"}, 4, 1, {}},
      {"move", 500, 135, {"2 focus", "4 up"}, 2, 1, {}}}},
    {"press and release over the background",
     {{"move", 10, 300, {}, 0, 0, {}}, {"press", 0, 0, {}, 0, 0, {}}, {"release", 0, 0, {}, 0, 0, {}}}},
    {"release while hovering", {{"move", 500, 55, {"1 focus"}, 1, 0, {}}, {"release", 0, 0, {}, 1, 0, {}}}},
    {"press without any move", {{"press", 0, 0, {}, 0, 0, {}}, {"release", 0, 0, {}, 0, 0, {}}}},
};

struct PointerStateTable : WindowFixture, testing::WithParamInterface<Script> {};

TEST_P(PointerStateTable, Transitions)
{
    StartUp();
    fake.graphics.copies.clear();
    RunSteps(*this, GetParam().steps, GetParam().name);
}

INSTANTIATE_TEST_SUITE_P(EveryScript, PointerStateTable, testing::ValuesIn(kScripts),
                         [](const testing::TestParamInfo<Script>& info) { return "script" + std::to_string(info.index); });

TEST_F(WindowFixture, OnlyEscapeAndSpaceCloseAndTheyWakeTheLoop)
{
    StartUp();
    const auto wakes = [&] { return std::count(fake.log.begin(), fake.log.end(), "WakeMessageLoop"); };
    for (unsigned key : {13u, 65u, 0x70u, 9u}) {
        window.OnKeyDown(surface, key);
        EXPECT_FALSE(state.quitPending) << key;
    }
    EXPECT_EQ(wakes(), 0);
    window.OnKeyDown(surface, 27);
    EXPECT_TRUE(state.quitPending);
    EXPECT_EQ(wakes(), 1);
    state.quitPending = false;
    window.OnKeyDown(surface, 32);
    EXPECT_TRUE(state.quitPending);
    EXPECT_EQ(wakes(), 2);
}

// A command run from a sent message must not leave the loop asleep.
TEST_F(WindowFixture, ACommandThatClosesWakesTheLoop)
{
    struct ClosingCommands : ButtonCommands {
        LauncherState* state;
        void Run(const ButtonRow& row) override { state->quitPending = row.id == kQuitButton; }
    } closing;
    closing.state = &state;
    LauncherWindow closer{state, installation, images, closing};
    closer.InitButtonTable();
    closer.LoadButtonBitmaps();
    for (int id : {kReadmeButton, kQuitButton}) {
        const platform::Rect& r = closer.buttons()[id].hotRect;
        fake.log.clear();
        closer.OnMouseMove(surface, r.left + 1, r.top + 1);
        closer.OnLButtonDown(surface);
        closer.OnLButtonUp(surface);
        EXPECT_EQ(std::count(fake.log.begin(), fake.log.end(), "WakeMessageLoop"), id == kQuitButton ? 1 : 0) << id;
    }
}

TEST_F(WindowFixture, MoveWhileInactiveLetsThePendingPaintHappenFirst)
{
    StartUp();
    surface.hasFocus = false;
    fake.log.clear();
    Move(500, 55);
    ASSERT_GE(fake.log.size(), 2u);
    EXPECT_EQ(fake.log[0], "GetDC");
    EXPECT_EQ(fake.log[1], "UpdateWindow");
    surface.hasFocus = true;
    fake.log.clear();
    Move(500, 95);
    EXPECT_EQ(std::count(fake.log.begin(), fake.log.end(), "UpdateWindow"), 0);
}

}  // namespace
