#include "directx/DirectXLibraries.h"

void LoadDirectXLibraries(DirectXLibraries& libraries, platform::DirectXRuntime& runtime)
{
    if (libraries.librariesLoaded)
        return;
    const auto ddraw = runtime.LoadLibrary("DDRAW.DLL");
    if (ddraw == 0)
        return;
    libraries.ddrawModule = ddraw;
    libraries.ddrawLoaded = true;
    libraries.directDrawCreate = runtime.GetProcAddress(ddraw, "DirectDrawCreate");
    libraries.directDrawCreateEx = runtime.GetProcAddress(ddraw, "DirectDrawCreateEx");

    const auto dinput = runtime.LoadLibrary("DINPUT.DLL");
    if (dinput == 0)
        return;
    libraries.dinputModule = dinput;
    libraries.dinputLoaded = true;
    libraries.directInputCreate = runtime.GetProcAddress(dinput, "DirectInputCreateA");
    libraries.librariesLoaded = true;
}

void UnloadDirectXLibraries(DirectXLibraries& libraries, platform::DirectXRuntime& runtime)
{
    if (libraries.ddrawLoaded && libraries.ddrawModule != 0)
        runtime.FreeLibrary(libraries.ddrawModule);
    if (libraries.dinputLoaded && libraries.dinputModule != 0)
        runtime.FreeLibrary(libraries.dinputModule);
    libraries = DirectXLibraries{};
}
