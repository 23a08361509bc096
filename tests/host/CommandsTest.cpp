// What each button does: the DirectX probe and the game's start, setup,
// DirectX setup from the disc, the readme, uninstall and the table's rows.
#include <gtest/gtest.h>

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
    LauncherCommands commands{state, system.services};
    void SetUp() override
    {
        system.AddDirectory("D:\\");
        CopyText(state.installDir, "C:\\Games\\Ironmarch");
        system.AddDirectory("C:\\Games\\Ironmarch");
        state.gameInstalled = true;
        state.instanceMutex = platform::MutexHandle(0x77);
    }
};

// Each rung of the probe: what is missing, the version found and the debugger traces.
struct Rung {
    std::set<std::string> absent;
    platform::VersionInfo os;
    DxVersion version;
    std::vector<std::string> traces;
};
const platform::VersionInfo kXp{2, 5, 1}, kNt4{2, 4, 0};
const Rung kRungs[] = {
    {{}, kXp, 0x800, {}},
    {{"D3D8.DLL"}, kXp, 0x700, {}},
    {{"DirectDraw7"}, kXp, 0x601, {}},
    {{"DirectDrawCreateEx"}, kXp, 0x601, {}},
    {{"DirectMusic"}, kXp, 0x600, {"Couldn't create CLSID_DirectMusic\r\n"}},
    {{"Surface4"}, kXp, 0x500, {}},
    {{"Surface3"}, kXp, 0x300, {}},
    {{"PrimarySurface"}, kXp, 0, {"Couldn't CreateSurface\r\n"}},
    {{"CooperativeLevel"}, kXp, 0, {"Couldn't Set coop level\r\n"}},
    {{"DirectInputCreateA"}, kXp, 0x200, {"Couldn't GetProcAddress DInputCreate\r\n"}},
    {{"DINPUT.DLL"}, kXp, 0x200, {"Couldn't LoadLibrary DInput\r\n"}},
    {{"DirectDraw2"}, kXp, 0x100, {"Couldn't QI DDraw2\r\n"}},
    {{"DirectDraw"}, kXp, 0, {"Couldn't create DDraw\r\n"}},
    {{"DirectDrawCreate"}, kXp, 0, {"Couldn't create DDraw\r\n"}},
    {{"DDRAW.DLL"}, kXp, 0, {}},
    {{}, {2, 3, 51}, 0, {}},
    {{"DirectDraw"}, kNt4, 0x300, {}},  // NT 4.0 never creates DirectDraw
    {{"DINPUT.DLL"}, kNt4, 0x200, {"Couldn't LoadLibrary DInput\r\n"}},
    {{"DirectInputCreateA"}, kNt4, 0x200, {"Couldn't GetProcAddress DirectInputCreate\r\n"}},
    {{"DDRAW.DLL"}, kNt4, 0x200, {"Couldn't LoadLibrary DInput\r\n"}},
};

void PrintTo(const Rung& rung, std::ostream* out)
{
    *out << "OS " << rung.os.majorVersion << "." << rung.os.minorVersion << " without";
    for (const std::string& name : rung.absent)
        *out << " " << name;
}

struct Probe : testing::TestWithParam<Rung> {};

TEST_P(Probe, ReachesItsRungReleasingEveryObjectAndLibrary)
{
    fake::System system;
    system.absent = GetParam().absent;
    system.version = GetParam().os;
    DirectXLibraries libraries;
    LoadDirectXLibraries(libraries, system);
    if (libraries.librariesLoaded)
        LoadDirectXLibraries(libraries, system);  // loaded once only
    EXPECT_EQ(DetectDirectXVersion(libraries, system, system), GetParam().version);
    std::vector<std::string> traces;
    for (const std::string& line : system.log)
        if (line.rfind("Trace ", 0) == 0)
            traces.push_back(line.substr(6));
    EXPECT_EQ(traces, GetParam().traces);
    EXPECT_TRUE(system.liveObjects.empty());
    UnloadDirectXLibraries(libraries, system);
    UnloadDirectXLibraries(libraries, system);
    EXPECT_TRUE(system.loadedModules.empty());
    EXPECT_EQ(system.Count("LoadLibrary DDRAW.DLL"), 1u);
    EXPECT_EQ(system.Count("FreeLibrary DDRAW.DLL"), 1 - system.absent.count("DDRAW.DLL"));
}

INSTANTIATE_TEST_SUITE_P(EveryRung, Probe, testing::ValuesIn(kRungs));

TEST_F(Commands, PlayAsksForDirectXBelowSevenAndStartsTheGameFromSevenOn)
{
    const std::pair<std::string, const char*> cases[] = {
        {"DDRAW.DLL", "DirectX not installed.  "}, {"DirectDraw2", "DirectX 1 found.  "},
        {"DINPUT.DLL", "DirectX 2 found.  "},      {"Surface3", "DirectX 3 found.  "},
        {"Surface4", "DirectX 5 found.  "},        {"DirectMusic", "DirectX 6 found.  "},
        {"DirectDraw7", "DirectX 6.1 found.  "},   {"D3D8.DLL", nullptr}, {"", nullptr},
    };
    for (const auto& c : cases) {
        SetUp();
        LauncherState fresh = state;
        LauncherCommands play{fresh, system.services};
        system.absent = {c.first};
        system.starts.clear();
        system.boxes.clear();
        system.answers = {7};  // No
        play.PlayGame();
        EXPECT_TRUE(system.loadedModules.empty()) << c.first;
        if (c.second == nullptr) {
            EXPECT_TRUE(system.boxes.empty());
            EXPECT_TRUE(fresh.gameLaunchStarted && fresh.quitPending);
            ASSERT_EQ(system.starts.size(), 1u);
            EXPECT_EQ(system.starts[0].commandLine, "VXR.exe");
            EXPECT_STREQ(fresh.DebugSpew, c.first.empty() ? "DirectX 8 detected" : "DirectX 7 detected");
            continue;
        }
        ASSERT_EQ(system.boxes.size(), 1u);
        EXPECT_EQ(system.boxes[0].text, std::string(c.second) + "You must have at least DirectX 7 installed in order "
                                        "to play Ironmarch.  Would you like to install DirectX 8.0a now?");
        EXPECT_EQ(system.boxes[0].caption, "Install DirectX 8.0a?");
        EXPECT_EQ(system.boxes[0].style, 0x24u);
        EXPECT_FALSE(fresh.gameLaunchStarted || fresh.quitPending);
        EXPECT_TRUE(system.starts.empty() && fresh.instanceMutex);
        // Yes: the DirectX setup runs and the launcher closes.
        system.AddFile("D:\\DirectX\\dxsetup.exe");
        system.answers = {6};
        play.PlayGame();
        ASSERT_EQ(system.starts.size(), 1u);
        EXPECT_EQ(system.starts[0].commandLine, "DirectX\\dxsetup.exe");
        EXPECT_TRUE(fresh.quitPending);
        EXPECT_FALSE(fresh.gameLaunchStarted);
    }
    for (DxVersion version : {0x400u, 0x602u, 0x801u, 0xFFFFFFFFu})
        EXPECT_STREQ(DirectXQuestionFormat(version), "You must have at least DirectX 7 installed in order to play %s.  "
                                                     "Would you like to %s DirectX 8.0a now?");
}

TEST_F(Commands, GameStartsFromItsDirectoryAfterTheMutexGoesAndOnlyOnce)
{
    system.nextStart = {false, 2};
    commands.PlayGame();
    const std::size_t start = system.IndexOf("CreateProcess (null) | VXR.exe | (null)");
    EXPECT_LT(system.IndexOf("FreeLibrary DDRAW.DLL"), system.IndexOf("chdir C:\\Games\\Ironmarch"));
    EXPECT_LT(system.IndexOf("chdir C:\\Games\\Ironmarch"), system.IndexOf("CloseMutex 119"));
    EXPECT_LT(system.IndexOf("CloseMutex 119"), start);
    EXPECT_EQ(system.starts[0].currentDirectory, "C:\\Games\\Ironmarch");
    // A game that cannot start is reported, and the launcher still closes.
    ASSERT_EQ(system.boxes.size(), 1u);
    EXPECT_EQ(system.boxes[0].text, "system text for 2");
    EXPECT_EQ(system.boxes[0].caption, "Setup.exe");
    EXPECT_EQ(system.boxes[0].style, 0x40u);
    EXPECT_TRUE(state.quitPending && state.gameLaunchStarted && !state.instanceMutex);
    system.log.clear();
    commands.PlayGame();
    EXPECT_TRUE(system.log.empty());
}

TEST_F(Commands, InstallWarnsOnWindowsNtAndStartsSetupElsewhereOnlyOnce)
{
    for (const platform::VersionInfo os : {kNt4, kXp}) {
        LauncherState fresh;
        LauncherCommands install{fresh, system.services};
        system.version = os;
        system.nextStart = {false, 2};  // closes all the same
        system.starts.clear();
        system.boxes.clear();
        install.InstallGame();
        install.InstallGame();
        const bool nt = os.majorVersion == 4;
        EXPECT_EQ(fresh.quitPending, !nt);
        EXPECT_EQ(system.starts.size(), nt ? 0u : 1u);
        ASSERT_EQ(system.boxes.size(), nt ? 1u : 0u);
        if (nt) {
            EXPECT_EQ(system.boxes[0].text, "Ironmarch will not run under Windows NT.");
            EXPECT_EQ(system.boxes[0].caption, "Warning");
            EXPECT_EQ(system.boxes[0].style, 0x30u);
            EXPECT_STREQ(fresh.DebugSpew, "Ironmarch will not run under Windows NT.");
        } else {
            EXPECT_EQ(system.log.back(), "CreateProcess (null) | setup.exe | (null)");
        }
    }
}

TEST_F(Commands, DirectXSetupBesideTheLauncherOrFromTheDisc)
{
    const struct {
        std::map<char, fake::Drive> drives;
        bool local;
        int dialog;  // the Insert Disc dialog's answer, 0 when it must not be shown
        const char* directory;
    } cases[] = {
        {{}, true, 0, "D:\\"},
        {{{'D', {5, true, "AUDIO_CD"}}, {'E', {5, true, "IRM_1"}}}, false, 0, "E:\\DirectX"},
        {{{'D', {5, false, ""}}}, false, 1, "f:\\DirectX"},
        {{{'D', {5, false, ""}}}, false, 2, nullptr},
    };
    for (const auto& c : cases) {
        fake::System world;
        LauncherState fresh;
        LauncherCommands commands{fresh, world.services};
        world.AddDirectory("D:\\"), world.AddDirectory("E:\\DirectX"), world.AddDirectory("f:\\DirectX");
        world.drives = c.drives;
        if (c.local)
            world.AddFile("D:\\DirectX\\dxsetup.exe");
        world.insertDiscDialog = [&] { return CopyText(fresh.discDrive, "f:"), c.dialog; };
        commands.InstallDirectX();
        EXPECT_EQ(world.Count("InsertDiscDialog"), c.dialog != 0 ? 1u : 0u);
        EXPECT_EQ(fresh.quitPending, c.directory != nullptr);
        EXPECT_EQ(world.currentDirectory, c.directory ? c.directory : "D:\\");
        if (c.directory == nullptr) {
            EXPECT_TRUE(world.starts.empty());
            continue;
        }
        ASSERT_EQ(world.starts.size(), 1u);
        EXPECT_EQ(world.starts[0].application, c.local ? "(null)" : "dxsetup.exe");
        EXPECT_EQ(world.starts[0].commandLine, c.local ? "DirectX\\dxsetup.exe" : "(null)");
        EXPECT_EQ(world.starts[0].directory, c.local ? "(null)" : c.directory);
        EXPECT_TRUE(!c.local || world.Count("DriveType") == 0);
    }
}

TEST_F(Commands, ReadmeOpensInNotepadWhenTheLineFits)
{
    const std::pair<std::string, const char*> cases[] = {
        {"D:\\", "\"C:\\WINDOWS\\notepad.exe\" \"D:\\readme.txt\""},
        {"C:\\Games\\Demo", "\"C:\\WINDOWS\\notepad.exe\" \"C:\\Games\\Demo\\readme.txt\""},
        {"C:\\A", "\"C:\\WINDOWS\\notepad.exe\" \"C:\\A\\readme.txt\""},
        {"C:\\" + std::string(120, 'c'), nullptr},  // with a Windows directory as long
    };
    for (const auto& c : cases) {
        system.windowsDirectory = c.second ? "C:\\WINDOWS" : "C:\\" + std::string(120, 'w');
        system.starts.clear();
        system.currentDirectory = c.first;
        commands.ShowReadme();
        EXPECT_EQ(system.starts.size(), c.second ? 1u : 0u) << c.first;
        EXPECT_EQ(system.starts.empty() ? "none" : system.starts[0].commandLine, c.second ? c.second : "none");
    }
    EXPECT_FALSE(state.quitPending);
    // The longest that fits takes all 264 bytes with the terminator.
    char line[264];
    const std::string d(115, 'd');
    EXPECT_TRUE(ComposeReadmeCommandLine(std::string(120, 'w').c_str(), d.c_str(), line, sizeof line));
    EXPECT_EQ(std::string(line).size(), 263u);
    EXPECT_FALSE(ComposeReadmeCommandLine(std::string(121, 'w').c_str(), d.c_str(), line, sizeof line));
    EXPECT_STREQ(line, "");
}

TEST_F(Commands, UninstallRunsTheRegisteredCommandAndClosesEvenWhenItFails)
{
    system.nextStart = {false, 2};
    CopyText(state.uninstallCommand, "\"C:\\Games\\Ironmarch\\uninstall.exe\"");
    commands.UninstallGame();
    ASSERT_EQ(system.starts.size(), 1u);
    EXPECT_EQ(system.starts[0].commandLine, "\"C:\\Games\\Ironmarch\\uninstall.exe\"");
    EXPECT_TRUE(state.quitPending);
    EXPECT_TRUE(system.boxes.empty());
}

// Each row runs its own command or opens its own page; the rows without a button do nothing.
TEST(ButtonRows, EachRunsItsCommandOrOpensItsPage)
{
    for (const ButtonRow& row : kButtonRows) {
        Commands world;
        world.SetUp();
        RunButtonCommand(world.commands, row);
        EXPECT_EQ(world.system.Count("open "), row.webAddress ? 1u : 0u) << row.id;
        EXPECT_TRUE(!row.webAddress || world.system.log.back() == std::string("open ") + row.webAddress) << row.id;
        EXPECT_EQ(world.state.quitPending || !world.system.log.empty(), row.command || row.webAddress) << row.id;
        EXPECT_EQ(world.state.quitPending, row.id == kQuitButton || row.id == kInstallButton || row.id == kPlayButton ||
                                               row.id == kUninstallButton)
            << row.id;
    }
}

}  // namespace
