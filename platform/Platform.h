// The system services that the launcher's decisions reach, in one bundle so
// that a handler can pass them on without knowing which it needs.
#pragma once
#include "platform/BitmapFiles.h"
#include "platform/Instances.h"
#include "platform/Dialogs.h"
#include "platform/DirectXRuntime.h"
#include "platform/Drives.h"
#include "platform/Files.h"
#include "platform/Graphics.h"
#include "platform/Memory.h"
#include "platform/Processes.h"
#include "platform/Registry.h"
#include "platform/SystemFacts.h"

namespace platform {

struct Platform {
    Registry& registry;
    Files& files;
    Processes& processes;
    Instances& instances;
    SystemFacts& system;
    Dialogs& dialogs;
    Drives& drives;
    Memory& memory;
    BitmapFiles& bitmapFiles;
    Graphics& graphics;
    DirectXRuntime& directX;
};

}  // namespace platform
