// The DirectX installer's stand-in: says what it would install.
#include "StandIn.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int)
{
    standin::LogStart("dxsetup.exe");
    return standin::RunWindow("DirectX Setup",
                              {"DirectX 8.0a setup.", "A real disc would install DirectX 8.0a now.",
                               "Press a key or click to close."},
                              false);
}
