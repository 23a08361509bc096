// The registration program's stand-in: a registration form.
#include "StandIn.h"
#include "core/Names.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int)
{
    standin::LogStart(names::kRegistrationProgram);
    return standin::RunWindow("Ironmarch Registration",
                              {"REGISTER YOUR COPY OF IRONMARCH", "Name: ______________________",
                               "E-mail: ____________________", "Press a key or click to close."},
                              false);
}
