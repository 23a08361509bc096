// Starting programs, testing files and the single-instance mutex against a
// real Win32.
#include <gtest/gtest.h>

#include "WindowsTestSupport.h"
#include "core/LauncherState.h"
#include "commands/ProgramStarter.h"
#include "platform/win32/Win32Platform.h"

namespace {

using wintest::ScratchFolder;

// Points the logging stand-in at a log in a scratch folder for one test.
struct StartLog : testing::Test {
    ScratchFolder folder;
    std::string log = folder / "starts.log";
    win32::Processes processes;
    win32::Files files;
    void SetUp() override { SetEnvironmentVariableA("IRONMARCH_STANDIN_LOG", log.c_str()); }
    void TearDown() override { SetEnvironmentVariableA("IRONMARCH_STANDIN_LOG", NULL); }
    std::string LogArgs() const { return wintest::TestDirectory() + "\\logargs.exe"; }
};

TEST_F(StartLog, CommandLineAndWorkingDirectoryReachTheProgram)
{
    const std::string line = "\"" + LogArgs() + "\" /x \"two words\"";
    const platform::StartResult result = StartProgram(processes, files, nullptr, line.c_str(), folder.path().c_str());
    ASSERT_TRUE(result.started) << "error " << result.error;
    const auto lines = wintest::WaitForLogLines(log, 1);
    ASSERT_EQ(lines.size(), 1u) << "the stand-in wrote nothing to " << log;
    const auto fields = wintest::SplitTabs(lines[0]);
    ASSERT_EQ(fields.size(), 3u) << lines[0];
    EXPECT_EQ(fields[1], line);
    EXPECT_TRUE(wintest::SamePath(fields[2], folder.path())) << fields[2];
}

TEST_F(StartLog, ProgramNameWithoutCommandLineRunsInTheCurrentDirectory)
{
    wintest::CurrentDirectoryScope inside(folder.path());
    ASSERT_TRUE(CopyFileA(LogArgs().c_str(), (folder / "reg32.exe").c_str(), FALSE));
    const platform::StartResult result = StartProgram(processes, files, "reg32.exe", nullptr, nullptr);
    ASSERT_TRUE(result.started) << "error " << result.error;
    const auto lines = wintest::WaitForLogLines(log, 1);
    ASSERT_EQ(lines.size(), 1u);
    const auto fields = wintest::SplitTabs(lines[0]);
    EXPECT_TRUE(wintest::SamePath(fields[0], folder / "reg32.exe")) << fields[0];
    EXPECT_TRUE(wintest::SamePath(fields[2], folder.path())) << fields[2];
}

TEST_F(StartLog, BareNameIsFoundBesideTheRunningProgramBeforeTheCurrentDirectory)
{
    const std::string besideUs = wintest::TestDirectory() + "\\ironmarch-search.exe";
    const std::string inCurrent = folder / "ironmarch-search.exe";
    ASSERT_TRUE(CopyFileA(LogArgs().c_str(), besideUs.c_str(), FALSE));
    ASSERT_TRUE(CopyFileA(LogArgs().c_str(), inCurrent.c_str(), FALSE));
    wintest::CurrentDirectoryScope inside(folder.path());

    ASSERT_TRUE(StartProgram(processes, files, nullptr, "ironmarch-search.exe", nullptr).started);
    auto lines = wintest::WaitForLogLines(log, 1);
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_TRUE(wintest::SamePath(wintest::SplitTabs(lines[0])[0], besideUs)) << lines[0];

    // Wait for the first copy to end before removing it.
    for (int attempt = 0; attempt < 50 && !DeleteFileA(besideUs.c_str()); ++attempt)
        Sleep(100);
    ASSERT_TRUE(StartProgram(processes, files, nullptr, "ironmarch-search.exe", nullptr).started);
    lines = wintest::WaitForLogLines(log, 2);
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_TRUE(wintest::SamePath(wintest::SplitTabs(lines[1])[0], inCurrent)) << lines[1];
}

TEST_F(StartLog, WaitReturnsOnlyWhenTheProgramHasEnded)
{
    const platform::StartResult result = processes.StartProcess(LogArgs().c_str(), nullptr, nullptr, true);
    ASSERT_TRUE(result.started);
    EXPECT_NE(wintest::ReadText(log).find("logargs.exe"), std::string::npos);
}

TEST_F(StartLog, MissingProgramGivesTheSystemsErrorAndText)
{
    const platform::StartResult result = StartProgram(processes, files, nullptr, "ironmarch-no-such-program.exe", nullptr);
    EXPECT_FALSE(result.started);
    EXPECT_EQ(result.error, static_cast<std::uint32_t>(ERROR_FILE_NOT_FOUND));
    EXPECT_FALSE(SystemErrorText(processes, result.error).empty());
    // An empty command line (an unregistered uninstaller) fails too, without a crash.
    EXPECT_FALSE(StartProgram(processes, files, nullptr, "", nullptr).started);
}

TEST(FileExists, FileHeldOpenWithoutSharingCountsAsAbsent)
{
    ScratchFolder folder;
    const std::string path = folder / "locked.bin";
    ASSERT_TRUE(wintest::WriteBytes(path, {1, 2, 3}));
    win32::Files files;
    EXPECT_TRUE(FileExists(files, path.c_str()));
    HANDLE held = CreateFileA(path.c_str(), GENERIC_READ | GENERIC_WRITE, 0, NULL, OPEN_EXISTING, 0, NULL);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    EXPECT_FALSE(FileExists(files, path.c_str()));
    CloseHandle(held);
    EXPECT_TRUE(FileExists(files, path.c_str()));
    EXPECT_FALSE(FileExists(files, (folder / "missing.bin").c_str()));
}

TEST(RegistrationTool, ProbeFindsItAndRestoresTheDirectory)
{
    ScratchFolder folder;
    ASSERT_TRUE(CreateDirectoryA((folder / "ereg").c_str(), NULL));
    wintest::CurrentDirectoryScope inside(folder.path());
    win32::Files files;
    LauncherState state;
    ProbeRegistrationTool(state, files);
    EXPECT_FALSE(state.registrationToolPresent);
    ASSERT_TRUE(wintest::WriteBytes(folder / "ereg\\reg32.exe", {'M', 'Z'}));
    ProbeRegistrationTool(state, files);
    EXPECT_TRUE(state.registrationToolPresent);
    char now[MAX_PATH];
    GetCurrentDirectoryA(MAX_PATH, now);
    EXPECT_TRUE(wintest::SamePath(now, folder.path())) << now;
}

TEST(InstanceMutex, SecondCreationSeesTheFirst)
{
    win32::Instances desktop;
    bool exists = true;
    const platform::MutexHandle first = desktop.CreateNamedMutex("IronmarchWindowsTest", &exists);
    ASSERT_TRUE(first);
    EXPECT_FALSE(exists);
    const platform::MutexHandle second = desktop.CreateNamedMutex("IronmarchWindowsTest", &exists);
    EXPECT_TRUE(exists);
    desktop.CloseMutex(second);
    desktop.CloseMutex(first);
    const platform::MutexHandle third = desktop.CreateNamedMutex("IronmarchWindowsTest", &exists);
    EXPECT_FALSE(exists);
    desktop.CloseMutex(third);
}

TEST(CanonicalDirectory, TrailingSeparatorAndShortNameNameTheSameDirectory)
{
    ScratchFolder folder;
    const std::string longName = folder / "Long Directory Name";
    ASSERT_TRUE(CreateDirectoryA(longName.c_str(), NULL));
    char shortName[MAX_PATH];
    ASSERT_NE(GetShortPathNameA(longName.c_str(), shortName, MAX_PATH), 0u);
    win32::Files files;
    char a[1024], b[1024], c[1024];
    ASSERT_TRUE(files.CanonicalDirectory(longName.c_str(), a, sizeof a));
    ASSERT_TRUE(files.CanonicalDirectory((longName + "\\").c_str(), b, sizeof b));
    ASSERT_TRUE(files.CanonicalDirectory(shortName, c, sizeof c));
    EXPECT_TRUE(wintest::SamePath(a, b)) << a << " / " << b;
    EXPECT_TRUE(wintest::SamePath(a, c)) << a << " / " << c;
}

}  // namespace
