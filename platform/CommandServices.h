// The system services that the button commands reach: only those.
#pragma once
#include "platform/Dialogs.h"
#include "platform/DirectXRuntime.h"
#include "platform/Drives.h"
#include "platform/Files.h"
#include "platform/Instances.h"
#include "platform/Processes.h"
#include "platform/SystemFacts.h"

namespace platform {

struct CommandServices {
    Files& files;
    Processes& processes;
    Instances& instances;
    SystemFacts& system;
    Dialogs& dialogs;
    Drives& drives;
    DirectXRuntime& directX;
};

}  // namespace platform
