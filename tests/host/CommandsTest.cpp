// What each button does: the DirectX probe and the game's start, setup,
// DirectX setup from the disc, the readme, uninstall and the table's rows.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <map>

#include "FakeSystem.h"
#include "commands/Commands.h"
#include "core/BoundedText.h"
#include "core/LauncherState.h"
#include "launcher/ButtonTable.h"

namespace {

struct Commands : testing::Test {
    void TestBody() override {}
    fake::System system;
    LauncherState state;
    LauncherCommands commands{state, system.services, system.texts};
    void SetUp() override
    {
        system.AddDirectory("D:\\");
        CopyText(state.installDir, "C:\\Games\\Ironmarch");
        system.AddDirectory("C:\\Games\\Ironmarch");
        state.gameInstalled = true;
        state.instanceMutex = platform::MutexHandle(0x77);
    }
};

// The probe's rungs that the Play test below does not take, or takes without
// its trace: what is missing, the version found and the debugger traces.
struct Rung {
    std::set<std::string> absent;
    std::uint32_t osMajor;  // of NT
    DxVersion version;
    fake::Log traces;
};
const Rung kRungs[] = {
    {{"DirectMusic"}, 5, DxVersion::kDirectX6, {"Couldn't create CLSID_DirectMusic\r\n"}},
    {{"PrimarySurface"}, 5, DxVersion::kNone, {"Couldn't CreateSurface\r\n"}},
    {{"CooperativeLevel"}, 5, DxVersion::kNone, {"Couldn't Set coop level\r\n"}},
    {{"DINPUT.DLL"}, 5, DxVersion::kDirectX2, {"Couldn't LoadLibrary DInput\r\n"}},
    {{"DirectDraw2"}, 5, DxVersion::kDirectX1, {"Couldn't QI DDraw2\r\n"}},
    {{"DirectDrawCreate"}, 5, DxVersion::kNone, {"Couldn't create DDraw\r\n"}},
    {{"DirectInputCreateA"}, 4, DxVersion::kDirectX2, {"Couldn't GetProcAddress DirectInputCreate\r\n"}},
};

// "NT5_without_DINPUT_DLL": CTest names each case by what it takes away.
std::string RungName(const testing::TestParamInfo<Rung>& info)
{
    std::string name = "NT" + std::to_string(info.param.osMajor) + (info.param.absent.empty() ? "_with_everything" : "_without");
    for (const std::string& absent : info.param.absent)
        name += "_" + absent;
    std::replace(name.begin(), name.end(), '.', '_');
    return name;
}

struct Probe : testing::TestWithParam<Rung> {};

TEST_P(Probe, ReachesItsRungReleasingEveryObject)
{
    fake::System system;
    system.absent = GetParam().absent;
    system.version = {2, GetParam().osMajor, 0};
    DirectXLibraries libraries;
    LoadDirectXLibraries(libraries, system);
    EXPECT_EQ(libraries.librariesLoaded, !system.absent.count("DDRAW.DLL") && !system.absent.count("DINPUT.DLL"));
    EXPECT_EQ(DetectDirectXVersion(libraries, system, system), GetParam().version);
    EXPECT_EQ(system.Calls("Trace "), GetParam().traces);
    EXPECT_TRUE(system.liveObjects.empty());
}

INSTANTIATE_TEST_SUITE_P(EveryRung, Probe, testing::ValuesIn(kRungs), RungName);

TEST_F(Commands, PlayAsksForDirectXBelowSevenAndStartsTheGameFromSevenOn)
{
    const std::pair<std::string, const char*> cases[] = {
        {"DDRAW.DLL", "DirectX not installed."}, {"DirectDraw2", "DirectX 1 found."}, {"DINPUT.DLL", "DirectX 2 found."},
        {"Surface3", "DirectX 3 found."},        {"Surface4", "DirectX 5 found."},    {"DirectMusic", "DirectX 6 found."},
        {"DirectDraw7", "DirectX 6.1 found."},   {"D3D8.DLL", nullptr},               {"", nullptr},
    };
    for (const auto& c : cases) {
        fake::System world;
        LauncherState fresh = state;
        LauncherCommands play{fresh, world.services, world.texts};
        world.absent = {c.first};
        world.AddDirectory("C:\\Games\\Ironmarch");
        world.AddFile("D:\\DirectX\\dxsetup.exe");
        world.answers = {platform::Answer::No, platform::Answer::Yes};
        play.PlayGame();
        EXPECT_TRUE(world.loadedModules.empty()) << c.first;
        if (c.second == nullptr) {
            EXPECT_EQ(world.Calls("CreateProcess "), fake::Log{"(null) | VXR.exe | (null) @C:\\Games\\Ironmarch"});
            continue;
        }
        const std::string question = std::string("Install DirectX 8.0a?: ") + c.second +
                                     "  You must have at least DirectX 7 installed in order to play Ironmarch.  "
                                     "Would you like to install DirectX 8.0a now? [question]";
        EXPECT_EQ(world.Calls("MessageBox "), fake::Log{question});
        EXPECT_FALSE(fresh.gameLaunchStarted || fresh.quitPending || world.Count("CreateProcess") || !fresh.instanceMutex);
        play.PlayGame();  // Yes: the DirectX setup runs and the launcher closes
        EXPECT_EQ(world.Calls("CreateProcess "), fake::Log{"(null) | DirectX\\dxsetup.exe | (null) @D:\\"});
        EXPECT_TRUE(fresh.quitPending && !fresh.gameLaunchStarted);
    }
}

TEST_F(Commands, DirectXSetupBesideTheLauncherOrFromTheDisc)
{
    const struct {
        std::map<char, fake::Drive> drives;
        bool local;
        bool asked;  // whether the Insert Disc dialog must be shown, and its answer
        platform::Answer dialog;
        fake::Log starts;
    } cases[] = {
        {{}, true, false, {}, {"(null) | DirectX\\dxsetup.exe | (null) @D:\\"}},
        {{{'D', {5, true, "AUDIO_CD"}}, {'Z', {5, true, "IRM_1"}}}, false, false, {},  // up to the last letter
         {"dxsetup.exe | (null) | Z:\\DirectX @Z:\\DirectX"}},
        {{{'D', {5, false, ""}}}, false, true, platform::Answer::Ok, {"dxsetup.exe | (null) | f:\\DirectX @f:\\DirectX"}},
        {{{'D', {5, false, ""}}}, false, true, platform::Answer::Cancel, {}},
        {{{'D', {5, false, ""}}}, false, true, platform::Answer::NotShown, {}},
    };
    for (const auto& c : cases) {
        fake::System world;
        LauncherState fresh;
        LauncherCommands commands{fresh, world.services, world.texts};
        world.AddDirectory("Z:\\DirectX"), world.AddDirectory("f:\\DirectX");
        world.drives = c.drives;
        if (c.local)
            world.AddFile("D:\\DirectX\\dxsetup.exe");
        world.insertDiscDialog = [&] { return CopyText(fresh.discDrive, "f:"), c.dialog; };
        commands.InstallDirectX();
        EXPECT_EQ(world.Calls("CreateProcess "), c.starts);
        EXPECT_EQ(world.Count("InsertDiscDialog"), c.asked ? 1u : 0u);
        EXPECT_EQ(fresh.quitPending, !c.starts.empty());
    }
}

// A folder of one letter is no drive root: the readme's path gets its separator.
TEST_F(Commands, ReadmeOpensInNotepadFromTheCurrentDirectory)
{
    system.currentDirectory = "C:\\A";
    commands.ShowReadme();
    EXPECT_EQ(system.Calls("CreateProcess "), fake::Log{"(null) | \"C:\\WINDOWS\\notepad.exe\" \"C:\\A\\readme.txt\" | (null) @C:\\A"});
}

TEST_F(Commands, PlayThatCannotStartTheGameSaysWhyAndCloses)
{
    system.nextStart = {false, 2};
    commands.PlayGame();
    EXPECT_EQ(system.Calls("MessageBox "), fake::Log{"Setup.exe: system text for 2 [information]"});
    EXPECT_TRUE(state.quitPending && state.gameLaunchStarted);
}

// What a press of each button does, as the player sees it: the program it
// starts or the page it opens, and whether the launcher closes.
TEST(ButtonRows, EachButtonDoesItsOwnThing)
{
    const std::map<int, std::string> starts = {
        {kInstallButton, "setup.exe"}, {kDirectXButton, "dxsetup.exe"}, {kReadmeButton, "notepad.exe"},
        {kRegistrationButton, "reg32.exe"}, {kPlayButton, "VXR.exe"}, {kUninstallButton, "u /x"}};
    const std::set<int> closes = {kInstallButton, kDirectXButton, kPlayButton, kUninstallButton, kQuitButton};
    std::set<std::string> pages;
    for (const ButtonRow& row : kButtonRows) {
        Commands world;
        world.SetUp();
        world.system.AddFile("D:\\DirectX\\dxsetup.exe"), world.system.AddDirectory("D:\\\\ereg");
        CopyText(world.state.uninstallCommand, "u /x");
        RunButtonCommand(world.commands, row);
        const fake::Log started = world.system.Calls("CreateProcess "), opened = world.system.Calls("open ");
        const auto start = starts.find(row.id);
        ASSERT_EQ(started.size(), start != starts.end() ? 1u : 0u) << row.id;
        EXPECT_TRUE(started.empty() || started[0].find(start->second) != std::string::npos) << started[0];
        EXPECT_EQ(world.state.quitPending, closes.count(row.id) != 0) << row.id;
        EXPECT_TRUE(opened.empty() || (opened[0].rfind("http://", 0) == 0 && pages.insert(opened[0]).second)) << row.id;
    }
    EXPECT_EQ(pages.size(), 5u);  // one page each for the five web buttons, and no other row opens one
    EXPECT_TRUE(BitmapsOf(kReservedButton) == nullptr && BitmapsOf(kButtonCount + 1) == nullptr);
}

}  // namespace
