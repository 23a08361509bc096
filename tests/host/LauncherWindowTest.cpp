// The face: which pictures load, what is painted where, where a point hits,
// and the pointer's state table from hover to command.
#include <gtest/gtest.h>

#include <algorithm>
#include <tuple>

#include "BitmapBuilder.h"
#include "FakeSystem.h"
#include "core/LauncherState.h"
#include "launcher/LauncherWindow.h"
#include "platform/Win32Values.h"

namespace {

using namespace win32values;
using Names = std::vector<std::string>;
constexpr int kBackgroundFill = 250;  // every picture's pixels tell which it is: id * 3 + picture

struct Window : testing::Test, ButtonCommands {
    fake::System system;
    LauncherState state;
    DibImages images{system, system};
    LauncherWindow window{state, system, system, images, *this, system.texts};
    std::vector<int> ran;
    bool quitOnRun = false;

    void Run(const ButtonRow& row) override { ran.push_back(row.id), state.quitPending = quitOnRun; }
    void SetUp() override
    {
        system.AddDirectory("D:\\");
        bitmaps::Layout layout;
        layout.width = kBackgroundWidth, layout.height = kBackgroundHeight, layout.pixelFill = kBackgroundFill;
        system.pictures["bitmaps\\8bg1.bmp"] = bitmaps::Make(layout);
        layout.width = 230, layout.height = 30;
        for (const ButtonRow& row : kButtonRows) {
            const char* names[] = {row.files.up, row.files.focus, row.files.down};
            for (int picture = 0; row.files.up != nullptr && picture < 3; ++picture) {
                layout.pixelFill = static_cast<std::uint8_t>(row.id * 3 + picture);
                system.pictures[fake::Lower(names[picture])] = bitmaps::Make(layout);
            }
        }
    }
    void StartUp() { window.InitButtonTable(), window.LoadButtonBitmaps(); }
    void RegistrationTool() { system.AddDirectory("D:\\\\ereg"), system.AddFile("D:\\\\ereg\\reg32.exe"); }
    Names Drawn(bool places = false)  // the pictures drawn since the last call: "8 focus[ at 400,40 230x30]"
    {
        static const char* pictures[] = {"up", "focus", "down"};
        Names drawn;
        for (const std::string& line : system.Calls("draw ")) {
            const unsigned fill = static_cast<unsigned>(std::stoul(line));
            const std::size_t at = line.find(" at"), size = line.find(" from") - at;
            drawn.push_back((fill == kBackgroundFill ? "background" : std::to_string(fill / 3) + " " + pictures[fill % 3]) +
                            (places ? line.substr(at, size) : ""));
        }
        system.log.clear();
        return drawn;
    }
    // "4 up at 400,80 230x30": a button's picture drawn where the layout put it.
    std::string Face(int id, const char* picture = "up")
    {
        const platform::Rect& r = window.buttons()[id].hotRect;
        return std::to_string(id) + " " + picture + " at " + std::to_string(r.left) + "," + std::to_string(r.top) + " " +
               std::to_string(r.right - r.left) + "x" + std::to_string(r.bottom - r.top);
    }
    void Pointer(char event, int x = 0, int y = 0)
    {
        event == 'm' ? window.OnMouseMove(system, x, y) : event == 'p' ? window.OnLButtonDown(system) : window.OnLButtonUp(system);
    }
};

TEST_F(Window, PaintAndActivationDrawTheFaceAndRealiseItsPalette)
{
    StartUp();
    system.log.clear();
    window.PaintWindow(system);
    EXPECT_EQ(system.log.front() + " " + system.log[1] + " " + system.log[system.log.size() - 2] + " " + system.log.back(),
              "GetDC BeginPaint EndPaint ReleaseDC");
    const std::string background = "background at 0,0 " + std::to_string(kBackgroundWidth) + "x" + std::to_string(kBackgroundHeight);
    EXPECT_EQ(Drawn(true), (Names{background, Face(1), Face(2), Face(4), Face(6), Face(7), Face(9), Face(11), Face(12), Face(13)}));
    EXPECT_EQ(window.buttons()[kQuitButton].hotRect.top, 160);  // the column closes up without uninstall
    system.InstallGame("C:\\Games\\Ironmarch");
    RegistrationTool();
    system.log.clear();
    window.OnActivateApp(system, true);
    EXPECT_EQ(system.Count("RealizePalette"), 1u);
    EXPECT_TRUE(window.Child(kRegistrationButton).unavailable);  // shown, but never focused
    // Inactive, a pending repaint is done before the focus picture, which it would paint over.
    system.hasFocus = false;
    system.log.clear();
    window.OnMouseMove(system, 500, 55);  // onto play
    EXPECT_EQ(Names(system.log.begin(), system.log.begin() + 2), (Names{"GetDC", "UpdateWindow"}));
    Drawn();
    window.OnEraseBackground(system);  // the palette realised first, then the whole face
    EXPECT_EQ(system.log.at(1) + " " + system.log.at(2), "SelectPalette foreground RealizePalette");
    EXPECT_EQ(system.Count("SelectPalette foreground"), 1u);  // every picture is drawn with a background palette
    // The registration button was absent at start-up: shown, but with no picture.
    EXPECT_EQ(Drawn(true), (Names{background, Face(8), Face(10), Face(2), Face(4), Face(6), Face(7), Face(9), Face(11),
                                  Face(12), Face(13), Face(8, "focus")}));
    EXPECT_EQ(window.buttons()[kQuitButton].hotRect.top, 240);  // below uninstall and registration
    for (int id : {kReadmeButton, kDirectXButton, kRegistrationButton, kQuitButton, kPlayButton, kUninstallButton})
        EXPECT_EQ(Face(id).substr(Face(id).rfind(' ')), " 230x30") << id;  // the column's buttons are all of one size
    window.ReleaseImages();  // the teardown gives back every picture and the palette
    EXPECT_TRUE(window.buttons().backgroundImage.empty() && window.buttons()[kPlayButton].downImage.empty() &&
                system.palettes.empty());
    system.pictures.erase("bitmaps\\8bg1.bmp");  // without a background the palette is not realised either
    StartUp();
    system.log.clear();
    window.OnActivateApp(system, true);
    EXPECT_EQ(system.Count("RealizePalette"), 0u);
}

// A button takes the points inside its place, none of its edges, and a
// screen reader is told exactly those points (from its left and top, as wide
// and high as they reach); hidden buttons and the background take none.
TEST_F(Window, HitTestExcludesEveryEdgeAsScreenReadersAreTold)
{
    StartUp();
    for (int id : window.Children()) {
        const platform::Rect& r = window.buttons()[id].hotRect;
        for (const auto& [x, y, inside] : {std::tuple{r.left, r.top, false}, {r.left + 1, r.top + 1, true},
                                           {r.right - 1, r.bottom - 1, true}, {r.right, r.top + 1, false},
                                           {r.left + 1, r.bottom, false}})
            EXPECT_EQ(window.HitTest(x, y), inside ? id : 0) << id << " at " << x << "," << y;
        const platform::Rect told = window.Child(id).place;
        EXPECT_TRUE(told == (platform::Rect{r.left + 1, r.top + 1, r.right, r.bottom})) << id;
        EXPECT_EQ(window.ChildAt(told.left, told.top), id);
    }
    EXPECT_EQ(window.HitTest(500, 215), 0);  // uninstall's place, hidden on the disc menu
    EXPECT_EQ(window.HitTest(10, 10), 0);
}

// The pointer's state table in one walk: Install (I) at (500, 55), Readme
// (R) at (500, 95), DirectX (D) at (500, 135), the background at (10, 300).
// Each step: the event, where, what is drawn, the focus, the pressed button
// and the commands run so far.
struct Step {
    char event;
    int x, y;
    Names drawn;
    int focus, pressed;
    std::vector<int> ran;
};

TEST_F(Window, PointerStateTable)
{
    const Step steps[] = {
        {'m', 10, 300, {}, 0, 0, {}}, {'p', 0, 0, {}, 0, 0, {}}, {'r', 0, 0, {}, 0, 0, {}},  // nothing on the background
        {'m', 500, 55, {"1 focus"}, 1, 0, {}}, {'m', 505, 56, {}, 1, 0, {}}, {'p', 0, 0, {"1 down"}, 1, 1, {}},
        {'m', 500, 95, {"4 focus", "1 up"}, 4, 1, {}}, {'r', 0, 0, {}, 4, 0, {}},  // slid onto R: nothing runs
        {'m', 500, 55, {"1 focus", "4 up"}, 1, 0, {}}, {'p', 0, 0, {"1 down"}, 1, 1, {}},
        {'m', 500, 95, {"4 focus", "1 up"}, 4, 1, {}}, {'m', 500, 55, {"1 focus", "4 up"}, 1, 1, {}},
        {'r', 0, 0, {"1 focus"}, 1, 0, {1}},  // back onto I: it runs
        {'p', 0, 0, {"1 down"}, 1, 1, {1}}, {'m', 500, 95, {"4 focus", "1 up"}, 4, 1, {1}},
        {'p', 0, 0, {"4 down"}, 4, 4, {1}}, {'r', 0, 0, {"4 focus"}, 4, 0, {1, 4}},  // pressed again on R: R runs
        {'p', 0, 0, {"4 down"}, 4, 4, {1, 4}}, {'m', 500, 135, {"2 focus", "4 up"}, 2, 4, {1, 4}},
        {'m', 10, 300, {"2 up"}, 0, 0, {1, 4}}, {'m', 500, 55, {"1 focus"}, 1, 0, {1, 4}},
        {'r', 0, 0, {}, 1, 0, {1, 4}},  // the press was dropped over the background
    };
    StartUp();
    Drawn();
    for (const Step& s : steps) {
        Pointer(s.event, s.x, s.y);
        EXPECT_EQ(Drawn(), s.drawn) << s.event << " at " << s.x << "," << s.y;
        EXPECT_EQ(std::vector<int>({window.focusButton(), window.pressedButton()}), std::vector<int>({s.focus, s.pressed}));
        EXPECT_EQ(ran, s.ran);
    }
}

// Escape, Space and a closing command all wake the loop: one run from a
// sent message must not leave it asleep.
TEST_F(Window, EscapeSpaceAndAClosingCommandWakeTheLoop)
{
    StartUp();
    for (unsigned key : {kVirtualKeyEscape, kVirtualKeySpace}) {
        state.quitPending = false, system.log.clear();
        window.OnKeyDown(system, key, false);
        EXPECT_TRUE(state.quitPending && system.Count("WakeMessageLoop") == 1) << key;
    }
    for (bool closes : {false, true}) {
        quitOnRun = closes, system.log.clear();
        Pointer('m', 500, 95), Pointer('p'), Pointer('r');
        EXPECT_EQ(system.Count("WakeMessageLoop"), closes ? 1u : 0u);
    }
}

// The focus moves in reading order over each menu, wraps at both ends, and
// each move draws the two pictures and tells a screen reader.
struct Menu {
    const char* name;
    bool installed;
    std::vector<int> order;
};
struct FocusOrderTable : Window, testing::WithParamInterface<Menu> {};

TEST_P(FocusOrderTable, KeysFollowTheReadingOrderAndWrap)
{
    const Menu& menu = GetParam();
    if (menu.installed)
        system.InstallGame("C:\\Games\\Ironmarch");
    RegistrationTool();
    StartUp();
    window.OnActivateApp(system, true);  // as the new window's activation does
    const std::vector<int>& order = menu.order;
    EXPECT_EQ(window.ReadingOrder(), order);
    std::vector<int> visited;
    for (std::size_t n = 0; n <= order.size(); ++n) {
        window.OnKeyDown(system, kVirtualKeyTab, false);
        visited.push_back(window.focusButton());
    }
    std::vector<int> expected = order;
    expected.push_back(order.front());
    EXPECT_EQ(visited, expected);
    system.log.clear();
    window.OnKeyDown(system, kVirtualKeyTab, true);  // Shift+Tab from the first: the last
    EXPECT_EQ(Drawn(), (Names{std::to_string(order.back()) + " focus", std::to_string(order.front()) + " up"}));
    const std::pair<unsigned, int> keys[] = {{kVirtualKeyHome, order.front()}, {kVirtualKeyLeft, order.back()},
                                             {kVirtualKeyRight, order.front()}, {kVirtualKeyDown, order[1]},
                                             {kVirtualKeyUp, order.front()},    {kVirtualKeyEnd, order.back()}};
    for (const auto& key : keys) {
        window.OnKeyDown(system, key.first, false);
        EXPECT_EQ(window.focusButton(), key.second) << key.first;
    }
    EXPECT_EQ(system.Calls("AnnounceFocus ").back(), std::to_string(order.back()));
    Drawn();
    window.OnActivateApp(system, true);  // the focus stays, undrawn
    EXPECT_TRUE(Drawn().empty() && window.focusButton() == order.back());
}

INSTANTIATE_TEST_SUITE_P(Menus, FocusOrderTable,
                         testing::Values(Menu{"DiscMenu", false, {1, 4, 2, 5, 9, 6, 13, 7, 11, 12}},
                                         Menu{"InstalledMenu", true, {8, 4, 2, 5, 10, 9, 6, 13, 7, 11, 12}}),
                         [](const testing::TestParamInfo<Menu>& info) { return std::string(info.param.name); });

TEST_F(Window, EnterPressesTheFocusedButtonWhichThePointerAndTheLayoutMayMove)
{
    RegistrationTool();
    StartUp();
    window.OnKeyDown(system, kVirtualKeyReturn, false);  // Enter with nothing focused
    EXPECT_TRUE(Drawn().empty() && ran.empty());
    window.OnKeyDown(system, kVirtualKeyTab, false);
    // A click acts on the last move's hit, never on the keyboard's focus:
    // with no move yet it presses nothing.
    Pointer('p'), Pointer('r');
    EXPECT_TRUE(Drawn() == Names{"1 focus"} && ran.empty());
    Pointer('m', 500, 95);  // the pointer takes the focus over; a key moves on from there
    window.OnKeyDown(system, kVirtualKeyDown, false);
    EXPECT_EQ(window.focusButton(), kDirectXButton);
    Drawn();
    window.OnKeyDown(system, kVirtualKeyReturn, false);
    EXPECT_EQ(Drawn(), (Names{"2 down", "2 focus"}));
    EXPECT_EQ(ran, std::vector<int>{kDirectXButton});
    // Installed meanwhile: Play takes Install's place and its focus. A
    // screen reader's press of Install, posted before, presses nothing now.
    window.OnKeyDown(system, kVirtualKeyHome, false);
    Drawn();
    const int install = window.Children().front();
    system.InstallGame("C:\\Games\\Ironmarch");
    window.OnActivateApp(system, true);
    EXPECT_EQ(window.focusButton(), kPlayButton);
    EXPECT_EQ(Drawn(), Names{"8 focus"});
    window.PressAccessibleButton(system, install);
    EXPECT_EQ(ran, std::vector<int>{kDirectXButton});
    const std::vector<int> now = window.Children();  // nor does the reader's id name Play
    EXPECT_TRUE(now.front() == kPlayButton && std::find(now.begin(), now.end(), install) == now.end());
    // The registration program gone: its button is hidden, and nothing takes its place.
    for (int n = 0; n < 3; ++n)
        window.OnKeyDown(system, kVirtualKeyDown, false);
    EXPECT_EQ(window.focusButton(), kRegistrationButton);
    system.files.erase("d:\\\\ereg\\reg32.exe");
    window.OnActivateApp(system, true);
    EXPECT_EQ(window.focusButton(), 0);
    EXPECT_EQ(window.FocusedChild(), 0);
}

}  // namespace
