// Only one launcher runs at a time; a second one brings the running
// installer, game or launcher to the front and ends.
#pragma once

struct LauncherState;
namespace platform {
class Instances;
}

// True when this is the only launcher and start-up may go on.
bool CheckSingleInstance(LauncherState& state, platform::Instances& instances);

