// Libraries loaded at run time: from the system directory, with their own
// imports from there, on every Windows from 95 to 11.
#include <gtest/gtest.h>

#include "FakeSystem.h"
#include "platform/SystemLibraries.h"

namespace {

TEST(SystemLibraries, TheirImportsComeFromTheSystemDirectoryOnEveryWindows)
{
    const struct {
        const char* windows;
        bool defaultSearch, searchDirectory;
        const char* flags;  // LoadLibraryExA's
    } cases[] = {
        {"8 and later", true, true, "2304"},  // LOAD_LIBRARY_SEARCH_DLL_LOAD_DIR | LOAD_LIBRARY_SEARCH_SYSTEM32
        {"XP SP1 to 7", false, true, "8"},    // LOAD_WITH_ALTERED_SEARCH_PATH
        {"95 to XP", false, false, "8"},
    };
    for (const auto& c : cases) {
        fake::System system;
        system.hasDefaultDllSearch = c.defaultSearch;
        system.hasDllSearchDirectory = c.searchDirectory;
        platform::SystemLibraries libraries(system);
        libraries.RestrictSearch();
        EXPECT_EQ(system.log, (fake::Log{"SetDefaultDllDirectories 2048", "SetDllDirectory \"\""})) << c.windows;
        // Loaded once, and kept for the next call.
        EXPECT_TRUE(libraries.Function("winmm.dll", "PlaySoundA"));
        EXPECT_TRUE(libraries.Function("winmm.dll", "PlaySoundA"));
        EXPECT_TRUE(libraries.Function("shell32.dll", "ShellExecuteA"));
        EXPECT_EQ(system.Calls("LoadLibraryEx "), (fake::Log{std::string("C:\\WINDOWS\\system32\\winmm.dll ") + c.flags,
                                                             std::string("C:\\WINDOWS\\system32\\shell32.dll ") + c.flags}))
            << c.windows;
    }
}

TEST(SystemLibraries, APathThatDoesNotFitOrAMissingLibraryLoadsNothing)
{
    fake::System system;
    platform::SystemLibraries libraries(system);
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
}

}  // namespace
