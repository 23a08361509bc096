#include <gtest/gtest.h>

#include "Fakes.h"
#include "core/LauncherState.h"
#include "commands/ProgramStarter.h"
#include "platform/Win32Values.h"
#include "platform/VolumeRoot.h"

namespace {

using fakes::FakePlatform;

TEST(StartProgram, PassesTheThreeTextsAsGiven)
{
    FakePlatform fake;
    const platform::StartResult result =
        StartProgram(fake.processes, fake.files, "dxsetup.exe", nullptr, "E:\\DirectX");
    EXPECT_TRUE(result.started);
    ASSERT_EQ(fake.processes.starts.size(), 1u);
    EXPECT_EQ(fake.processes.starts[0].application, "dxsetup.exe");
    EXPECT_EQ(fake.processes.starts[0].commandLine, "(null)");
    EXPECT_EQ(fake.processes.starts[0].directory, "E:\\DirectX");
    EXPECT_FALSE(fake.processes.starts[0].wait);
    EXPECT_TRUE(fake.processes.shellStarts.empty());
}

TEST(StartProgram, OtherFailuresAreReturnedWithoutTheShell)
{
    FakePlatform fake;
    fake.processes.nextStart = {false, 2};
    const platform::StartResult result = StartProgram(fake.processes, fake.files, nullptr, "setup.exe", nullptr);
    EXPECT_FALSE(result.started);
    EXPECT_EQ(result.error, 2u);
    EXPECT_TRUE(fake.processes.shellStarts.empty());
}

// A program that needs elevation: what the shell is asked to open, with the
// files that exist (";"-separated) deciding where an unquoted program ends.
struct ElevationCase {
    const char* program;
    const char* commandLine;
    const char* files;
    const char* file;
    const char* parameters;
};

TEST(StartProgram, ProgramNeedingElevationGoesThroughTheShell)
{
    const ElevationCase cases[] = {
        {nullptr, "setup.exe", "setup.exe", "setup.exe", "(null)"},
        {nullptr, "\"C:\\Program Files\\Ironmarch\\uninstall.exe\" /remove now", "", "C:\\Program Files\\Ironmarch\\uninstall.exe",
         "/remove now"},
        {nullptr, "  C:\\Games\\unwise.exe  C:\\Games\\install.log", "C:\\Games\\unwise.exe", "C:\\Games\\unwise.exe",
         "C:\\Games\\install.log"},
        // Unquoted with blanks, as older installers wrote it; a folder C:\Program is no program.
        {nullptr, "C:\\Program Files\\Ironmarch\\UNWISE.EXE C:\\Program Files\\Ironmarch\\INSTALL.LOG",
         "C:\\Program Files\\Ironmarch\\UNWISE.EXE", "C:\\Program Files\\Ironmarch\\UNWISE.EXE",
         "C:\\Program Files\\Ironmarch\\INSTALL.LOG"},
        {nullptr, "C:\\Program Files\\Ironmarch\\UNWISE.EXE C:\\Program Files\\Ironmarch\\INSTALL.LOG",
         "C:\\Program\\;C:\\Program Files\\Ironmarch\\UNWISE.EXE", "C:\\Program Files\\Ironmarch\\UNWISE.EXE",
         "C:\\Program Files\\Ironmarch\\INSTALL.LOG"},
        // The first prefix that names a file wins, ".exe" added where the name has no extension.
        {nullptr, "C:\\Program Files\\Iron march\\unwise /x", "C:\\Program.exe;C:\\Program Files\\Iron march\\unwise.exe",
         "C:\\Program.exe", "Files\\Iron march\\unwise /x"},
        {nullptr, "C:\\Program Files\\Iron march\\unwise /x", "C:\\Program Files\\Iron march\\unwise.exe",
         "C:\\Program Files\\Iron march\\unwise.exe", "/x"},
        // No prefix names a file: the first word, for the shell's own search.
        {nullptr, "unwise.exe /x", "", "unwise.exe", "/x"},
        {nullptr, "u.exe\t-a -b", "", "u.exe", "-a -b"},
        {nullptr, "\"C:\\unterminated", "", "C:\\unterminated", "(null)"},
        // A program beside its command line: its name reaches it once.
        {"dxsetup.exe", nullptr, "", "dxsetup.exe", "(null)"},
        {"E:\\Direct X\\dxsetup.exe", "\"E:\\Direct X\\dxsetup.exe\" /silent", "", "E:\\Direct X\\dxsetup.exe",
         "/silent"},
        // A dot in a folder's name is no extension; a closing quote ends the program's name.
        {nullptr, "C:\\Games.old\\unwise /x", "C:\\Games.old\\unwise.exe", "C:\\Games.old\\unwise.exe", "/x"},
        {nullptr, "\"C:\\a b\\u.exe\"/x", "", "C:\\a b\\u.exe", "/x"},
    };
    for (const ElevationCase& c : cases) {
        for (bool wait : {false, true}) {
            FakePlatform fake;
            std::string files = c.files;
            for (std::size_t at = 0; at <= files.size();) {
                const std::size_t end = std::min(files.find(';', at), files.size());
                const std::string path = files.substr(at, end - at);
                if (!path.empty() && path.back() == '\\')
                    fake.files.AddDirectory(path.substr(0, path.size() - 1));
                else if (!path.empty())
                    fake.files.AddFile(path);
                at = end + 1;
            }
            fake.processes.nextStart = {false, win32values::kErrorElevationRequired};
            fake.processes.nextShellStart = {true, 0};
            const char* what = c.commandLine ? c.commandLine : c.program;
            EXPECT_TRUE(StartProgram(fake.processes, fake.files, c.program, c.commandLine, "D:\\", wait).started);
            ASSERT_EQ(fake.processes.shellStarts.size(), 1u) << what;
            EXPECT_EQ(fake.processes.shellStarts[0].application, c.file) << what;
            EXPECT_EQ(fake.processes.shellStarts[0].commandLine, c.parameters) << what;
            EXPECT_EQ(fake.processes.shellStarts[0].directory, "D:\\") << what;
            EXPECT_EQ(fake.processes.shellStarts[0].wait, wait) << what;
        }
    }
}

TEST(StartProgram, AFailedOrImpossibleFallbackIsAFailedStart)
{
    FakePlatform fake;
    fake.processes.nextStart = {false, win32values::kErrorElevationRequired};
    fake.processes.nextShellStart = {false, 1223};  // the user said no
    const platform::StartResult refused = StartProgram(fake.processes, fake.files, nullptr, "setup.exe", nullptr);
    EXPECT_FALSE(refused.started);
    EXPECT_EQ(refused.error, 1223u);
    for (const char* line : {"", "   ", "\"\" rest"}) {
        EXPECT_FALSE(StartProgram(fake.processes, fake.files, nullptr, line, nullptr).started) << line;
    }
    EXPECT_EQ(fake.processes.shellStarts.size(), 1u);
}

TEST(OpenWebPage, EachShellResultHasItsText)
{
    const struct {
        std::intptr_t result;
        const char* text;  // null: nothing shown
    } cases[] = {
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
        {-2147483647 - 1, "Unable to jump to URL."},
    };
    for (const auto& c : cases) {
        FakePlatform fake;
        fake.processes.documentResult = c.result;
        OpenWebPage(fake.processes, fake.dialogs, "http://www.example.com/");
        ASSERT_EQ(fake.processes.documents, std::vector<std::string>{"http://www.example.com/"});
        if (c.text == nullptr) {
            EXPECT_TRUE(fake.dialogs.boxes.empty()) << c.result;
            continue;
        }
        ASSERT_EQ(fake.dialogs.boxes.size(), 1u) << c.result;
        EXPECT_EQ(fake.dialogs.boxes[0].text, c.text) << c.result;
        EXPECT_EQ(fake.dialogs.boxes[0].caption, "IronmarchLauncher");
        EXPECT_EQ(fake.dialogs.boxes[0].style, 0x10u);
    }
}

struct RegistrationFixture : testing::Test {
    FakePlatform fake;
    LauncherState state;
    void SetUp() override { fake.files.currentDirectory = "D:\\"; }
};

TEST_F(RegistrationFixture, ProbeAtADriveRootUsesTheDoubledSeparatorAndComesBack)
{
    fake.files.AddDirectory("D:\\");
    fake.files.AddDirectory("D:\\\\ereg");
    fake.files.AddFile("D:\\\\ereg\\reg32.exe");
    ProbeRegistrationTool(state, fake.files);
    EXPECT_TRUE(state.registrationToolPresent);
    EXPECT_EQ(fake.files.currentDirectory, "D:\\");
    EXPECT_EQ(fake.log, (fakes::Log{"chdir D:\\\\ereg", "fopen D:\\\\ereg\\reg32.exe ok", "chdir D:\\"}));
}

TEST_F(RegistrationFixture, WithoutTheFolderTheProbeLooksInTheCurrentDirectory)
{
    fake.files.AddDirectory("D:\\");
    ProbeRegistrationTool(state, fake.files);
    EXPECT_FALSE(state.registrationToolPresent);
    fake.files.AddFile("D:\\reg32.exe");
    ProbeRegistrationTool(state, fake.files);
    EXPECT_TRUE(state.registrationToolPresent);
    EXPECT_EQ(fake.files.currentDirectory, "D:\\");
}

TEST_F(RegistrationFixture, LaunchRunsInTheRegistrationFolderAndRestoresTheDirectoryOnEveryPath)
{
    fake.files.currentDirectory = "C:\\Games\\Ironmarch";
    fake.files.AddDirectory("C:\\Games\\Ironmarch");
    fake.files.AddDirectory("C:\\Games\\Ironmarch\\ereg");
    for (bool starts : {true, false}) {
        fake.processes.starts.clear();
        fake.processes.nextStart = {starts, starts ? 0u : 2u};
        LaunchRegistrationTool(fake.files, fake.processes, false);
        ASSERT_EQ(fake.processes.starts.size(), 1u);
        EXPECT_EQ(fake.processes.starts[0].application, "reg32.exe");
        EXPECT_EQ(fake.processes.starts[0].commandLine, "(null)");
        EXPECT_EQ(fake.processes.starts[0].directory, "(null)");
        EXPECT_EQ(fake.processes.starts[0].currentDirectory, "C:\\Games\\Ironmarch\\ereg");
        EXPECT_EQ(fake.files.currentDirectory, "C:\\Games\\Ironmarch");
    }
}

TEST_F(RegistrationFixture, DirectoryTooLongToSaveIsNeverChanged)
{
    fake.files.currentDirectory = "C:\\" + std::string(300, 'd');
    fake.files.AddDirectory(fake.files.currentDirectory + "\\ereg");
    fake.files.AddFile(fake.files.currentDirectory + "\\ereg\\reg32.exe");
    ProbeRegistrationTool(state, fake.files);
    EXPECT_FALSE(state.registrationToolPresent);
    LaunchRegistrationTool(fake.files, fake.processes, false);
    EXPECT_TRUE(fake.processes.starts.empty());
    EXPECT_TRUE(std::none_of(fake.log.begin(), fake.log.end(),
                             [](const std::string& line) { return line.rfind("chdir", 0) == 0; }));
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
