// Finding the game disc by its volume label, and asking for it.
#pragma once
#include <cstddef>
#include <string>

#include "platform/Dialogs.h"

struct LauncherState;
class LocalTexts;
namespace platform {
class Drives;
}  // namespace platform

const char* DriveTypeName(unsigned driveType);

// With a drive text: reads the label of the drive it names (its letter and
// colon). Without one: scans for the first CD-ROM drive from D (Z when there
// is none), tracing each drive type, and records that root in discDrive.
bool ReadVolumeLabel(LauncherState& state, platform::Drives& drives, const char* drive, char* label,
                     std::size_t size);

char FirstCdDriveLetter(platform::Drives& drives);

// The first CD-ROM drive from D to Z whose label equals the wanted one, or 0.
char FindDiscDrive(LauncherState& state, platform::Drives& drives, const char* wantedLabel);

// True when a drive is taken to hold the disc (discDrive names it); false
// when the user cancelled the Insert Disc dialog.
bool AskForDisc(LauncherState& state, platform::Drives& drives, platform::Dialogs& dialogs, const char* wantedLabel);

// A message box of two texts in the player's language.
void ShowStringMessage(platform::Dialogs& dialogs, const LocalTexts& texts, unsigned textId, unsigned captionId,
                       platform::MessageKind kind);

// The Insert Disc dialog's decisions; the window side shows and reads the controls.
struct InsertDiscTexts {
    std::string prompt;
    char drive[8];
};
void InitInsertDiscTexts(platform::Drives& drives, const LocalTexts& words, InsertDiscTexts* texts);

// OK pressed with the drive box's text (already limited to two characters).
// True when that drive holds the disc: the dialog ends as OK, else as Cancel.
bool ConfirmInsertDisc(LauncherState& state, platform::Drives& drives, platform::Dialogs& dialogs,
                       const LocalTexts& texts, const char* typedDrive);

// "E:" from "E:", "E:\" or "e:x": the letter and colon that a typed text names.
void DriveFromText(const char* text, char* drive, std::size_t size);
