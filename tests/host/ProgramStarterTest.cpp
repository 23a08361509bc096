// Starting programs (with the shell's fallback for programs that need
// elevation), web pages, and the registration program's folder.
#include <gtest/gtest.h>

#include "FakeSystem.h"
#include "commands/ProgramStarter.h"
#include "core/LauncherState.h"
#include "platform/VolumeRoot.h"
#include "platform/Win32Values.h"

namespace {

// What the shell is asked to open: the files that exist (";"-separated, a
// trailing "\" for a folder) decide where an unquoted program ends.
TEST(StartProgram, ProgramNeedingElevationGoesThroughTheShell)
{
    const struct {
        const char *program, *commandLine, *files, *file, *parameters;
    } cases[] = {
        {nullptr, "setup.exe", "setup.exe", "setup.exe", "(null)"},
        {nullptr, "\"C:\\Program Files\\Ironmarch\\uninstall.exe\" /remove now", "",
         "C:\\Program Files\\Ironmarch\\uninstall.exe", "/remove now"},
        {nullptr, "  C:\\Games\\unwise.exe  C:\\Games\\install.log", "C:\\Games\\unwise.exe", "C:\\Games\\unwise.exe",
         "C:\\Games\\install.log"},
        {nullptr, "C:\\Program Files\\I\\UNWISE.EXE C:\\Program Files\\I\\INSTALL.LOG",
         "C:\\Program\\;C:\\Program Files\\I\\UNWISE.EXE", "C:\\Program Files\\I\\UNWISE.EXE",
         "C:\\Program Files\\I\\INSTALL.LOG"},
        {nullptr, "C:\\Program Files\\Iron march\\unwise /x", "C:\\Program.exe;C:\\Program Files\\Iron march\\unwise.exe",
         "C:\\Program.exe", "Files\\Iron march\\unwise /x"},
        {nullptr, "C:\\Program Files\\Iron march\\unwise /x", "C:\\Program Files\\Iron march\\unwise.exe",
         "C:\\Program Files\\Iron march\\unwise.exe", "/x"},
        {nullptr, "unwise.exe /x", "", "unwise.exe", "/x"},
        {nullptr, "u.exe\t-a -b", "", "u.exe", "-a -b"},
        {nullptr, "\"C:\\unterminated", "", "C:\\unterminated", "(null)"},
        {"dxsetup.exe", nullptr, "", "dxsetup.exe", "(null)"},
        {"E:\\Direct X\\dxsetup.exe", "\"E:\\Direct X\\dxsetup.exe\" /silent", "", "E:\\Direct X\\dxsetup.exe", "/silent"},
        {nullptr, "C:\\Games.old\\unwise /x", "C:\\Games.old\\unwise.exe", "C:\\Games.old\\unwise.exe", "/x"},
        {nullptr, "\"C:\\a b\\u.exe\"/x", "", "C:\\a b\\u.exe", "/x"},
    };
    for (const auto& c : cases) {
        for (bool wait : {false, true}) {
            fake::System system;
            std::string files = c.files;
            for (std::size_t at = 0, end; at < files.size(); at = end + 1) {
                end = std::min(files.find(';', at), files.size());
                const std::string path = files.substr(at, end - at);
                if (path.back() == '\\')
                    system.AddDirectory(path.substr(0, path.size() - 1));
                else
                    system.AddFile(path);
            }
            system.nextStart = {false, win32values::kErrorElevationRequired};
            EXPECT_TRUE(StartProgram(system, system, c.program, c.commandLine, "D:\\", wait).started);
            ASSERT_EQ(system.starts.size(), 2u);
            const fake::Start& shell = system.starts[1];
            EXPECT_EQ(shell.kind + " " + shell.application + " | " + shell.commandLine,
                      std::string("ShellExecuteEx ") + c.file + " | " + c.parameters);
            EXPECT_EQ(shell.directory, "D:\\");
            EXPECT_EQ(shell.wait, wait);
        }
    }
}

TEST(StartProgram, OtherFailuresAndAFailedFallbackAreFailedStarts)
{
    fake::System system;
    system.nextStart = {false, 2};
    const platform::StartResult failed = StartProgram(system, system, "dxsetup.exe", nullptr, "E:\\DirectX");
    EXPECT_FALSE(failed.started);
    EXPECT_EQ(failed.error, 2u);
    EXPECT_EQ(system.log, fake::Log{"CreateProcess dxsetup.exe | (null) | E:\\DirectX"});
    system.nextStart = {false, win32values::kErrorElevationRequired};
    system.nextShellStart = {false, 1223};  // the user said no
    EXPECT_EQ(StartProgram(system, system, nullptr, "setup.exe", nullptr).error, 1223u);
    for (const char* line : {"", "   ", "\"\" rest"})
        EXPECT_FALSE(StartProgram(system, system, nullptr, line, nullptr).started) << line;
    EXPECT_EQ(system.Count("ShellExecuteEx"), 1u);
}

TEST(OpenWebPage, EachShellResultHasItsText)
{
    const std::pair<std::intptr_t, const char*> cases[] = {
        {33, nullptr},
        {42, nullptr},
        {0, "The operating system is out of memory or resources."},
        {2, "The specified file was not found."},
        {3, "The specified path was not found"},
        {5, "The operating system denied access to the specified file. "},
        {8, "There was not enough memory to complete the operation."},
        {11, "The .EXE file is invalid (non-Win32 .EXE or error in .EXE image)."},
        {26, "A sharing violation occurred."},
        {27, "The filename association is incomplete or invalid.\r\n(You need to have a default Internet browser "
             "installed)"},
        {28, "The DDE transaction could not be completed because the request timed out."},
        {29, "The DDE transaction failed."},
        {30, "The DDE transaction could not be completed because other DDE transactions were being processed."},
        {31, "There is no application associated with the given file name extension."},
        {32, "The specified dynamic-link library was not found."},
        {1, "Unable to jump to URL."},
        {4, "Unable to jump to URL."},
        {25, "Unable to jump to URL."},
        {-1, "Unable to jump to URL."},
    };
    for (const auto& c : cases) {
        fake::System system;
        system.documentResult = c.first;
        OpenWebPage(system, system, "http://www.example.com/");
        EXPECT_EQ(system.log.front(), "open http://www.example.com/");
        ASSERT_EQ(system.boxes.size(), c.second ? 1u : 0u) << c.first;
        if (c.second != nullptr) {
            EXPECT_EQ(system.boxes[0].text, c.second);
            EXPECT_EQ(system.boxes[0].caption, "IronmarchLauncher");
            EXPECT_EQ(system.boxes[0].style, 0x10u);
        }
    }
}

TEST(RegistrationTool, ProbedAndStartedInItsFolderWhichIsAlwaysLeftAgain)
{
    const struct {
        std::string current, folder;  // the folder is made when not empty
        bool tool, starts;
    } cases[] = {
        {"D:\\", "D:\\\\ereg", true, true},  // a drive root doubles the separator
        {"C:\\Games\\Ironmarch", "C:\\Games\\Ironmarch\\ereg", true, false},
        {"D:\\", "", false, true},            // without the folder: the current directory
        {"C:\\" + std::string(300, 'd'), "C:\\" + std::string(300, 'd') + "\\ereg", false, true},  // too long to save
    };
    for (const auto& c : cases) {
        fake::System system;
        system.currentDirectory = c.current;
        system.AddDirectory(c.current);
        if (!c.folder.empty())
            system.AddDirectory(c.folder), system.AddFile(c.folder + "\\reg32.exe");
        system.nextStart = {c.starts, c.starts ? 0u : 2u};
        LauncherState state;
        ProbeRegistrationTool(state, system);
        EXPECT_EQ(state.registrationToolPresent, c.tool) << c.folder;
        LaunchRegistrationTool(system, system, false);
        EXPECT_EQ(system.currentDirectory, c.current);
        const bool saved = c.current.size() < 260;
        EXPECT_EQ(system.Count("chdir"), saved ? 4u : 0u);
        ASSERT_EQ(system.starts.size(), saved ? 1u : 0u);
        if (saved) {
            EXPECT_EQ(system.starts[0].application, "reg32.exe");
            EXPECT_EQ(system.starts[0].currentDirectory, c.folder.empty() ? c.current : c.folder);
            EXPECT_FALSE(system.starts[0].wait);
        }
    }
}

TEST(VolumeRootFor, DriveWithItsColonGetsItsSeparator)
{
    const struct {
        const char* drive;
        bool ok;
        const char* root;
    } cases[] = {{"E:", true, "E:\\"}, {"e:", true, "e:\\"}, {"E:\\", true, "E:\\"},
                 {"E", true, "E"},     {"", true, ""},       {"E:\\DirectX", false, ""}};
    for (const auto& c : cases) {
        char root[4] = "###";
        EXPECT_EQ(platform::VolumeRootFor(c.drive, root, sizeof root), c.ok) << c.drive;
        EXPECT_STREQ(root, c.root) << c.drive;
    }
}

}  // namespace
