#include "directx/DirectXLibraries.h"

void LoadDirectXLibraries(DirectXLibraries& libraries, platform::DirectXRuntime& runtime)
{
    if (libraries.librariesLoaded)
        return;
    const auto ddraw = runtime.LoadLibraryByName("DDRAW.DLL");
    if (ddraw == 0)
        return;
    libraries.ddrawModule = ddraw;
    libraries.ddrawLoaded = true;
    libraries.directDrawCreate = runtime.FindEntryPoint(ddraw, "DirectDrawCreate");
    libraries.directDrawCreateEx = runtime.FindEntryPoint(ddraw, "DirectDrawCreateEx");

    const auto dinput = runtime.LoadLibraryByName("DINPUT.DLL");
    if (dinput == 0)
        return;
    libraries.dinputModule = dinput;
    libraries.dinputLoaded = true;
    libraries.directInputCreate = runtime.FindEntryPoint(dinput, "DirectInputCreateA");
    libraries.librariesLoaded = true;
}

void UnloadDirectXLibraries(DirectXLibraries& libraries, platform::DirectXRuntime& runtime)
{
    if (libraries.ddrawLoaded && libraries.ddrawModule != 0)
        runtime.ReleaseLibrary(libraries.ddrawModule);
    if (libraries.dinputLoaded && libraries.dinputModule != 0)
        runtime.ReleaseLibrary(libraries.dinputModule);
    libraries = DirectXLibraries{};
}
