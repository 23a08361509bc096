// Starting programs (with the shell's fallback for programs that need
// elevation) and web pages.
#include <gtest/gtest.h>

#include "FakeSystem.h"
#include "commands/ProgramStarter.h"
#include "platform/Win32Values.h"

namespace {

// What the shell is asked to open: the files that exist (";"-separated, a
// trailing "\" for a folder) decide where an unquoted program ends.
TEST(StartProgram, ProgramNeedingElevationGoesThroughTheShell)
{
    const struct {
        const char *program, *commandLine, *files, *file, *parameters;
    } cases[] = {
        {nullptr, "\"C:\\Program Files\\Ironmarch\\uninstall.exe\" /remove now", "",
         "C:\\Program Files\\Ironmarch\\uninstall.exe", "/remove now"},
        {nullptr, "C:\\Program Files\\I\\UNWISE.EXE C:\\Program Files\\I\\INSTALL.LOG",
         "C:\\Program\\;C:\\Program Files\\I\\UNWISE.EXE", "C:\\Program Files\\I\\UNWISE.EXE",
         "C:\\Program Files\\I\\INSTALL.LOG"},
        {nullptr, "C:\\G\\.x y /z", "C:\\G\\.x y", "C:\\G\\.x y", "/z"},  // a name that is all extension
        {nullptr, "\"C:\\unterminated", "", "C:\\unterminated", "(null)"},  // nothing read past its end
        {"dxsetup.exe", nullptr, "", "dxsetup.exe", "(null)"},
        {nullptr, "C:\\Games.old\\unwise /x", "C:\\Games.old\\unwise.exe", "C:\\Games.old\\unwise.exe", "/x"},
        {nullptr, "\"C:\\a b\\u.exe\"/x", "", "C:\\a b\\u.exe", "/x"},
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

// A failed open (32 or less) shows its text once; a started browser, nothing.
TEST(OpenWebPage, AFailureAndOnlyAFailureIsShown)
{
    for (std::intptr_t result : {33, 32, 0}) {
        fake::System system;
        system.documentResult = result;
        OpenWebPage(system, system, system.texts, "http://www.example.com/");
        EXPECT_EQ(system.Count("MessageBox IronmarchLauncher: "), result > 32 ? 0u : 1u) << result;
    }
}

}  // namespace
