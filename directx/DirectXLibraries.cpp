#include "directx/DirectXLibraries.h"

void LoadDirectXLibraries(DirectXLibraries& libraries, platform::DirectXRuntime& runtime)
{
    if (libraries.librariesLoaded)
        return;
    const auto ddraw = runtime.OpenLibrary("DDRAW.DLL");
    if (!ddraw)
        return;
    libraries.ddrawModule = ddraw;
    libraries.ddrawLoaded = true;
    libraries.directDrawCreate = runtime.FindEntryPoint(ddraw, "DirectDrawCreate");
    libraries.directDrawCreateEx = runtime.FindEntryPoint(ddraw, "DirectDrawCreateEx");

    const auto dinput = runtime.OpenLibrary("DINPUT.DLL");
    if (!dinput)
        return;
    libraries.dinputModule = dinput;
    libraries.dinputLoaded = true;
    libraries.directInputCreate = runtime.FindEntryPoint(dinput, "DirectInputCreateA");
    libraries.librariesLoaded = true;
}

void UnloadDirectXLibraries(DirectXLibraries& libraries, platform::DirectXRuntime& runtime)
{
    if (libraries.ddrawLoaded && libraries.ddrawModule)
        runtime.CloseLibrary(libraries.ddrawModule);
    if (libraries.dinputLoaded && libraries.dinputModule)
        runtime.CloseLibrary(libraries.dinputModule);
    libraries = DirectXLibraries{};
}
