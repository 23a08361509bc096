// The game's stand-in: a window titled as the game's, holding the game's
// mutex while it is open.
#include "StandIn.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int)
{
    standin::LogStart("VXR.exe");
    return standin::RunWindow("Ironmarch (TM)",
                              {"IRONMARCH IS RUNNING.", "This demo stands in for the game.",
                               "Press a key or click to leave."},
                              true);
}
