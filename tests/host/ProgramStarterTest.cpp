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

// A command line without a program is a failed start, and the shell never sees it.
TEST(StartProgram, AnEmptyCommandLineStartsNothing)
{
    fake::System system;
    system.nextStart = {false, win32values::kErrorElevationRequired};
    for (const char* line : {"", "   ", "\"\" rest"})
        EXPECT_FALSE(StartProgram(system, system, nullptr, line, nullptr).started) << line;
    EXPECT_EQ(system.Count("ShellExecuteEx"), 0u);
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

// A current directory too long to save whole is not left for the
// registration program's folder: the launcher could not come back to it.
TEST(RegistrationTool, NotProbedNorStartedFromADirectoryTooLongToComeBackTo)
{
    fake::System system;
    system.currentDirectory = "C:\\" + std::string(300, 'd');
    system.AddDirectory(system.currentDirectory), system.AddDirectory(system.currentDirectory + "\\ereg");
    system.AddFile(system.currentDirectory + "\\ereg\\reg32.exe");
    LauncherState state;
    ProbeRegistrationTool(state, system);
    LaunchRegistrationTool(system, system, false);
    EXPECT_FALSE(state.registrationToolPresent);
    EXPECT_EQ(system.Count("chdir") + system.Count("CreateProcess"), 0u);
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
