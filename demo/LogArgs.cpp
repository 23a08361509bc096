// For the tests: records how it was started (with its own full path, so
// that a test sees which copy ran), then ends with the exit code in
// IRONMARCH_STANDIN_EXIT (0 when unset).
#include <cstdlib>

#include "StandIn.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int)
{
    char path[MAX_PATH] = {};
    GetModuleFileNameA(NULL, path, MAX_PATH);
    standin::LogStart(path);
    return std::atoi(standin::Environment("IRONMARCH_STANDIN_EXIT").c_str());
}
