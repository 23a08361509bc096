// Starting programs (with the shell's fallback for programs that need
// elevation), web pages, and the registration program's folder.
#include <gtest/gtest.h>

#include <set>

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
        {nullptr, "C:\\G\\.x y /z", "C:\\G\\.x y", "C:\\G\\.x y", "/z"},  // a name that is all extension
        {nullptr, "\"C:\\unterminated", "", "C:\\unterminated", "(null)"},
        {"dxsetup.exe", nullptr, "", "dxsetup.exe", "(null)"},
        {nullptr, "C:\\Games.old\\unwise /x", "C:\\Games.old\\unwise.exe", "C:\\Games.old\\unwise.exe", "/x"},
        {nullptr, "\"C:\\a b\\u.exe\"/x", "", "C:\\a b\\u.exe", "/x"},
        {"reg32.exe", "reg32.exe  /a /b", "", "reg32.exe", "/a /b"},
    };
    for (const auto& c : cases) {
        const bool wait = c.program != nullptr;  // passed on as it came
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
        EXPECT_EQ(system.Calls("ShellExecuteEx "),
                  fake::Log{std::string(c.file) + " | " + c.parameters + " | D:\\" + (wait ? " wait" : "")});
    }
}

// A program named without a path is looked for where CreateProcessA looks,
// in its order; the first place that has it wins.
TEST(StartProgram, TheShellGetsTheProgramFromWhereCreateProcessWouldTakeIt)
{
    const std::vector<std::string> places = {"E:\\Launcher\\", "D:\\Current\\", "C:\\WINDOWS\\system32\\",
                                             "C:\\WINDOWS\\System\\", "C:\\WINDOWS\\", "C:\\Tools\\", "F:\\Bin\\"};
    for (std::size_t first = 0; first <= places.size(); ++first) {
        fake::System system;
        system.programDirectory = "E:\\Launcher";
        system.currentDirectory = "D:\\Current";
        system.pathVariable = "C:\\Tools;F:\\Bin\\;;";  // empty entries are skipped
        fake::Log probes;
        for (std::size_t n = 0; n < places.size(); ++n) {
            if (n >= first)
                system.AddFile(places[n] + "unwise.exe");
            if (n <= first)
                probes.push_back(places[n] + "unwise.exe" + (n == first ? " ok" : " missing"));
        }
        system.nextStart = {false, win32values::kErrorElevationRequired};
        StartProgram(system, system, nullptr, "unwise", nullptr);
        EXPECT_EQ(system.Calls("fopen "), probes) << first;
        const std::string program = first < places.size() ? places[first] + "unwise.exe" : "unwise";
        EXPECT_EQ(system.Calls("ShellExecuteEx "), fake::Log{program + " | (null) | (null)"});
    }
}

TEST(StartProgram, OtherFailuresAndAFailedFallbackAreFailedStarts)
{
    fake::System system;
    system.nextStart = {false, 2};
    const platform::StartResult failed = StartProgram(system, system, "dxsetup.exe", nullptr, "E:\\DirectX");
    EXPECT_FALSE(failed.started);
    EXPECT_EQ(failed.error, 2u);
    EXPECT_EQ(system.log, fake::Log{"CreateProcess dxsetup.exe | (null) | E:\\DirectX @D:\\"});
    system.nextStart = {false, win32values::kErrorElevationRequired};
    system.nextShellStart = {false, 1223};  // the user said no
    EXPECT_EQ(StartProgram(system, system, nullptr, "setup.exe", nullptr).error, 1223u);
    for (const char* line : {"", "   ", "\"\" rest"})
        EXPECT_FALSE(StartProgram(system, system, nullptr, line, nullptr).started) << line;
    EXPECT_EQ(system.Count("ShellExecuteEx"), 1u);
}

// A failed open shows its result's text once. Every error ShellExecute
// documents has a text of its own; any other result gets the general one.
TEST(OpenWebPage, EachDocumentedErrorHasItsOwnText)
{
    fake::System words;
    const std::string general = words.texts.Text(WebPageErrorTextId(-1));
    ASSERT_EQ(general, "Unable to jump to URL.");
    std::set<std::string> texts;
    for (std::intptr_t result : {33, 42, 0, 2, 3, 5, 8, 11, 26, 27, 28, 29, 30, 31, 32, 1, 4, -1}) {
        fake::System system;
        system.documentResult = result;
        OpenWebPage(system, system, system.texts, "http://www.example.com/");
        const bool documented = result == 0 || (result >= 2 && result != 4 && result <= 32 && (result <= 11 || result >= 26));
        const std::string text = result > 32 ? "" : words.texts.Text(WebPageErrorTextId(result));
        EXPECT_EQ(system.Calls("MessageBox IronmarchLauncher: "), result > 32 ? fake::Log{} : fake::Log{text + " [error]"}) << result;
        EXPECT_EQ(documented, result <= 32 && text != general && texts.insert(text).second) << result;
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
        EXPECT_EQ(system.Calls("CreateProcess "),
                  saved ? fake::Log{"reg32.exe | (null) | (null) @" + (c.folder.empty() ? c.current : c.folder)} : fake::Log{});
    }
}

TEST(VolumeRootFor, DriveWithItsColonGetsItsSeparatorAndTooLongIsRefused)
{
    for (const auto& c : std::vector<std::pair<const char*, const char*>>{
             {"E:", "E:\\"}, {"e:", "e:\\"}, {"E:\\", "E:\\"}, {"E", "E"}, {"", ""}, {"E:\\DirectX", nullptr}}) {
        char root[4] = "###";
        EXPECT_EQ(platform::VolumeRootFor(c.first, root, sizeof root), c.second != nullptr) << c.first;
        EXPECT_STREQ(root, c.second ? c.second : "") << c.first;
    }
}

}  // namespace
