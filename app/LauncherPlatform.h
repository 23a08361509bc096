// The platform services of the running launcher, one of each, made at
// start-up and handed down.
#pragma once
#include "core/LauncherState.h"
#include "core/LocalTexts.h"
#include "disc/win32/InsertDiscDialog.h"
#include "platform/CommandServices.h"
#include "platform/win32/Win32Platform.h"

struct LauncherPlatform {
    win32::Registry registry;
    win32::Files files;
    win32::Processes processes;
    win32::Instances instances;
    win32::SystemFacts facts;
    win32::Drives drives;
    win32::Texts textTables;
    LocalTexts texts{textTables};  // English until the start-up chooses the player's language
    SystemDialogs dialogs{TheLauncherState(), drives, texts};
    win32::WholeFileReader wholeFiles;
    win32::Graphics graphics;
    win32::DirectXRuntime directX;
    platform::CommandServices commandServices{files, processes, instances, facts, dialogs, drives, directX};
};

LauncherPlatform& ThePlatform();
