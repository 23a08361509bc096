#include <gtest/gtest.h>

#include "Fakes.h"
#include "directx/DirectXLibraries.h"

namespace {

using fakes::FakeDirectX;

struct LadderCase {
    const char* name;
    void (*setUp)(FakeDirectX&);
    DxVersion version;
    std::vector<std::string> traces;
};

const LadderCase kLadder[] = {
    {"everything", [](FakeDirectX&) {}, 0x800, {}},
    {"no D3D8.DLL", [](FakeDirectX& x) { x.libraries.erase("D3D8.DLL"); }, 0x700, {}},
    {"DirectDraw 7 refused", [](FakeDirectX& x) { x.createsDirectDraw7 = false; }, 0x601, {}},
    {"no DirectDrawCreateEx", [](FakeDirectX& x) { x.exports.erase("DirectDrawCreateEx"); }, 0x601, {}},
    {"no DirectMusic", [](FakeDirectX& x) { x.hasDirectMusic = false; }, 0x600,
     {"Couldn't create CLSID_DirectMusic\r\n"}},
    {"no surface 4", [](FakeDirectX& x) { x.hasSurface4 = false; }, 0x500, {}},
    {"no surface 3", [](FakeDirectX& x) { x.hasSurface3 = false; }, 0x300, {}},
    {"no primary surface", [](FakeDirectX& x) { x.createsSurface = false; }, 0, {"Couldn't CreateSurface\r\n"}},
    {"cooperative level refused", [](FakeDirectX& x) { x.grantsCooperativeLevel = false; }, 0,
     {"Couldn't Set coop level\r\n"}},
    {"no DirectInputCreateA", [](FakeDirectX& x) { x.exports.erase("DirectInputCreateA"); }, 0x200,
     {"Couldn't GetProcAddress DInputCreate\r\n"}},
    {"no DINPUT.DLL", [](FakeDirectX& x) { x.libraries.erase("DINPUT.DLL"); }, 0x200,
     {"Couldn't LoadLibrary DInput\r\n"}},
    {"no IDirectDraw2", [](FakeDirectX& x) { x.hasDirectDraw2 = false; }, 0x100, {"Couldn't QI DDraw2\r\n"}},
    {"DirectDraw refused", [](FakeDirectX& x) { x.createsDirectDraw = false; }, 0, {"Couldn't create DDraw\r\n"}},
    {"no DirectDrawCreate", [](FakeDirectX& x) { x.exports.erase("DirectDrawCreate"); }, 0,
     {"Couldn't create DDraw\r\n"}},
    {"no DDRAW.DLL", [](FakeDirectX& x) { x.libraries.erase("DDRAW.DLL"); }, 0, {}},
    {"version unknown", [](FakeDirectX& x) { x.versionAnswers = false; }, 0, {}},
    {"Windows 2000 climbs the whole ladder", [](FakeDirectX& x) { x.version = {2, 5, 0}; }, 0x800, {}},
    {"Windows NT 3.51", [](FakeDirectX& x) { x.version = {2, 3, 51}; }, 0, {}},
    {"Windows NT 4", [](FakeDirectX& x) { x.version = {2, 4, 0}; }, 0x300, {}},
    {"Windows NT 4 without DINPUT.DLL",
     [](FakeDirectX& x) {
         x.version = {2, 4, 0};
         x.libraries.erase("DINPUT.DLL");
     },
     0x200, {"Couldn't LoadLibrary DInput\r\n"}},
    {"Windows NT 4 without DirectInputCreateA",
     [](FakeDirectX& x) {
         x.version = {2, 4, 0};
         x.exports.erase("DirectInputCreateA");
     },
     0x200, {"Couldn't GetProcAddress DirectInputCreate\r\n"}},
    {"Windows NT 4 without DDRAW.DLL",
     [](FakeDirectX& x) {
         x.version = {2, 4, 0};
         x.libraries.erase("DDRAW.DLL");
     },
     0x200, {"Couldn't LoadLibrary DInput\r\n"}},
    {"D3D8.DLL alone counts for nothing",
     [](FakeDirectX& x) { x.libraries = {"D3D8.DLL"}; }, 0, {}},
};

class Ladder : public testing::TestWithParam<LadderCase> {};

TEST_P(Ladder, ReachesItsRungAndReleasesEverything)
{
    const LadderCase& c = GetParam();
    fakes::Log log;
    FakeDirectX runtime(log);
    c.setUp(runtime);
    DirectXLibraries libraries;
    LoadDirectXLibraries(libraries, runtime);
    EXPECT_EQ(DetectDirectXVersion(libraries, runtime), c.version) << c.name;
    EXPECT_EQ(runtime.traces, c.traces) << c.name;
    EXPECT_TRUE(runtime.liveObjects.empty()) << c.name << ": " << runtime.liveObjects.size() << " not released";
    EXPECT_EQ(runtime.comInitialised, 0) << c.name;
    UnloadDirectXLibraries(libraries, runtime);
    EXPECT_TRUE(runtime.loadedModules.empty()) << c.name;
}

INSTANTIATE_TEST_SUITE_P(EveryRung, Ladder, testing::ValuesIn(kLadder),
                         [](const testing::TestParamInfo<LadderCase>& info) { return "case" + std::to_string(info.index); });

TEST(DetectDirectXVersion, NtFourNeverTouchesDirectDraw)
{
    fakes::Log log;
    FakeDirectX runtime(log);
    runtime.version = {2, 4, 0};
    DirectXLibraries libraries;
    LoadDirectXLibraries(libraries, runtime);
    DetectDirectXVersion(libraries, runtime);
    EXPECT_EQ(runtime.directDrawCalls, 0);
    UnloadDirectXLibraries(libraries, runtime);
}

TEST(DirectXLibraries, LoadAndUnloadStates)
{
    fakes::Log log;
    FakeDirectX runtime(log);
    DirectXLibraries libraries;
    LoadDirectXLibraries(libraries, runtime);
    EXPECT_TRUE(libraries.librariesLoaded && libraries.ddrawLoaded && libraries.dinputLoaded);
    EXPECT_NE(libraries.directDrawCreate, 0u);
    EXPECT_NE(libraries.directInputCreate, 0u);
    // A second load without an unload does nothing.
    LoadDirectXLibraries(libraries, runtime);
    EXPECT_EQ(runtime.loads, (std::vector<std::string>{"DDRAW.DLL", "DINPUT.DLL"}));
    UnloadDirectXLibraries(libraries, runtime);
    UnloadDirectXLibraries(libraries, runtime);  // harmless
    EXPECT_TRUE(runtime.loadedModules.empty());
    EXPECT_FALSE(libraries.librariesLoaded || libraries.ddrawLoaded || libraries.dinputLoaded);
    EXPECT_EQ(libraries.directDrawCreate, 0u);

    DirectXLibraries never;
    UnloadDirectXLibraries(never, runtime);  // without a load
}

TEST(DirectXLibraries, LoadThatStoppedAtDInputIsRetriedInFull)
{
    fakes::Log log;
    FakeDirectX runtime(log);
    runtime.libraries.erase("DINPUT.DLL");
    DirectXLibraries libraries;
    LoadDirectXLibraries(libraries, runtime);
    EXPECT_TRUE(libraries.ddrawLoaded);
    EXPECT_FALSE(libraries.dinputLoaded);
    EXPECT_FALSE(libraries.librariesLoaded);
    UnloadDirectXLibraries(libraries, runtime);
    runtime.libraries.insert("DINPUT.DLL");
    runtime.loads.clear();
    LoadDirectXLibraries(libraries, runtime);
    EXPECT_EQ(runtime.loads, (std::vector<std::string>{"DDRAW.DLL", "DINPUT.DLL"}));
    EXPECT_TRUE(libraries.librariesLoaded);
    UnloadDirectXLibraries(libraries, runtime);
}

TEST(DirectXLibraries, MissingDDrawStopsBeforeDInput)
{
    fakes::Log log;
    FakeDirectX runtime(log);
    runtime.libraries.erase("DDRAW.DLL");
    DirectXLibraries libraries;
    LoadDirectXLibraries(libraries, runtime);
    EXPECT_EQ(runtime.loads, std::vector<std::string>{"DDRAW.DLL"});
    EXPECT_FALSE(libraries.ddrawLoaded || libraries.dinputLoaded);
}

}  // namespace
