// Libraries loaded at run time: from the system directory, with their own
// imports from there, on every Windows from 95 to 11.
#include <gtest/gtest.h>

#include "FakeSystem.h"
#include "platform/SystemLibraries.h"

namespace {

TEST(SystemLibraries, FromTheSystemDirectoryOnEveryWindowsOrNotAtAll)
{
    fake::System system;
    platform::SystemLibraries libraries(system);
    // Where the search cannot be limited to the system directory (95 to 7),
    // the current directory is taken out of it, and each library's own
    // imports are looked for beside it (LOAD_WITH_ALTERED_SEARCH_PATH).
    system.hasDefaultDllSearch = false;
    libraries.RestrictSearch();
    EXPECT_EQ(system.log, (fake::Log{"SetDefaultDllDirectories 2048", "SetDllDirectory \"\""}));
    system.systemDirectory = "C:\\";  // a root keeps its one separator
    EXPECT_TRUE(libraries.Load("ddraw.dll"));
    system.systemDirectory = "C:\\" + std::string(246, 'x');  // the path fills MAX_PATH exactly
    EXPECT_TRUE(libraries.Load("ddraw.dll"));
    system.systemDirectory = "C:\\" + std::string(247, 'x');
    EXPECT_FALSE(libraries.Load("ddraw.dll"));
    system.systemDirectory = "C:\\" + std::string(300, 'x');
    EXPECT_FALSE(libraries.Load("ddraw.dll"));
    EXPECT_EQ(system.Calls("LoadLibraryEx ").front(), "C:\\ddraw.dll 8");
    EXPECT_EQ(system.Count("LoadLibraryEx "), 2u);
    // A library that is missing now is looked for again next time.
    system.systemDirectory = "C:\\W";
    system.absent = {"shell32.dll"};
    EXPECT_FALSE(libraries.Function("shell32.dll", "ShellExecuteA"));
    system.absent.clear();
    EXPECT_TRUE(libraries.Function("shell32.dll", "ShellExecuteA"));
    EXPECT_EQ(system.Count("LoadLibraryEx C:\\W\\shell32.dll"), 2u);
    // Limited (8 and later, and 7 with its update): the library's folder and then the system directory.
    system.hasDefaultDllSearch = true;
    libraries.RestrictSearch();
    EXPECT_TRUE(libraries.Function("winmm.dll", "PlaySoundA") && libraries.Function("winmm.dll", "PlaySoundA"));
    EXPECT_EQ(system.Calls("LoadLibraryEx ").back(), "C:\\W\\winmm.dll 2304");  // loaded once, and kept
    EXPECT_EQ(system.Count("LoadLibraryEx C:\\W\\winmm.dll"), 1u);
}

}  // namespace
