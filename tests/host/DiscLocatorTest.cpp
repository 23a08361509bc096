// Finding the game's disc by its volume label, and the Insert Disc dialog's decisions.
#include <gtest/gtest.h>

#include "FakeSystem.h"
#include "core/BoundedText.h"
#include "core/LauncherState.h"
#include "disc/DiscLocator.h"

namespace {

constexpr unsigned kFixed = 3, kCdrom = 5;

struct Disc : testing::Test {
    fake::System system;
    LauncherState state;
    void SetUp() override { state.discLabel = "IRM_1"; }
    std::vector<std::string> Calls(const std::string& prefix) const
    {
        std::vector<std::string> calls;
        for (const std::string& line : system.log)
            if (line.rfind(prefix, 0) == 0)
                calls.push_back(line.substr(prefix.size()));
        return calls;
    }
};

TEST_F(Disc, FindDiscDriveComparesLabelsWithoutCaseFromDOn)
{
    system.drives = {{'C', {kCdrom, true, "IRM_1"}}, {'D', {kFixed, true, "IRM_1"}}, {'E', {kCdrom, true, "OTHER"}},
                     {'F', {kCdrom, true, "irm_1"}}, {'G', {kCdrom, false, ""}}};
    EXPECT_EQ(FindDiscDrive(state, system, "IRM_1"), 'F');
    EXPECT_EQ(Calls("DriveType "), (std::vector<std::string>{"D:\\", "E:\\", "F:\\"}));
    EXPECT_EQ(Calls("GetVolumeInformation "), (std::vector<std::string>{"E:", "F:"}));
    EXPECT_STREQ(state.discDrive, "");  // neither the drive nor the trace is written
    EXPECT_STREQ(state.DebugSpew, "");
    system.drives.erase('F');
    system.log.clear();
    EXPECT_EQ(FindDiscDrive(state, system, "IRM_1"), '\0');
    EXPECT_EQ(Calls("DriveType ").size(), 23u);  // D to Z
}

TEST_F(Disc, ScanStopsAtTheFirstCdDriveAndTracesItsType)
{
    const struct {
        std::map<char, fake::Drive> drives;
        bool found;
        const char *label, *drive, *trace;
        char first;
    } cases[] = {
        {{{'D', {kFixed, true, ""}}, {'E', {kCdrom, true, "IRM_1"}}, {'F', {kCdrom, true, "X"}}}, true, "IRM_1", "E:\\",
         "Drive type = 5", 'E'},
        {{{'D', {kFixed, true, ""}}}, false, "", "Z:\\", "Drive type = 1", 'Z'},
        {{{'D', {kCdrom, true, "X"}}}, true, "X", "D:\\", "Drive type = DRIVE_CDROM", 'D'},
        {{{'D', {kCdrom, true, std::string(30, 'L')}}}, false, "", "D:\\", "Drive type = DRIVE_CDROM", 'D'},
    };
    for (const auto& c : cases) {
        fake::System world;
        world.drives = c.drives;
        LauncherState fresh;
        char label[24] = "junk";  // the dialog's buffer: a longer label does not fit
        EXPECT_EQ(ReadVolumeLabel(fresh, world, nullptr, label, sizeof label), c.found) << c.drive;
        EXPECT_STREQ(label, c.label);
        EXPECT_STREQ(fresh.discDrive, c.drive);
        EXPECT_STREQ(fresh.DebugSpew, c.trace);  // every line replaces the one before
        EXPECT_EQ(FirstCdDriveLetter(world), c.first);
    }
    const char* names[] = {"DRIVE_UNKNOWN", "DRIVE_NO_ROOT_DIR", "DRIVE_REMOVABLE", "DRIVE_FIXED",
                           "DRIVE_REMOTE",  "DRIVE_CDROM",       "DRIVE_RAMDISK",   "DRIVE_UNKNOWN"};
    for (unsigned type = 0; type < 8; ++type)
        EXPECT_STREQ(DriveTypeName(type), names[type]);
}

TEST_F(Disc, AGivenDriveTextNamesOnlyItsLetterAndColon)
{
    system.drives = {{'E', {kCdrom, true, "IRM_1"}}};
    char label[260];
    EXPECT_TRUE(ReadVolumeLabel(state, system, "e:\\DirectX", label, sizeof label));
    EXPECT_EQ(Calls("GetVolumeInformation "), std::vector<std::string>{"e:"});
    EXPECT_STREQ(state.discDrive, "");
    const std::pair<const char*, const char*> cases[] = {
        {"E:", "E:"}, {"e:\\", "e:"}, {"E", "E"}, {"", ""}, {"XYZ:\\long\\path", "XY"}};
    for (const auto& c : cases) {
        char drive[3] = "##";
        DriveFromText(c.first, drive, sizeof drive);
        EXPECT_STREQ(drive, c.second) << c.first;
    }
}

TEST_F(Disc, AskForDiscAsksUnlessTheDiscIsInTheFirstDriveAndOnlyOkFindsIt)
{
    system.drives = {{'E', {kCdrom, true, "Irm_1"}}};
    EXPECT_TRUE(AskForDisc(state, system, system, "IRM_1"));
    EXPECT_EQ(system.Count("InsertDiscDialog"), 0u);
    EXPECT_STREQ(state.discDrive, "E:\\");
    system.drives = {{'E', {kCdrom, true, "OTHER"}}, {'F', {kCdrom, true, "IRM_1"}}};  // the second drive: still asks
    for (int answer : {2, 1, -1}) {
        system.insertDiscDialog = [answer] { return answer; };
        EXPECT_EQ(AskForDisc(state, system, system, "IRM_1"), answer == 1) << answer;
        EXPECT_STREQ(state.discDrive, "E:\\");  // the scan's drive stays unless the dialog sets it
    }
    InsertDiscTexts texts;
    InitInsertDiscTexts(system, &texts);
    EXPECT_STREQ(texts.prompt, "Please insert the Ironmarch CD 1 into your CD-ROM drive.");
    EXPECT_STREQ(texts.drive, "E:");
}

TEST_F(Disc, ConfirmInsertDiscWarnsAboutAnUnreadableOrWrongDisc)
{
    const struct {
        fake::Drive drive;
        bool insertedMeanwhile;
        int result;
        std::vector<std::string> warnings;  // texts by their string ids
    } cases[] = {
        {{kCdrom, true, "irm_1"}, false, 1, {}},
        {{kCdrom, false, ""}, false, 2, {"string 1", "string 3"}},
        {{kCdrom, false, ""}, true, 1, {"string 1"}},
        {{kCdrom, true, "SOMETHING_ELSE"}, false, 2, {"string 3"}},
    };
    for (const auto& c : cases) {
        fake::System world;
        world.drives = {{'E', c.drive}};
        if (c.insertedMeanwhile)
            world.whileBoxShown = [&world] { world.drives['E'] = {kCdrom, true, "IRM_1"}; };
        LauncherState fresh;
        fresh.discLabel = "IRM_1";
        CopyText(fresh.discDrive, "E:\\");
        EXPECT_EQ(ConfirmInsertDisc(fresh, world, world, "e:\\"), c.result);
        EXPECT_STREQ(fresh.discDrive, c.result == 1 ? "e:" : "E:\\");
        std::vector<std::string> warnings;
        for (const fake::Box& box : world.boxes) {
            warnings.push_back(box.text);
            EXPECT_EQ(box.caption, "string 2");
            EXPECT_EQ(box.style, 0x10u);
        }
        EXPECT_EQ(warnings, c.warnings);
    }
}

}  // namespace
