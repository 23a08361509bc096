#include <gtest/gtest.h>

#include "Fakes.h"
#include "core/BoundedText.h"
#include "app/GetPaths.h"
#include "core/LauncherState.h"
#include "core/OsKind.h"
#include "app/Restart.h"
#include "app/SingleInstance.h"
#include "app/WindowPlacement.h"

namespace {

using fakes::FakePlatform;
constexpr const char* kAppPaths = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\App Paths\\VXR.exe";
constexpr const char* kUninstall = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Ironmarch";

// ---- OsKind

struct OsKindCase {
    std::uint32_t platformId, major, minor;
    int kind;
};

class OsKindTable : public testing::TestWithParam<OsKindCase> {};

TEST_P(OsKindTable, ClassifiesRow)
{
    const OsKindCase c = GetParam();
    EXPECT_EQ(static_cast<int>(ClassifyOsKind(c.platformId, c.major, c.minor)), c.kind)
        << "platform " << c.platformId << " version " << c.major << "." << c.minor;
}

INSTANTIATE_TEST_SUITE_P(EveryRow, OsKindTable,
                         testing::Values(OsKindCase{0, 3, 10, 5}, OsKindCase{0, 9, 9, 5},   // Win32s
                                         OsKindCase{1, 3, 95, 1}, OsKindCase{1, 4, 0, 1},   // 95
                                         OsKindCase{1, 4, 10, 2}, OsKindCase{1, 4, 90, 2},  // 98, Me
                                         OsKindCase{1, 5, 0, 2}, OsKindCase{2, 3, 51, 3},   // NT 3.51
                                         OsKindCase{2, 4, 0, 3}, OsKindCase{2, 5, 0, 4},    // NT 4, 2000
                                         OsKindCase{2, 5, 1, 4}, OsKindCase{2, 6, 1, 2},    // XP, 7
                                         OsKindCase{2, 10, 0, 2}, OsKindCase{3, 5, 0, 0},   // CE and others
                                         OsKindCase{99, 4, 0, 0}),
                         [](const testing::TestParamInfo<OsKindCase>& info) {
                             return "platform" + std::to_string(info.param.platformId) + "_" +
                                    std::to_string(info.param.major) + "_" + std::to_string(info.param.minor);
                         });

TEST(GetOsKind, FallsBackToThePlainRecordThenGivesUp)
{
    FakePlatform fake;
    fake.desktop.version = {1, 4, 10};
    fake.desktop.versionRecordSizesAnswered = {148};
    EXPECT_EQ(static_cast<int>(GetOsKind(fake.desktop)), 2);
    EXPECT_EQ(fake.log, (fakes::Log{"GetVersionEx 156", "GetVersionEx 148"}));

    fake.desktop.versionRecordSizesAnswered.clear();
    EXPECT_EQ(static_cast<int>(GetOsKind(fake.desktop)), 0);
}

TEST(GetOsKind, Windows2000WritesItsLineToStandardOutput)
{
    FakePlatform fake;
    fake.desktop.version = {2, 5, 0};
    testing::internal::CaptureStdout();
    EXPECT_EQ(static_cast<int>(GetOsKind(fake.desktop)), 4);
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "Microsoft Windows 2000 ");

    fake.desktop.version = {2, 6, 1};
    testing::internal::CaptureStdout();
    EXPECT_EQ(static_cast<int>(GetOsKind(fake.desktop)), 2);
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "");
}

// ---- window rectangle

TEST(MainWindowRect, CentresAndTruncatesTowardZero)
{
    struct Case {
        int width, height;
        platform::Rect expected;
    } cases[] = {
        {640, 480, {-2, 12, 642, 468}},
        {641, 480, {-1, 12, 643, 468}},
        {1023, 768, {189, 156, 833, 612}},
        {1024, 768, {190, 156, 834, 612}},
        {644, 456, {0, 0, 644, 456}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(MainWindowRect(c.width, c.height), c.expected) << c.width << "x" << c.height;
}

// ---- single instance

TEST(CheckSingleInstance, FirstLauncherKeepsTheMutex)
{
    FakePlatform fake;
    LauncherState state;
    EXPECT_TRUE(CheckSingleInstance(state, fake.desktop));
    EXPECT_EQ(state.instanceMutex, fake.desktop.mutexHandle);
    EXPECT_TRUE(fake.desktop.closedMutexes.empty());
}

TEST(CheckSingleInstance, FailedCreationStillRuns)
{
    FakePlatform fake;
    fake.desktop.mutexHandle = {};
    LauncherState state;
    EXPECT_TRUE(CheckSingleInstance(state, fake.desktop));
    EXPECT_FALSE(state.instanceMutex);
}

struct InstanceCase {
    const char* name;
    std::map<std::string, std::uintptr_t> windows;
    std::map<std::uintptr_t, std::uintptr_t> popups;
    std::set<std::uintptr_t> minimized;
    fakes::Log expectedTail;
};

TEST(CheckSingleInstance, SecondLauncherActivatesInTheRightOrder)
{
    const InstanceCase cases[] = {
        {"setup before all", {{"Ironmarch Setup", 11}, {"Ironmarch (TM)", 22}, {"Ironmarch Launcher", 33}}, {}, {},
         {"FindWindow Ironmarch Setup", "Foreground 11"}},
        {"setup's minimised pop-up restored", {{"Ironmarch Setup", 11}}, {{11, 12}}, {12},
         {"FindWindow Ironmarch Setup", "Restore 12", "Foreground 12"}},
        {"game when no setup", {{"Ironmarch (TM)", 22}, {"Ironmarch Launcher", 33}}, {}, {},
         {"FindWindow Ironmarch Setup", "FindWindow Ironmarch (TM)", "Foreground 22"}},
        {"launcher's dialog comes forward", {{"Ironmarch Launcher", 33}}, {{33, 34}}, {},
         {"FindWindow Ironmarch Setup", "FindWindow Ironmarch (TM)", "FindWindow Ironmarch Launcher",
          "Foreground 34"}},
        {"minimised launcher restored, pop-up to the front", {{"Ironmarch Launcher", 33}}, {{33, 34}}, {33},
         {"FindWindow Ironmarch Setup", "FindWindow Ironmarch (TM)", "FindWindow Ironmarch Launcher", "Restore 33",
          "Foreground 34"}},
        {"launcher's minimised pop-up is not restored", {{"Ironmarch Launcher", 33}}, {{33, 34}}, {34},
         {"FindWindow Ironmarch Setup", "FindWindow Ironmarch (TM)", "FindWindow Ironmarch Launcher",
          "Foreground 34"}},
        {"nothing to activate", {}, {}, {},
         {"FindWindow Ironmarch Setup", "FindWindow Ironmarch (TM)", "FindWindow Ironmarch Launcher"}},
    };
    for (const InstanceCase& c : cases) {
        FakePlatform fake;
        fake.desktop.mutexExists = true;
        for (const auto& w : c.windows)
            fake.desktop.windows[w.first] = platform::WindowHandle(w.second);
        for (const auto& p : c.popups)
            fake.desktop.popups[platform::WindowHandle(p.first)] = platform::WindowHandle(p.second);
        for (std::uintptr_t m : c.minimized)
            fake.desktop.minimized.insert(platform::WindowHandle(m));
        LauncherState state;
        EXPECT_FALSE(CheckSingleInstance(state, fake.desktop)) << c.name;
        EXPECT_FALSE(state.instanceMutex) << c.name;
        ASSERT_GE(fake.log.size(), 2u);
        EXPECT_EQ(fake.log[0], "CreateMutex Ironmarch");
        EXPECT_EQ(fake.log[1], "CloseMutex") << c.name;
        EXPECT_EQ(fakes::Log(fake.log.begin() + 2, fake.log.end()), c.expectedTail) << c.name;
    }
}

TEST(ReleaseInstanceMutex, ClosesExactlyOnce)
{
    FakePlatform fake;
    LauncherState state;
    state.instanceMutex = platform::MutexHandle(0x77);
    ReleaseInstanceMutex(state, fake.desktop);
    ReleaseInstanceMutex(state, fake.desktop);
    EXPECT_EQ(fake.desktop.closedMutexes, std::vector<platform::MutexHandle>{platform::MutexHandle(0x77)});
}

// ---- restart

TEST(SameDirectoryText, FoldsOnlyLetterCase)
{
    EXPECT_TRUE(SameDirectoryText("C:\\Games\\Ironmarch", "c:\\GAMES\\ironmarch"));
    EXPECT_FALSE(SameDirectoryText("C:\\Games\\Ironmarch", "C:\\Games\\Ironmarch\\"));
    EXPECT_FALSE(SameDirectoryText("C:\\PROGRA~1\\Ironmarch", "C:\\Program Files\\Ironmarch"));
    EXPECT_FALSE(SameDirectoryText("C:\\Games\\Iron", "C:\\Games\\Ironmarch"));
}

struct RestartFixture : testing::Test {
    FakePlatform fake;
    LauncherState state;
    void SetUp() override
    {
        CopyText(state.installDir, "C:\\Games\\Ironmarch");
        state.gameInstalled = true;
        state.instanceMutex = platform::MutexHandle(0x77);
        fake.files.AddDirectory("C:\\Games\\Ironmarch");
        fake.files.currentDirectory = "D:\\";
    }
    bool Restart(const char* current, bool restarted = false)
    {
        return RestartFromInstallDir(state, current, restarted, fake.files, fake.processes, fake.desktop, fake.desktop);
    }
};

TEST_F(RestartFixture, FromElsewhereRestartsFromTheInstallationDirectory)
{
    EXPECT_TRUE(Restart("D:\\"));
    EXPECT_EQ(fake.files.currentDirectory, "C:\\Games\\Ironmarch");
    EXPECT_FALSE(state.instanceMutex);
    ASSERT_EQ(fake.processes.starts.size(), 1u);
    const fakes::ProcessStart& start = fake.processes.starts[0];
    EXPECT_EQ(start.application, "(null)");
    EXPECT_EQ(start.commandLine, "IronmarchLauncher.exe");
    EXPECT_EQ(start.directory, "(null)");
    EXPECT_EQ(start.currentDirectory, "C:\\Games\\Ironmarch");
    // Directory first, then the mutex goes, then the start.
    const auto chdir = std::find(fake.log.begin(), fake.log.end(), "chdir C:\\Games\\Ironmarch");
    const auto close = std::find(fake.log.begin(), fake.log.end(), "CloseMutex");
    ASSERT_NE(chdir, fake.log.end());
    ASSERT_NE(close, fake.log.end());
    EXPECT_LT(chdir, close);
    // The mark is in the environment the new launcher inherits.
    const auto mark = std::find(fake.log.begin(), fake.log.end(), std::string("SetEnvironment ") + kRestartedVariable);
    const auto started = std::find_if(fake.log.begin(), fake.log.end(),
                                      [](const std::string& line) { return line.rfind("CreateProcess", 0) == 0; });
    EXPECT_LT(mark, started);
    EXPECT_TRUE(fake.desktop.HasEnvironmentVariable(kRestartedVariable));
}

TEST_F(RestartFixture, FailedStartStillEndsTheProcess)
{
    fake.processes.nextStart = {false, 2};
    EXPECT_TRUE(Restart("D:\\"));
}

TEST_F(RestartFixture, NoRestartWhenTheTextsDifferOnlyInCase)
{
    EXPECT_FALSE(Restart("c:\\games\\IRONMARCH"));
    EXPECT_TRUE(fake.processes.starts.empty());
    EXPECT_EQ(state.instanceMutex, platform::MutexHandle(0x77));
}

TEST_F(RestartFixture, NoRestartIntoTheSameDirectoryWrittenAnotherWay)
{
    // A trailing separator and a short name name the directory the launcher runs in.
    CopyText(state.installDir, "C:\\Games\\Ironmarch\\");
    EXPECT_FALSE(Restart("C:\\Games\\Ironmarch"));
    CopyText(state.installDir, "C:\\GAMES~1\\IRONMA~1");
    fake.files.SetCanonical("C:\\GAMES~1\\IRONMA~1", "C:\\Games\\Ironmarch");
    EXPECT_FALSE(Restart("C:\\Games\\Ironmarch"));
    EXPECT_TRUE(fake.processes.starts.empty());
}

TEST_F(RestartFixture, RestartedLauncherNeverRestartsAgain)
{
    EXPECT_FALSE(Restart("D:\\", /*restarted=*/true));
    EXPECT_TRUE(fake.processes.starts.empty());
}

TEST(TakeRestartMark, ReportsAndClearsTheMark)
{
    FakePlatform fake;
    EXPECT_FALSE(TakeRestartMark(fake.desktop));
    fake.desktop.environment[kRestartedVariable] = "1";
    EXPECT_TRUE(TakeRestartMark(fake.desktop));
    EXPECT_FALSE(fake.desktop.HasEnvironmentVariable(kRestartedVariable));
}

// ---- GetPaths

struct GetPathsFixture : testing::Test {
    FakePlatform fake;
    LauncherState state;
};

TEST_F(GetPathsFixture, InstalledGameFoundWithBothEntriesAndTheLauncherFile)
{
    fake.InstallGame("C:\\Games\\Ironmarch");
    GetPaths(state, fake.registry, fake.files);
    EXPECT_STREQ(state.installDir, "C:\\Games\\Ironmarch");
    EXPECT_STREQ(state.uninstallCommand, "C:\\uninst.exe /x");
    EXPECT_TRUE(state.gameInstalled);
    EXPECT_STREQ(state.DebugSpew, "GetPaths() - gamepathname = C:\\Games\\Ironmarch");
    EXPECT_EQ(fake.log, (fakes::Log{std::string("RegRead ") + kAppPaths + " Path",
                                    std::string("RegRead ") + kUninstall + " UninstallString",
                                    "fopen C:\\Games\\Ironmarch\\IronmarchLauncher.exe ok"}));
}

TEST_F(GetPathsFixture, NoAppPathsEntry)
{
    CopyText(state.uninstallCommand, "earlier");
    GetPaths(state, fake.registry, fake.files);
    EXPECT_STREQ(state.installDir, "");
    EXPECT_STREQ(state.uninstallCommand, "earlier");
    EXPECT_FALSE(state.gameInstalled);
    EXPECT_STREQ(state.DebugSpew, "GetPaths() - gamepathname = ");
}

TEST_F(GetPathsFixture, AppPathsKeyWithoutItsValue)
{
    fake.registry.SetValue(kAppPaths, "Other", "x");
    CopyText(state.installDir, "stale");
    GetPaths(state, fake.registry, fake.files);
    EXPECT_STREQ(state.installDir, "");
}

TEST_F(GetPathsFixture, UninstallKeyMissingEmptiesTheDirectory)
{
    fake.registry.SetValue(kAppPaths, "Path", std::string("C:\\Games\\Ironmarch\0", 19));
    GetPaths(state, fake.registry, fake.files);
    EXPECT_STREQ(state.installDir, "");
    EXPECT_STREQ(state.uninstallCommand, "");
    EXPECT_FALSE(state.gameInstalled);
}

TEST_F(GetPathsFixture, UninstallValueMissingKeepsTheDirectory)
{
    fake.registry.SetValue(kAppPaths, "Path", std::string("C:\\Games\\Ironmarch\0", 19));
    fake.registry.SetValue(kUninstall, "Other", "x");
    CopyText(state.uninstallCommand, "earlier");
    GetPaths(state, fake.registry, fake.files);
    EXPECT_STREQ(state.installDir, "C:\\Games\\Ironmarch");
    EXPECT_STREQ(state.uninstallCommand, "");
    EXPECT_FALSE(state.gameInstalled);
}

TEST_F(GetPathsFixture, LauncherFileMissingLeavesBothTextsFilled)
{
    fake.RegisterGame("C:\\Games\\Ironmarch");
    GetPaths(state, fake.registry, fake.files);
    EXPECT_STREQ(state.installDir, "C:\\Games\\Ironmarch");
    EXPECT_STREQ(state.uninstallCommand, "C:\\uninst.exe /x");
    EXPECT_FALSE(state.gameInstalled);
}

TEST_F(GetPathsFixture, TrailingSeparatorGivesADoubledOneInThePath)
{
    fake.RegisterGame("C:\\Games\\Ironmarch\\");
    GetPaths(state, fake.registry, fake.files);
    EXPECT_EQ(fake.log.back(), "fopen C:\\Games\\Ironmarch\\\\IronmarchLauncher.exe missing");
}

TEST_F(GetPathsFixture, GameInstalledStaysTrueWhenTheEntriesGo)
{
    fake.InstallGame("C:\\Games\\Ironmarch");
    GetPaths(state, fake.registry, fake.files);
    ASSERT_TRUE(state.gameInstalled);
    fake.registry.RemoveKey(kAppPaths);
    GetPaths(state, fake.registry, fake.files);
    EXPECT_STREQ(state.installDir, "");
    EXPECT_TRUE(state.gameInstalled);
}

TEST_F(GetPathsFixture, DirectoryTooLongForTheLauncherPathCountsAsNotInstalled)
{
    // 240 characters fit the 1024-byte field but not the 256-byte joined path.
    const std::string longDir = "C:\\" + std::string(237, 'a');
    fake.InstallGame(longDir);
    fake.files.AddFile(longDir.substr(0, 255 - 22) + "\\IronmarchLauncher.exe");  // what a cut path would name
    GetPaths(state, fake.registry, fake.files);
    EXPECT_EQ(std::string(state.installDir), longDir);
    EXPECT_FALSE(state.gameInstalled);
    EXPECT_EQ(std::count_if(fake.log.begin(), fake.log.end(),
                            [](const std::string& line) { return line.rfind("fopen", 0) == 0; }),
              0);
}

TEST_F(GetPathsFixture, ValueOfTheWholeBufferWithoutTerminatorIsRefused)
{
    fake.registry.SetValue(kAppPaths, "Path", std::string(1024, 'x'));
    fake.registry.SetValue(kUninstall, "UninstallString", std::string(1023, 'u'));  // fits: 1023 + terminator
    GetPaths(state, fake.registry, fake.files);
    EXPECT_STREQ(state.installDir, "");
    EXPECT_STREQ(state.DebugSpew, "GetPaths() - gamepathname = ");
}

TEST_F(GetPathsFixture, OnlyAnAbsolutePathNamesAnInstallation)
{
    const struct {
        const char* dir;
        bool installed;
    } cases[] = {
        {"", false}, {"Games\\Ironmarch", false}, {".", false}, {"\\Games", false}, {"C:Games", false},
        {"C:\\Games", true}, {"d:/Games", true}, {"\\\\server\\share", true}, {"\\\\", false},
    };
    for (const auto& c : cases) {
        FakePlatform world;
        LauncherState fresh;
        world.files.currentDirectory = "D:\\";
        world.files.AddFile("D:\\IronmarchLauncher.exe");  // the disc's own copy
        world.RegisterGame(c.dir);
        world.files.AddFile(std::string("D:\\") + c.dir + "\\IronmarchLauncher.exe");
        if (c.installed)
            world.files.AddFile(std::string(c.dir) + "\\IronmarchLauncher.exe");
        GetPaths(fresh, world.registry, world.files);
        EXPECT_EQ(fresh.gameInstalled, c.installed) << '"' << c.dir << '"';
        EXPECT_STREQ(fresh.installDir, c.dir);
    }
}

TEST(TerminateRegistryText, NeverReadsOrWritesPastTheBuffer)
{
    struct Case {
        std::string bytes;
        std::uint32_t reported;
        bool ok;
        std::string text;
    } cases[] = {
        {std::string("abc\0", 4), 4, true, "abc"},
        {"abc", 3, true, "abc"},  // stored without its terminator
        {std::string("ab\0zz", 5), 5, true, "ab"},
        {std::string(8, 'x'), 8, false, ""},  // fills the buffer, no room for the terminator
        {std::string("abcdefg\0", 8), 8, true, "abcdefg"},
        {"", 0, true, ""},
    };
    for (const Case& c : cases) {
        std::vector<char> buffer(8, '#');
        std::copy(c.bytes.begin(), c.bytes.end(), buffer.begin());
        EXPECT_EQ(TerminateRegistryText(buffer.data(), buffer.size(), c.reported), c.ok) << c.bytes;
        EXPECT_EQ(std::string(buffer.data(), BoundedLength(buffer.data(), buffer.size())), c.text);
    }
}

// ---- bounded text

TEST(BoundedText, RefusesWhatDoesNotFitInsteadOfCuttingIt)
{
    char buffer[8];
    EXPECT_TRUE(CopyText(buffer, "1234567"));
    EXPECT_STREQ(buffer, "1234567");
    EXPECT_FALSE(CopyText(buffer, "12345678"));
    EXPECT_STREQ(buffer, "");
    EXPECT_TRUE(FormatText(buffer, sizeof buffer, "%s-%d", "ab", 12));
    EXPECT_STREQ(buffer, "ab-12");
    EXPECT_FALSE(FormatText(buffer, sizeof buffer, "%s", "too long text"));
    EXPECT_STREQ(buffer, "");
    CopyText(buffer, "abc");
    EXPECT_TRUE(AppendText(buffer, "defg"));
    EXPECT_FALSE(AppendText(buffer, "h"));
    EXPECT_STREQ(buffer, "");  // not the old text, which names something else
}

}  // namespace
