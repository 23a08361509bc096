#include <gtest/gtest.h>

#include "Fakes.h"
#include "core/BoundedText.h"
#include "core/LauncherState.h"
#include "commands/Commands.h"
#include "launcher/ButtonTable.h"

namespace {

using fakes::FakePlatform;

struct CommandsFixture : testing::Test {
    void TestBody() override {}
    FakePlatform fake;
    LauncherState state;
    LauncherCommands commands{state, fake.platform};
    void SetUp() override
    {
        state.discLabel = "IRM_1";
        fake.files.currentDirectory = "D:\\";
        fake.files.AddDirectory("D:\\");
        CopyText(state.installDir, "C:\\Games\\Ironmarch");
        fake.files.AddDirectory("C:\\Games\\Ironmarch");
        state.gameInstalled = true;
        state.instanceMutex = platform::MutexHandle(0x77);
    }
    std::size_t IndexOf(const std::string& line) const
    {
        const auto found = std::find(fake.log.begin(), fake.log.end(), line);
        EXPECT_NE(found, fake.log.end()) << "no \"" << line << "\" in the log";
        return static_cast<std::size_t>(found - fake.log.begin());
    }
};

// How the fake DirectX is set up to reach each version.
struct DxRow {
    DxVersion version;
    void (*setUp)(fakes::FakeDirectX&);
    const char* question;  // null: the game starts
};

const DxRow kDxRows[] = {
    {0, [](fakes::FakeDirectX& x) { x.libraries.erase("DDRAW.DLL"); },
     "DirectX not installed.  You must have at least DirectX 7 installed in order to play Ironmarch.  Would you "
     "like to install DirectX 8.0a now?"},
    {0x100, [](fakes::FakeDirectX& x) { x.hasDirectDraw2 = false; },
     "DirectX 1 found.  You must have at least DirectX 7 installed in order to play Ironmarch.  Would you like to "
     "install DirectX 8.0a now?"},
    {0x200, [](fakes::FakeDirectX& x) { x.libraries.erase("DINPUT.DLL"); },
     "DirectX 2 found.  You must have at least DirectX 7 installed in order to play Ironmarch.  Would you like to "
     "install DirectX 8.0a now?"},
    {0x300, [](fakes::FakeDirectX& x) { x.hasSurface3 = false; },
     "DirectX 3 found.  You must have at least DirectX 7 installed in order to play Ironmarch.  Would you like to "
     "install DirectX 8.0a now?"},
    {0x500, [](fakes::FakeDirectX& x) { x.hasSurface4 = false; },
     "DirectX 5 found.  You must have at least DirectX 7 installed in order to play Ironmarch.  Would you like to "
     "install DirectX 8.0a now?"},
    {0x600, [](fakes::FakeDirectX& x) { x.hasDirectMusic = false; },
     "DirectX 6 found.  You must have at least DirectX 7 installed in order to play Ironmarch.  Would you like to "
     "install DirectX 8.0a now?"},
    {0x601, [](fakes::FakeDirectX& x) { x.createsDirectDraw7 = false; },
     "DirectX 6.1 found.  You must have at least DirectX 7 installed in order to play Ironmarch.  Would you like to "
     "install DirectX 8.0a now?"},
    {0x700, [](fakes::FakeDirectX& x) { x.libraries.erase("D3D8.DLL"); }, nullptr},
    {0x800, [](fakes::FakeDirectX&) {}, nullptr},
};

class PlayGameRows : public CommandsFixture, public testing::WithParamInterface<DxRow> {};

TEST_P(PlayGameRows, AsksOrStarts)
{
    const DxRow& row = GetParam();
    row.setUp(fake.directX);
    fake.dialogs.answers = {7};  // No
    commands.PlayGame();
    EXPECT_TRUE(fake.directX.loadedModules.empty()) << "DirectX left loaded";
    if (row.question == nullptr) {
        EXPECT_TRUE(fake.dialogs.boxes.empty());
        EXPECT_TRUE(state.gameLaunchStarted);
        EXPECT_TRUE(state.quitPending);
        ASSERT_EQ(fake.processes.starts.size(), 1u);
        EXPECT_EQ(fake.processes.starts[0].commandLine, "VXR.exe");
        EXPECT_STREQ(state.DebugSpew, row.version == 0x700 ? "DirectX 7 detected" : "DirectX 8 detected");
        return;
    }
    ASSERT_EQ(fake.dialogs.boxes.size(), 1u);
    EXPECT_EQ(fake.dialogs.boxes[0].text, row.question);
    EXPECT_EQ(fake.dialogs.boxes[0].caption, "Install DirectX 8.0a?");
    EXPECT_EQ(fake.dialogs.boxes[0].style, 0x24u);
    EXPECT_FALSE(state.gameLaunchStarted);
    EXPECT_FALSE(state.quitPending);
    EXPECT_TRUE(fake.processes.starts.empty());
    EXPECT_EQ(state.instanceMutex, platform::MutexHandle(0x77));

    // Play again, and this time say Yes: the DirectX setup runs and the launcher closes.
    fake.files.AddFile("D:\\DirectX\\dxsetup.exe");
    fake.dialogs.answers = {6};
    commands.PlayGame();
    EXPECT_EQ(fake.dialogs.boxes.size(), 2u);
    ASSERT_EQ(fake.processes.starts.size(), 1u);
    EXPECT_EQ(fake.processes.starts[0].commandLine, "DirectX\\dxsetup.exe");
    EXPECT_TRUE(state.quitPending);
    EXPECT_FALSE(state.gameLaunchStarted);
    EXPECT_TRUE(fake.directX.loadedModules.empty());
}

INSTANTIATE_TEST_SUITE_P(EveryVersion, PlayGameRows, testing::ValuesIn(kDxRows),
                         [](const testing::TestParamInfo<DxRow>& info) {
                             return "DxVersion_" + std::to_string(info.param.version);
                         });

TEST(DirectXQuestionFormat, UnknownVersionsGetTheGeneralQuestion)
{
    const char* general = "You must have at least DirectX 7 installed in order to play %s.  Would you like to %s "
                          "DirectX 8.0a now?";
    for (DxVersion version : {0x400u, 0x602u, 0x801u, 0x900u, 0xFFFFFFFFu})
        EXPECT_STREQ(DirectXQuestionFormat(version), general) << std::hex << version;
}

TEST_F(CommandsFixture, GameStartsInItsOrder)
{
    commands.PlayGame();
    const std::size_t unload = IndexOf("FreeLibrary DDRAW.DLL");
    const std::size_t chdir = IndexOf("chdir C:\\Games\\Ironmarch");
    const std::size_t mutex = IndexOf("CloseMutex");
    const std::size_t start = IndexOf("CreateProcess (null) | VXR.exe | (null)");
    EXPECT_LT(unload, chdir);
    EXPECT_LT(chdir, mutex);
    EXPECT_LT(mutex, start);
    EXPECT_EQ(fake.processes.starts[0].currentDirectory, "C:\\Games\\Ironmarch");
    EXPECT_FALSE(state.instanceMutex);
    EXPECT_TRUE(state.quitPending);
    // Started once: a second press does nothing.
    fake.log.clear();
    commands.PlayGame();
    EXPECT_TRUE(fake.log.empty());
}

TEST_F(CommandsFixture, GameThatCannotStartIsReportedAndTheLauncherStillCloses)
{
    fake.processes.nextStart = {false, 2};
    commands.PlayGame();
    ASSERT_EQ(fake.dialogs.boxes.size(), 1u);
    EXPECT_EQ(fake.dialogs.boxes[0].text, "system text for 2");
    EXPECT_EQ(fake.dialogs.boxes[0].caption, "Setup.exe");
    EXPECT_EQ(fake.dialogs.boxes[0].style, 0x40u);
    EXPECT_TRUE(state.quitPending);
    EXPECT_TRUE(state.gameLaunchStarted);
}

TEST_F(CommandsFixture, InstallOnWindowsNtWarnsOnceAndStaysOpen)
{
    fake.desktop.version = {2, 4, 0};
    commands.InstallGame();
    ASSERT_EQ(fake.dialogs.boxes.size(), 1u);
    EXPECT_EQ(fake.dialogs.boxes[0].text, "Ironmarch will not run under Windows NT.");
    EXPECT_EQ(fake.dialogs.boxes[0].caption, "Warning");
    EXPECT_EQ(fake.dialogs.boxes[0].style, 0x30u);
    EXPECT_STREQ(state.DebugSpew, "Ironmarch will not run under Windows NT.");
    EXPECT_TRUE(fake.processes.starts.empty());
    EXPECT_FALSE(state.quitPending);
    commands.InstallGame();
    EXPECT_EQ(fake.dialogs.boxes.size(), 1u);
}

TEST_F(CommandsFixture, InstallElsewhereStartsSetupAndCloses)
{
    for (bool starts : {true, false}) {
        LauncherState fresh;
        LauncherCommands install(fresh, fake.platform);
        fake.processes.starts.clear();
        fake.processes.nextStart = {starts, starts ? 0u : 2u};
        fake.desktop.version = {1, 4, 10};
        install.InstallGame();
        ASSERT_EQ(fake.processes.starts.size(), 1u);
        EXPECT_EQ(fake.processes.starts[0].application, "(null)");
        EXPECT_EQ(fake.processes.starts[0].commandLine, "setup.exe");
        EXPECT_EQ(fake.processes.starts[0].directory, "(null)");
        EXPECT_TRUE(fresh.quitPending);
        EXPECT_TRUE(fake.dialogs.boxes.empty());
        install.InstallGame();
        EXPECT_EQ(fake.processes.starts.size(), 1u);
    }
}

TEST_F(CommandsFixture, DirectXSetupBesideTheLauncher)
{
    fake.files.AddFile("D:\\DirectX\\dxsetup.exe");
    commands.InstallDirectX();
    ASSERT_EQ(fake.processes.starts.size(), 1u);
    EXPECT_EQ(fake.processes.starts[0].commandLine, "DirectX\\dxsetup.exe");
    EXPECT_EQ(fake.processes.starts[0].application, "(null)");
    EXPECT_EQ(fake.files.currentDirectory, "D:\\");
    EXPECT_TRUE(fake.drives.typeQueries.empty());
    EXPECT_TRUE(state.quitPending);
}

TEST_F(CommandsFixture, DirectXSetupFromTheDiscInDriveE)
{
    fake.drives.drives['D'] = {5, true, "AUDIO_CD"};
    fake.drives.drives['E'] = {5, true, "IRM_1"};
    fake.files.AddDirectory("E:\\DirectX");
    commands.InstallDirectX();
    ASSERT_EQ(fake.processes.starts.size(), 1u);
    EXPECT_EQ(fake.processes.starts[0].application, "dxsetup.exe");
    EXPECT_EQ(fake.processes.starts[0].commandLine, "(null)");
    EXPECT_EQ(fake.processes.starts[0].directory, "E:\\DirectX");
    EXPECT_EQ(fake.files.currentDirectory, "E:\\DirectX");
    EXPECT_EQ(fake.dialogs.dialogRuns, 0);
    EXPECT_TRUE(state.quitPending);
}

TEST_F(CommandsFixture, DirectXSetupAfterTheDialog)
{
    fake.drives.drives['D'] = {5, false, ""};
    fake.dialogs.dialogBehaviour = [this] {
        CopyText(state.discDrive, "f:");
        return 1;
    };
    commands.InstallDirectX();
    ASSERT_EQ(fake.processes.starts.size(), 1u);
    EXPECT_EQ(fake.processes.starts[0].directory, "f:\\DirectX");
    EXPECT_TRUE(state.quitPending);
}

TEST_F(CommandsFixture, DirectXSetupCancelledStartsNothing)
{
    fake.drives.drives['D'] = {5, false, ""};
    fake.dialogs.dialogResult = 2;
    commands.InstallDirectX();
    EXPECT_EQ(fake.dialogs.dialogRuns, 1);
    EXPECT_TRUE(fake.processes.starts.empty());
    EXPECT_FALSE(state.quitPending);
    EXPECT_EQ(fake.files.currentDirectory, "D:\\");
}

TEST_F(CommandsFixture, ReadmeInNotepad)
{
    const struct {
        const char* current;
        const char* line;
    } cases[] = {
        {"D:\\", "\"C:\\WINDOWS\\notepad.exe\" \"D:\\readme.txt\""},
        {"C:\\Games\\Demo", "\"C:\\WINDOWS\\notepad.exe\" \"C:\\Games\\Demo\\readme.txt\""},
        {"C:\\A", "\"C:\\WINDOWS\\notepad.exe\" \"C:\\A\\readme.txt\""},
    };
    for (const auto& c : cases) {
        fake.processes.starts.clear();
        fake.files.currentDirectory = c.current;
        commands.ShowReadme();
        ASSERT_EQ(fake.processes.starts.size(), 1u) << c.current;
        EXPECT_EQ(fake.processes.starts[0].commandLine, c.line);
        EXPECT_EQ(fake.processes.starts[0].application, "(null)");
        EXPECT_FALSE(state.quitPending);
    }
}

TEST_F(CommandsFixture, ReadmeLineTooLongIsNotStarted)
{
    fake.files.windowsDirectory = "C:\\" + std::string(120, 'w');
    fake.files.currentDirectory = "C:\\" + std::string(120, 'c');
    commands.ShowReadme();
    EXPECT_TRUE(fake.processes.starts.empty());
    char line[264];
    const std::string windows(255, 'w');
    const std::string current(255, 'c');
    EXPECT_FALSE(ComposeReadmeCommandLine(windows.c_str(), current.c_str(), line, sizeof line));
    EXPECT_STREQ(line, "");
    // The longest that fits takes all 264 bytes with the terminator; one more does not fit.
    const std::string d(115, 'd');
    EXPECT_TRUE(ComposeReadmeCommandLine(std::string(120, 'w').c_str(), d.c_str(), line, sizeof line));
    EXPECT_EQ(std::string(line).size(), 263u);
    EXPECT_FALSE(ComposeReadmeCommandLine(std::string(121, 'w').c_str(), d.c_str(), line, sizeof line));
}

TEST_F(CommandsFixture, UninstallWithAnEmptyCommandStillCloses)
{
    fake.processes.nextStart = {false, 2};
    commands.UninstallGame();
    ASSERT_EQ(fake.processes.starts.size(), 1u);
    EXPECT_EQ(fake.processes.starts[0].commandLine, "");
    EXPECT_TRUE(state.quitPending);
    EXPECT_TRUE(fake.dialogs.boxes.empty());
}

TEST_F(CommandsFixture, UninstallRunsTheRegisteredCommand)
{
    CopyText(state.uninstallCommand, "\"C:\\Games\\Ironmarch\\uninstall.exe\"");
    commands.UninstallGame();
    EXPECT_EQ(fake.processes.starts[0].commandLine, "\"C:\\Games\\Ironmarch\\uninstall.exe\"");
    EXPECT_TRUE(state.quitPending);
}

// Each row of the button table runs its own command or opens its own page;
// the rows without a button do nothing.
TEST(ButtonRows, EachRunsItsCommandOrOpensItsPage)
{
    for (const ButtonRow& row : kButtonRows) {
        CommandsFixture world;
        world.SetUp();
        RunButtonCommand(world.commands, row);
        const bool didSomething = world.state.quitPending || !world.fake.log.empty();
        if (row.webAddress != nullptr)
            EXPECT_EQ(world.fake.processes.documents, std::vector<std::string>{row.webAddress}) << row.id;
        else
            EXPECT_TRUE(world.fake.processes.documents.empty()) << row.id;
        EXPECT_EQ(didSomething, row.command != nullptr || row.webAddress != nullptr) << row.id;
    }
}

TEST_F(CommandsFixture, RegistrationAndQuitRowsRunTheirOwnCommands)
{
    RunButtonCommand(commands, kButtonRows[kRegistrationButton]);
    ASSERT_EQ(fake.processes.starts.size(), 1u);
    EXPECT_EQ(fake.processes.starts[0].application, "reg32.exe");
    EXPECT_FALSE(fake.processes.starts[0].wait);
    EXPECT_FALSE(state.quitPending);
    RunButtonCommand(commands, kButtonRows[kQuitButton]);
    EXPECT_TRUE(state.quitPending);
    EXPECT_EQ(fake.processes.starts.size(), 1u);
}

}  // namespace
