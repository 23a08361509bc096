#include "disc/DiscLocator.h"

#include "core/BoundedText.h"
#include "core/LauncherState.h"
#include "core/LocalTexts.h"
#include "core/Names.h"
#include "platform/Dialogs.h"
#include "platform/Drives.h"
#include "platform/Win32Values.h"
#include "resources/resource.h"
#include "base/TextSizes.h"

namespace {

using win32values::kDriveCdrom;

void RootOf(char letter, char (&root)[4])
{
    root[0] = letter;
    root[1] = ':';
    root[2] = '\\';
    root[3] = '\0';
}

// The scan for the first CD-ROM drive; Z when none of D to Y is one.
char ScanForCdDrive(platform::Drives& drives, LauncherState* traceTo)
{
    for (char letter = 'D';; ++letter) {
        char root[4];
        RootOf(letter, root);
        const unsigned type = drives.DriveType(root);
        if (traceTo != nullptr) {
            if (letter == 'D')
                FormatText(traceTo->DebugSpew, sizeof traceTo->DebugSpew, "Drive type = %s", DriveTypeName(type));
            else
                FormatText(traceTo->DebugSpew, sizeof traceTo->DebugSpew, "Drive type = %d", static_cast<int>(type));
        }
        if (type == kDriveCdrom || letter == 'Z')
            return letter;
    }
}

bool LabelMatches(const char* label, const char* wanted)
{
    return EqualIgnoringCase(label, wanted);
}

}  // namespace

const char* DriveTypeName(unsigned driveType)
{
    switch (driveType) {
    case 1:
        return "DRIVE_NO_ROOT_DIR";
    case 2:
        return "DRIVE_REMOVABLE";
    case 3:
        return "DRIVE_FIXED";
    case 4:
        return "DRIVE_REMOTE";
    case 5:
        return "DRIVE_CDROM";
    case 6:
        return "DRIVE_RAMDISK";
    default:
        return "DRIVE_UNKNOWN";
    }
}

void DriveFromText(const char* text, char* drive, std::size_t size)
{
    const std::size_t length = BoundedLength(text, 2);
    if (size == 0)
        return;
    const std::size_t copied = length < size - 1 ? length : size - 1;
    for (std::size_t i = 0; i < copied; ++i)
        drive[i] = text[i];
    drive[copied] = '\0';
}

bool ReadVolumeLabel(LauncherState& state, platform::Drives& drives, const char* drive, char* label,
                     std::size_t size)
{
    if (size == 0)
        return false;
    bool read;
    if (drive != nullptr) {
        char named[3];
        DriveFromText(drive, named, sizeof named);
        read = drives.GetVolumeLabel(named, label, static_cast<std::uint32_t>(size));
    } else {
        char root[4];
        RootOf(ScanForCdDrive(drives, &state), root);
        read = drives.GetVolumeLabel(root, label, static_cast<std::uint32_t>(size));
        CopyText(state.discDrive, root);
    }
    if (!read)
        label[0] = '\0';
    label[size - 1] = '\0';  // whatever the system left there, the text ends inside the buffer
    return read;
}

char FirstCdDriveLetter(platform::Drives& drives)
{
    return ScanForCdDrive(drives, nullptr);
}

char FindDiscDrive(LauncherState& state, platform::Drives& drives, const char* wantedLabel)
{
    for (char letter = 'D'; letter <= 'Z'; ++letter) {
        char root[4];
        RootOf(letter, root);
        if (drives.DriveType(root) != kDriveCdrom)
            continue;
        char label[kPathSize];
        // The drive text names its drive directly; no scan, so discDrive and
        // the trace stay as they are.
        if (ReadVolumeLabel(state, drives, root, label, sizeof label) && LabelMatches(label, wantedLabel))
            return letter;
    }
    return '\0';
}

bool AskForDisc(LauncherState& state, platform::Drives& drives, platform::Dialogs& dialogs, const char* wantedLabel)
{
    char label[kPathSize];
    if (ReadVolumeLabel(state, drives, nullptr, label, sizeof label) && LabelMatches(label, wantedLabel))
        return true;
    // Only OK counts: a dialog that could not be shown (-1) has not found
    // the disc any more than a cancelled one.
    return dialogs.RunInsertDiscDialog() == platform::Answer::Ok;
}

void ShowStringMessage(platform::Dialogs& dialogs, const LocalTexts& texts, unsigned textId, unsigned captionId,
                       platform::MessageKind kind)
{
    dialogs.ShowMessageBox(texts.Text(textId).c_str(), texts.Text(captionId).c_str(), kind);
}

void InitInsertDiscTexts(platform::Drives& drives, const LocalTexts& words, InsertDiscTexts* texts)
{
    texts->prompt = words.Format(IDS_INSERT_DISC_PROMPT, {names::kGameTitle});
    FormatText(texts->drive, sizeof texts->drive, "%c:", FirstCdDriveLetter(drives));
}

bool ConfirmInsertDisc(LauncherState& state, platform::Drives& drives, platform::Dialogs& dialogs,
                       const LocalTexts& texts, const char* typedDrive)
{
    char typed[3];
    DriveFromText(typedDrive, typed, sizeof typed);
    // Room for an ISO 9660 volume label (up to 32 characters) is not needed:
    // a label that does not fit fails the read, and it cannot be IRM_1.
    char label[24];
    if (!ReadVolumeLabel(state, drives, typed, label, sizeof label))
        ShowStringMessage(dialogs, texts, IDS_DISC_UNREADABLE, IDS_WARNING, platform::MessageKind::Error);
    // The second read decides: the player may have inserted the disc while
    // the first message was up.
    if (!ReadVolumeLabel(state, drives, typed, label, sizeof label)) {
        label[0] = '\0';
    }
    if (!LabelMatches(label, state.discLabel.c_str())) {
        ShowStringMessage(dialogs, texts, IDS_WRONG_DISC, IDS_WARNING, platform::MessageKind::Error);
        return false;
    }
    CopyText(state.discDrive, typed);
    return true;
}
