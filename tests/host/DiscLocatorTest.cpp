// Finding the game's disc by its volume label, and the Insert Disc dialog's decisions.
#include <gtest/gtest.h>

#include <tuple>

#include "FakeSystem.h"
#include "core/BoundedText.h"
#include "core/LauncherState.h"
#include "disc/DiscLocator.h"

namespace {

constexpr unsigned kCdrom = 5;

TEST(DiscLocator, ConfirmInsertDiscWarnsAboutAnUnreadableOrWrongDisc)
{
    const std::string unreadable = "Warning: The disc in the drive could not be read.  If you just inserted the disc, "
                                   "please wait for a few seconds while the drive accesses the disc. [error]",
                      wrong = "Warning: The disc in the drive is not the correct disc.  Please make sure the correct "
                              "disc is in the drive. [error]";
    // The drive, whether the disc goes in while a warning is shown; whether it is found, and the warnings.
    const std::tuple<fake::Drive, bool, bool, fake::Log> cases[] = {
        {{kCdrom, true, "irm_1"}, false, true, {}},
        {{kCdrom, false, ""}, false, false, {unreadable, wrong}},
        {{kCdrom, false, ""}, true, true, {unreadable}},
        {{kCdrom, true, "SOMETHING_ELSE"}, false, false, {wrong}},
    };
    for (const auto& [drive, insertedMeanwhile, found, warnings] : cases) {
        fake::System system;
        system.drives = {{'E', drive}};
        if (insertedMeanwhile)
            system.whileBoxShown = [&system] { system.drives['E'] = {kCdrom, true, "IRM_1"}; };
        LauncherState state;
        state.discLabel = "IRM_1";
        CopyText(state.discDrive, "E:\\");
        EXPECT_EQ(ConfirmInsertDisc(state, system, system, system.texts, "e:\\"), found);
        EXPECT_STREQ(state.discDrive, found ? "e:" : "E:\\");
        EXPECT_EQ(system.Calls("MessageBox "), warnings);
    }
}

}  // namespace
