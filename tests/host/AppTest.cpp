// Start-up decisions: the Windows version, the window's place, one launcher
// at a time, the restart from the installation and the installation's paths.
#include <gtest/gtest.h>
#include <stdio_ext.h>

#include <tuple>

#include "FakeSystem.h"
#include "startup/GetPaths.h"
#include "startup/Restart.h"
#include "startup/SingleInstance.h"
#include "launcher/WindowPlacement.h"
#include "core/BoundedText.h"
#include "core/LauncherState.h"
#include "core/Names.h"
#include "core/OsKind.h"

namespace {

// The releases by the platform and version they report.
TEST(OsKind, ClassifiesEachWindowsRelease)
{
    const std::tuple<const char*, std::uint32_t, std::uint32_t, std::uint32_t, OsKind> cases[] = {
        {"Win32s", 0, 3, 10, OsKind::Win32s},         {"95", 1, 4, 0, OsKind::Windows95},
        {"98", 1, 4, 10, OsKind::Windows98},          {"ME", 1, 4, 90, OsKind::Windows98},
        {"NT 3.51", 2, 3, 51, OsKind::WindowsNt4},    {"NT 4.0", 2, 4, 0, OsKind::WindowsNt4},
        {"2000", 2, 5, 0, OsKind::Windows2000},       {"XP", 2, 5, 1, OsKind::Windows2000},
        {"7", 2, 6, 1, OsKind::Windows98},            {"10", 2, 10, 0, OsKind::Windows98},
        {"CE", 3, 5, 0, OsKind::Unknown},
    };
    for (const auto& [release, platform, major, minor, kind] : cases)
        EXPECT_EQ(ClassifyOsKind(platform, major, minor), kind) << "Windows " << release;
}

TEST(OsKind, FallsBackToThePlainRecordAndNames2000OnStandardOutput)
{
    fake::System system;
    system.version = {2, 5, 0};
    system.versionRecordsAnswered = {148};
    testing::internal::CaptureStdout();
    EXPECT_EQ(GetOsKind(system), OsKind::Windows2000);
    EXPECT_EQ(__fpending(stdout), 0u);  // flushed at once: a launcher may end without the C runtime's exit
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "Microsoft Windows 2000 ");
    EXPECT_EQ(system.log, (fake::Log{"GetVersionEx 156", "GetVersionEx 148"}));
    system.versionRecordsAnswered.clear();
    EXPECT_EQ(GetOsKind(system), OsKind::Unknown);
}

// Centred: the margins differ by one pixel at most, the extra one on the
// right; a screen smaller than the window leaves it hanging over both edges.
TEST(MainWindowRect, CentresOnAnyScreen)
{
    for (const auto& screen : {std::pair{1024, 768}, {1023, 767}, {640, 480}, {641, 481}, {643, 455}}) {
        const platform::Rect r = MainWindowRect(screen.first, screen.second);
        for (const auto& [before, after] : {std::pair{r.left, screen.first - r.right}, {r.top, screen.second - r.bottom}}) {
            EXPECT_TRUE(after - before == 0 || after - before == (before + after < 0 ? -1 : 1))
                << screen.first << "x" << screen.second << ": " << before << " and " << after;
        }
    }
}

TEST(CheckSingleInstance, SecondLauncherBringsTheRightWindowForward)
{
    const std::string setup = "FindWindow Ironmarch Setup", game = "FindWindow Ironmarch (TM)",
                      launcher = "FindWindow Ironmarch Launcher";
    // The windows by title, their last active popups, the one minimised; what the launcher does after its checks.
    const std::tuple<std::map<std::string, std::uintptr_t>, std::map<std::uintptr_t, std::uintptr_t>, std::uintptr_t,
                     fake::Log>
        cases[] = {
        {{{"Ironmarch Setup", 11}, {"Ironmarch (TM)", 22}}, {}, 0, {setup, "Foreground 11"}},
        {{{"Ironmarch Setup", 11}}, {{11, 12}}, 12, {setup, "Restore 12", "Foreground 12"}},
        {{{"Ironmarch (TM)", 22}, {"Ironmarch Launcher", 33}}, {}, 0, {setup, game, "Foreground 22"}},
        {{{"Ironmarch Launcher", 33}}, {{33, 34}}, 33, {setup, game, launcher, "Restore 33", "Foreground 34"}},
        {{{"Ironmarch Launcher", 33}}, {{33, 34}}, 34, {setup, game, launcher, "Foreground 34"}},
        {{}, {}, 0, {setup, game, launcher}},
    };
    for (const auto& [windows, popups, minimized, after] : cases) {
        fake::System system;
        system.mutexExists = true;
        system.windows = windows;
        system.popups = popups;
        system.minimized = {minimized};
        LauncherState state;
        EXPECT_FALSE(CheckSingleInstance(state, system));
        EXPECT_FALSE(state.instanceMutex);
        fake::Log expected{"CreateMutex Ironmarch", "CloseMutex 119"};
        expected.insert(expected.end(), after.begin(), after.end());
        EXPECT_EQ(system.log, expected);
    }
}

TEST(RestartFromInstallDir, OnlyFromElsewhereAndOnlyOnce)
{
    const std::string longDir = "C:\\" + std::string(240, 'g');
    const std::tuple<const char*, const char*, bool, bool> cases[] = {  // registered, current, restarted before; restarts
        {"C:\\Games\\Ironmarch", "D:\\", false, true},
        {"C:\\Games\\Ironmarch", "D:\\", true, false},
        {"C:\\Games\\Ironmarch", "c:\\games\\IRONMARCH", false, false},
        {"C:\\Games\\Ironmarch\\", "C:\\Games\\Ironmarch", false, false},
        {"C:\\GAMES~1\\IRONMA~1", "C:\\Games\\Ironmarch", false, false},
        {"C:\\Games\\Iron", "C:\\Games\\Ironmarch", false, true},
        {longDir.c_str(), "D:\\", false, false},  // no room for the launcher's path: go on here
    };
    for (const auto& [installDir, current, restarted, restarts] : cases) {
        fake::System system;
        system.canonical["c:\\games~1\\ironma~1"] = "C:\\Games\\Ironmarch";
        system.AddDirectory(installDir);
        LauncherState state;
        CopyText(state.installDir, installDir);
        state.instanceMutex = platform::MutexHandle(0x77);
        EXPECT_EQ(RestartFromInstallDir(state, current, restarted, system, system, system, system), restarts)
            << installDir << " from " << current;
        EXPECT_EQ(static_cast<bool>(state.instanceMutex), !restarts);
        EXPECT_EQ(system.Count("CreateProcess"), restarts ? 1u : 0u);
    }
}

TEST(RestartFromInstallDir, StartsTheInstalledCopyByItsPathOrGoesOnFromWhereItWas)
{
    const std::string mark = std::string("SetEnvironment ") + kRestartedVariable;
    // A registered folder with or without its separator names one launcher.
    for (const char* installDir : {"C:\\Games\\Ironmarch", "C:\\Games\\Ironmarch\\"}) {
        for (bool startFails : {false, true}) {
            fake::System system;
            system.AddDirectory(installDir);
            system.AddDirectory("D:\\");
            system.nextStart = {!startFails, startFails ? 193u : 0u};
            LauncherState state;
            CopyText(state.installDir, installDir);
            state.instanceMutex = platform::MutexHandle(0x77);
            EXPECT_EQ(RestartFromInstallDir(state, "D:\\", false, system, system, system, system), !startFails);
            fake::Log expected{std::string("chdir ") + installDir, "CloseMutex 119", mark + "=1",
                               std::string("CreateProcess (null) | \"C:\\Games\\Ironmarch\\IronmarchLauncher.exe\" | ") +
                                   installDir + " @" + installDir};
            if (startFails) {
                // Back where it was, unmarked, traced, and the one launcher again.
                expected.insert(expected.end(), {mark + "=(null)", "chdir D:\\", "CreateMutex Ironmarch"});
                EXPECT_STREQ(state.DebugSpew, "RestartFromInstallDir() - C:\\Games\\Ironmarch\\IronmarchLauncher.exe "
                                              "failed, error 193");
                EXPECT_EQ(state.instanceMutex, system.mutex);
            }
            EXPECT_EQ(system.log, expected) << installDir;
            // The launcher started takes the mark, once; a failed start left none.
            EXPECT_EQ(TakeRestartMark(system) && !system.HasEnvironmentVariable(kRestartedVariable), !startFails);
        }
    }
}

TEST(GetPaths, BothEntriesAnAbsolutePathAndTheLauncherFileMakeAnInstallation)
{
    const std::string appPaths = names::kAppPathsKey, uninstall = names::kUninstallKey;
    const std::string longDir = "C:\\" + std::string(237, 'a');  // fits the field, not the joined path
    // The registry, the launcher file that exists; the installation directory, uninstall command and whether installed.
    const std::tuple<std::map<std::string, std::map<std::string, std::string>>, std::string, std::string, const char*, bool>
        cases[] = {
        {{}, "", "", "earlier", false},
        {{{appPaths, {{"Other", "x"}}}}, "", "", "earlier", false},
        {{{appPaths, {{"Path", std::string("C:\\G\0", 5)}}}}, "C:\\G\\IronmarchLauncher.exe", "", "earlier", false},
        {{{appPaths, {{"Path", std::string("C:\\G\0", 5)}}}, {uninstall, {{"Other", "x"}}}},
         "C:\\G\\IronmarchLauncher.exe", "C:\\G", "", false},
        {{{appPaths, {{"Path", "C:\\G"}}}, {uninstall, {{"UninstallString", "u.exe /x"}}}},
         "C:\\G\\IronmarchLauncher.exe", "C:\\G", "u.exe /x", true},
        {{{appPaths, {{"Path", "C:\\G"}}}, {uninstall, {{"UninstallString", "u"}}}}, "", "C:\\G", "u", false},
        {{{appPaths, {{"Path", "C:\\G\\"}}}, {uninstall, {{"UninstallString", "u"}}}},
         "C:\\G\\IronmarchLauncher.exe", "C:\\G\\", "u", true},
        {{{appPaths, {{"Path", longDir}}}, {uninstall, {{"UninstallString", "u"}}}},
         longDir.substr(0, 255 - 22) + "\\IronmarchLauncher.exe", longDir, "u", false},
        {{{appPaths, {{"Path", std::string(1024, 'x')}}}, {uninstall, {{"UninstallString", "u"}}}}, "", "", "earlier", false},
        // Only an absolute path names an installation.
        {{{appPaths, {{"Path", "G"}}}, {uninstall, {{"UninstallString", "u"}}}}, "D:\\G\\IronmarchLauncher.exe", "G", "u", false},
        {{{appPaths, {{"Path", "C:G"}}}, {uninstall, {{"UninstallString", "u"}}}}, "C:G\\IronmarchLauncher.exe", "C:G", "u", false},
        {{{appPaths, {{"Path", "\\\\s\\h"}}}, {uninstall, {{"UninstallString", "u"}}}}, "\\\\s\\h\\IronmarchLauncher.exe", "\\\\s\\h", "u", true},
    };
    for (const auto& [registry, file, installDir, uninstallCommand, installed] : cases) {
        fake::System system;
        system.registry = registry;
        system.AddFile(file);
        LauncherState state;
        CopyText(state.uninstallCommand, "earlier");
        CopyText(state.installDir, "stale");
        GetPaths(state, system, system);
        EXPECT_EQ(state.installDir, installDir) << file;
        EXPECT_STREQ(state.uninstallCommand, uninstallCommand) << installDir;
        EXPECT_EQ(state.gameInstalled, installed) << installDir;
        EXPECT_EQ(std::string(state.DebugSpew), "GetPaths() - gamepathname = " + installDir);  // the trace support asks for
    }
}

TEST(BoundedText, RefusesWhatDoesNotFitInsteadOfCuttingIt)
{
    char buffer[8];
    EXPECT_TRUE(CopyText(buffer, "1234567"));
    EXPECT_FALSE(CopyText(buffer, "12345678"));
    EXPECT_STREQ(buffer, "");
    EXPECT_TRUE(FormatText(buffer, sizeof buffer, "%s-%d", "ab", 12));
    EXPECT_FALSE(FormatText(buffer, 0, "x"));  // no room even for the terminator
    EXPECT_STREQ(buffer, "ab-12");
    EXPECT_FALSE(FormatText(buffer, sizeof buffer, "%s", "too long"));
    EXPECT_STREQ(buffer, "");
    CopyText(buffer, "abc");
    EXPECT_TRUE(AppendText(buffer, "defg"));
    EXPECT_FALSE(AppendText(buffer, "h"));
    EXPECT_STREQ(buffer, "");  // not the old text, which names something else
    EXPECT_FALSE(CopyText(buffer, 0, "") || AppendText(buffer, 0, "") || TerminateRegistryText(buffer, 0, 0));
    // Registry text: terminated inside the buffer, or refused.
    const std::tuple<std::string, bool, std::string> cases[] = {  // the bytes read; whether they make a text, and which
        {std::string("abc\0", 4), true, "abc"}, {"abc", true, "abc"}, {std::string("ab\0zz", 5), true, "ab"},
        {std::string(8, 'x'), false, ""},       {"", true, ""}};
    for (const auto& [bytes, ok, expected] : cases) {
        std::vector<char> text(8, '#');
        std::copy(bytes.begin(), bytes.end(), text.begin());
        EXPECT_EQ(TerminateRegistryText(text.data(), text.size(), static_cast<std::uint32_t>(bytes.size())), ok);
        EXPECT_EQ(std::string(text.data(), BoundedLength(text.data(), text.size())), expected);
    }
}

}  // namespace
