#include <gtest/gtest.h>

#include "Fakes.h"
#include "core/BoundedText.h"
#include "core/LauncherState.h"
#include "disc/DiscLocator.h"

namespace {

using fakes::FakeDrive;
using fakes::FakePlatform;
constexpr unsigned kFixed = 3;
constexpr unsigned kCdrom = 5;

struct DiscFixture : testing::Test {
    FakePlatform fake;
    LauncherState state;
    void SetUp() override { state.discLabel = "IRM_1"; }
    void Drive(char letter, unsigned type, bool readable, const std::string& label = "")
    {
        fake.drives.drives[letter] = FakeDrive{type, readable, label};
    }
};

TEST_F(DiscFixture, FindDiscDriveComparesLabelsWithoutCaseAndSkipsAToC)
{
    Drive('C', kCdrom, true, "IRM_1");  // never scanned
    Drive('D', kFixed, true, "IRM_1");  // not a CD-ROM drive
    Drive('E', kCdrom, true, "OTHER");
    Drive('F', kCdrom, true, "irm_1");
    EXPECT_EQ(FindDiscDrive(state, fake.drives, "IRM_1"), 'F');
    for (const std::string& root : fake.drives.typeQueries)
        EXPECT_GE(root[0], 'D') << root;
    EXPECT_EQ(fake.drives.labelQueries, (std::vector<std::string>{"E:", "F:"}));
    EXPECT_STREQ(state.discDrive, "");  // neither the drive nor the trace is written
    EXPECT_STREQ(state.DebugSpew, "");
}

TEST_F(DiscFixture, FindDiscDriveWithNoDiscOrNoDrive)
{
    EXPECT_EQ(FindDiscDrive(state, fake.drives, "IRM_1"), '\0');
    EXPECT_EQ(fake.drives.typeQueries.size(), 23u);  // D to Z
    Drive('G', kCdrom, false);
    EXPECT_EQ(FindDiscDrive(state, fake.drives, "IRM_1"), '\0');
}

TEST_F(DiscFixture, ScanStopsAtTheFirstCdDriveAndTracesEachType)
{
    Drive('D', kFixed, true);
    Drive('E', kCdrom, true, "IRM_1");
    Drive('F', kCdrom, true, "OTHER");
    char label[260];
    EXPECT_TRUE(ReadVolumeLabel(state, fake.drives, nullptr, label, sizeof label));
    EXPECT_STREQ(label, "IRM_1");
    EXPECT_STREQ(state.discDrive, "E:\\");
    EXPECT_STREQ(state.DebugSpew, "Drive type = 5");  // every line replaces the one before
    EXPECT_EQ(fake.drives.labelQueries, std::vector<std::string>{"E:\\"});
    EXPECT_EQ(FirstCdDriveLetter(fake.drives), 'E');
}

TEST_F(DiscFixture, ScanWithoutCdDriveTakesZ)
{
    Drive('D', kFixed, true);
    char label[260] = "junk";
    EXPECT_FALSE(ReadVolumeLabel(state, fake.drives, nullptr, label, sizeof label));
    EXPECT_STREQ(label, "");
    EXPECT_STREQ(state.discDrive, "Z:\\");
    EXPECT_EQ(FirstCdDriveLetter(fake.drives), 'Z');
    EXPECT_STREQ(state.DebugSpew, "Drive type = 1");
}

TEST_F(DiscFixture, FirstLetterTracedByNameTheRestByNumber)
{
    Drive('D', kFixed, true);
    Drive('E', kCdrom, true);
    // Only D's line survives when D is the CD-ROM drive.
    fake.drives.drives.erase('E');
    Drive('D', kCdrom, true, "X");
    char label[260];
    ReadVolumeLabel(state, fake.drives, nullptr, label, sizeof label);
    EXPECT_STREQ(state.DebugSpew, "Drive type = DRIVE_CDROM");
    const std::pair<unsigned, const char*> names[] = {{0, "DRIVE_UNKNOWN"},   {1, "DRIVE_NO_ROOT_DIR"},
                                                      {2, "DRIVE_REMOVABLE"}, {3, "DRIVE_FIXED"},
                                                      {4, "DRIVE_REMOTE"},    {5, "DRIVE_CDROM"},
                                                      {6, "DRIVE_RAMDISK"},   {7, "DRIVE_UNKNOWN"}};
    for (const auto& n : names)
        EXPECT_STREQ(DriveTypeName(n.first), n.second);
}

TEST_F(DiscFixture, DriveTextNamesOnlyTheLetterAndColon)
{
    Drive('E', kCdrom, true, "IRM_1");
    char label[260];
    EXPECT_TRUE(ReadVolumeLabel(state, fake.drives, "e:\\DirectX", label, sizeof label));
    EXPECT_EQ(fake.drives.labelQueries, std::vector<std::string>{"e:"});
    EXPECT_STREQ(state.discDrive, "");
}

TEST_F(DiscFixture, LongLabelsStayInsideTheDialogsBuffer)
{
    Drive('E', kCdrom, true, std::string(30, 'L'));  // longer than 23 characters
    char label[24];
    EXPECT_FALSE(ReadVolumeLabel(state, fake.drives, "E:", label, sizeof label));
    EXPECT_STREQ(label, "");
}

TEST_F(DiscFixture, AskForDiscShowsNothingWhenTheDiscIsInTheFirstDrive)
{
    Drive('E', kCdrom, true, "Irm_1");
    EXPECT_TRUE(AskForDisc(state, fake.drives, fake.dialogs, "IRM_1"));
    EXPECT_EQ(fake.dialogs.dialogRuns, 0);
    EXPECT_STREQ(state.discDrive, "E:\\");
}

TEST_F(DiscFixture, AskForDiscRunsTheDialog)
{
    Drive('E', kCdrom, true, "OTHER");
    Drive('F', kCdrom, true, "IRM_1");  // the disc in the second drive: the dialog still asks
    fake.dialogs.dialogResult = 2;
    EXPECT_FALSE(AskForDisc(state, fake.drives, fake.dialogs, "IRM_1"));
    EXPECT_EQ(fake.dialogs.dialogRuns, 1);
    EXPECT_STREQ(state.discDrive, "E:\\");  // the scan's drive stays on cancel
    fake.dialogs.dialogResult = 1;
    EXPECT_TRUE(AskForDisc(state, fake.drives, fake.dialogs, "IRM_1"));
    fake.dialogs.dialogResult = -1;  // a dialog that could not be shown has found nothing
    EXPECT_FALSE(AskForDisc(state, fake.drives, fake.dialogs, "IRM_1"));
}

TEST_F(DiscFixture, DialogStartsWithThePromptAndTheFirstCdDrive)
{
    Drive('G', kCdrom, false);
    InsertDiscTexts texts;
    InitInsertDiscTexts(fake.drives, &texts);
    EXPECT_STREQ(texts.prompt, "Please insert the Ironmarch CD 1 into your CD-ROM drive.");
    EXPECT_STREQ(texts.drive, "G:");
}

TEST_F(DiscFixture, OkWithTheRightDiscStoresTheTypedDrive)
{
    Drive('E', kCdrom, true, "irm_1");
    EXPECT_EQ(ConfirmInsertDisc(state, fake.drives, fake.dialogs, "e:\\"), 1);
    EXPECT_STREQ(state.discDrive, "e:");
    EXPECT_TRUE(fake.dialogs.boxes.empty());
}

TEST_F(DiscFixture, OkWithAnUnreadableDriveWarnsTwiceAndCancels)
{
    Drive('E', kCdrom, false);
    CopyText(state.discDrive, "E:\\");
    EXPECT_EQ(ConfirmInsertDisc(state, fake.drives, fake.dialogs, "E:"), 2);
    ASSERT_EQ(fake.dialogs.boxes.size(), 2u);
    EXPECT_EQ(fake.dialogs.boxes[0].text,
              "The disc in the drive could not be read.  If you just inserted the disc, please wait for a few "
              "seconds while the drive accesses the disc.");
    EXPECT_EQ(fake.dialogs.boxes[0].caption, "Warning");
    EXPECT_EQ(fake.dialogs.boxes[0].style, 0x10u);
    EXPECT_EQ(fake.dialogs.boxes[1].text,
              "The disc in the drive is not the correct disc.  Please make sure the correct disc is in the drive.");
    EXPECT_EQ(fake.dialogs.boxes[1].caption, "Warning");
    EXPECT_STREQ(state.discDrive, "E:\\");
}

TEST_F(DiscFixture, DiscInsertedWhileTheFirstWarningIsShown)
{
    Drive('E', kCdrom, false);
    fake.dialogs.whileBoxShown = [this] { Drive('E', kCdrom, true, "IRM_1"); };
    EXPECT_EQ(ConfirmInsertDisc(state, fake.drives, fake.dialogs, "E:"), 1);
    EXPECT_EQ(fake.dialogs.boxes.size(), 1u);
    EXPECT_STREQ(state.discDrive, "E:");
}

TEST_F(DiscFixture, OkWithAnotherDiscCancels)
{
    Drive('E', kCdrom, true, "SOMETHING_ELSE");
    EXPECT_EQ(ConfirmInsertDisc(state, fake.drives, fake.dialogs, "E:"), 2);
    ASSERT_EQ(fake.dialogs.boxes.size(), 1u);
    EXPECT_EQ(fake.dialogs.boxes[0].text.substr(0, 34), "The disc in the drive is not the c");
}

TEST(DriveFromText, KeepsAtMostTheLetterAndColon)
{
    const std::pair<const char*, const char*> cases[] = {
        {"E:", "E:"}, {"e:\\", "e:"}, {"E", "E"}, {"", ""}, {"XYZ:\\long\\path", "XY"}};
    for (const auto& c : cases) {
        char drive[3] = "##";
        DriveFromText(c.first, drive, sizeof drive);
        EXPECT_STREQ(drive, c.second) << c.first;
    }
}

}  // namespace
