// Finding the game's disc by its volume label, and the Insert Disc dialog's decisions.
#include <gtest/gtest.h>

#include "FakeSystem.h"
#include "core/BoundedText.h"
#include "core/LauncherState.h"
#include "disc/DiscLocator.h"

namespace {

constexpr unsigned kFixed = 3, kCdrom = 5;

TEST(DiscLocator, FindDiscDriveComparesLabelsWithoutCaseFromDOnAndWritesNothing)
{
    fake::System system;
    LauncherState state;
    system.drives = {{'C', {kCdrom, true, "IRM_1"}}, {'D', {kFixed, true, "IRM_1"}}, {'E', {kCdrom, true, "OTHER"}},
                     {'F', {kCdrom, true, "irm_1"}}, {'G', {kCdrom, false, ""}}};
    EXPECT_EQ(FindDiscDrive(state, system, "IRM_1"), 'F');
    EXPECT_EQ(system.log, (fake::Log{"DriveType D:\\", "DriveType E:\\", "GetVolumeInformation E:", "DriveType F:\\",
                                     "GetVolumeInformation F:"}));
    EXPECT_STREQ(state.discDrive, "");
    EXPECT_STREQ(state.DebugSpew, "");
    system.drives.erase('F');
    system.log.clear();
    EXPECT_EQ(FindDiscDrive(state, system, "IRM_1"), '\0');
    EXPECT_EQ(system.Count("DriveType "), 23u);  // D to Z
}

TEST(DiscLocator, TheScanStopsAtTheFirstCdDriveAndTracesItsType)
{
    const struct {
        std::map<char, fake::Drive> drives;
        const char* given;  // the drive text given, or null to scan
        const char *label, *drive, *trace;
    } cases[] = {
        {{{'D', {kFixed, true, ""}}, {'E', {kCdrom, true, "IRM_1"}}, {'F', {kCdrom, true, "X"}}}, nullptr, "IRM_1", "E:\\",
         "Drive type = 5"},
        {{{'D', {kFixed, true, ""}}}, nullptr, "", "Z:\\", "Drive type = 1"},
        {{{'D', {kCdrom, true, "X"}}}, nullptr, "X", "D:\\", "Drive type = DRIVE_CDROM"},
        {{{'D', {kCdrom, true, std::string(30, 'L')}}}, nullptr, "", "D:\\", "Drive type = DRIVE_CDROM"},
        {{{'E', {kCdrom, true, "IRM_1"}}}, "e:\\DirectX", "IRM_1", "", ""},  // only the letter and colon are asked
    };
    for (const auto& c : cases) {
        fake::System system;
        system.drives = c.drives;
        LauncherState state;
        char label[24] = "junk";  // the dialog's buffer: a longer label does not fit
        EXPECT_EQ(ReadVolumeLabel(state, system, c.given, label, sizeof label), *c.label != '\0') << c.drive;
        EXPECT_STREQ(label, c.label);
        EXPECT_STREQ(state.discDrive, c.drive);
        EXPECT_STREQ(state.DebugSpew, c.trace);  // every line replaces the one before
        EXPECT_EQ(system.Calls("GetVolumeInformation ").back(), c.given ? "e:" : std::string(c.drive));
        EXPECT_EQ(FirstCdDriveLetter(system), c.given ? 'E' : c.drive[0]);
    }
    EXPECT_STREQ(DriveTypeName(7), "DRIVE_UNKNOWN");
    for (const auto& c : std::vector<std::pair<const char*, const char*>>{{"e:\\", "e:"}, {"E", "E"}, {"", ""}, {"XYZ:\\x", "XY"}}) {
        char drive[3] = "##";
        DriveFromText(c.first, drive, sizeof drive);
        EXPECT_STREQ(drive, c.second) << c.first;
    }
}

TEST(DiscLocator, AskForDiscAsksUnlessTheDiscIsInTheFirstDriveAndOnlyOkFindsIt)
{
    fake::System system;
    LauncherState state;
    system.drives = {{'E', {kCdrom, true, "Irm_1"}}};
    EXPECT_TRUE(AskForDisc(state, system, system, "IRM_1"));
    EXPECT_EQ(system.Count("InsertDiscDialog"), 0u);
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

TEST(DiscLocator, ConfirmInsertDiscWarnsAboutAnUnreadableOrWrongDisc)
{
    const std::string unreadable = "string 2: string 1 [16]", wrong = "string 2: string 3 [16]";  // by string id
    const struct {
        fake::Drive drive;
        bool insertedMeanwhile;
        int result;
        fake::Log warnings;
    } cases[] = {
        {{kCdrom, true, "irm_1"}, false, 1, {}},
        {{kCdrom, false, ""}, false, 2, {unreadable, wrong}},
        {{kCdrom, false, ""}, true, 1, {unreadable}},
        {{kCdrom, true, "SOMETHING_ELSE"}, false, 2, {wrong}},
    };
    for (const auto& c : cases) {
        fake::System system;
        system.drives = {{'E', c.drive}};
        if (c.insertedMeanwhile)
            system.whileBoxShown = [&system] { system.drives['E'] = {kCdrom, true, "IRM_1"}; };
        LauncherState state;
        state.discLabel = "IRM_1";
        CopyText(state.discDrive, "E:\\");
        EXPECT_EQ(ConfirmInsertDisc(state, system, system, "e:\\"), c.result);
        EXPECT_STREQ(state.discDrive, c.result == 1 ? "e:" : "E:\\");
        EXPECT_EQ(system.Calls("MessageBox "), c.warnings);
    }
}

}  // namespace
