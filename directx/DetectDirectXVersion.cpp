// The probe climbs a ladder of the interfaces that each DirectX release
// added; every rung either raises the result or ends the probe there.
#include "directx/DirectXLibraries.h"
#include "base/Scoped.h"
#include "platform/Win32Values.h"

namespace {

using Runtime = platform::DirectXRuntime;
using win32values::kOsVersionInfoSize;
using win32values::kPlatformNt;

using Object = Runtime::Object;

// Owns one DirectX object: released when the probe leaves its scope, on every path.
auto Held(Runtime& runtime, Object object)
{
    return Scoped(object, [&runtime](Object held) { runtime.Release(held); });
}

DxVersion NtFourVersion(const DirectXLibraries& libraries, Runtime& runtime)
{
    if (!libraries.dinputLoaded) {
        runtime.Trace("Couldn't LoadLibrary DInput\r\n");
        return 0x200;
    }
    if (!libraries.directInputCreate) {
        runtime.Trace("Couldn't GetProcAddress DirectInputCreate\r\n");
        return 0x200;
    }
    return 0x300;
}

// Rungs 3 to 11: DirectDraw, DirectInput and the primary surface.
DxVersion DirectDrawVersion(const DirectXLibraries& libraries, Runtime& runtime)
{
    if (!libraries.ddrawLoaded)
        return 0;
    const auto directDraw = Held(runtime, libraries.directDrawCreate
                                              ? runtime.Create(Runtime::Creation::DirectDraw, libraries.directDrawCreate)
                                              : Object{});
    if (!directDraw) {
        runtime.Trace("Couldn't create DDraw\r\n");
        return 0;
    }
    {
        const auto directDraw2 = Held(runtime, runtime.QueryInterface(directDraw.get(), Runtime::Interface::DirectDraw2));
        if (!directDraw2) {
            runtime.Trace("Couldn't QI DDraw2\r\n");
            return 0x100;
        }
    }
    if (!libraries.dinputLoaded) {
        runtime.Trace("Couldn't LoadLibrary DInput\r\n");
        return 0x200;
    }
    if (!libraries.directInputCreate) {
        runtime.Trace("Couldn't GetProcAddress DInputCreate\r\n");
        return 0x200;
    }
    if (!runtime.SetNormalCooperativeLevel(directDraw.get())) {
        runtime.Trace("Couldn't Set coop level\r\n");
        return 0;
    }
    const auto surface = Held(runtime, runtime.CreatePrimarySurface(directDraw.get()));
    if (!surface) {
        runtime.Trace("Couldn't CreateSurface\r\n");
        return 0;
    }
    const auto surface3 = Held(runtime, runtime.QueryInterface(surface.get(), Runtime::Interface::DirectDrawSurface3));
    if (!surface3)
        return 0x300;
    const auto surface4 = Held(runtime, runtime.QueryInterface(surface.get(), Runtime::Interface::DirectDrawSurface4));
    if (!surface4)
        return 0x500;
    return 0x600;
}

DxVersion DirectMusicVersion(Runtime& runtime)
{
    const auto music = Held(runtime, runtime.Create(Runtime::Creation::DirectMusic, Runtime::Procedure{}));
    if (!music) {
        runtime.Trace("Couldn't create CLSID_DirectMusic\r\n");
        return 0x600;
    }
    return 0x601;
}

}  // namespace

DxVersion DetectDirectXVersion(const DirectXLibraries& libraries, Runtime& runtime, platform::SystemFacts& system)
{
    platform::VersionInfo info{};
    if (!system.GetVersion(kOsVersionInfoSize, &info))
        return 0;
    if (info.platformId == kPlatformNt) {
        if (info.majorVersion < 4)
            return 0;
        if (info.majorVersion == 4)
            return NtFourVersion(libraries, runtime);
    }

    const DxVersion surfaceVersion = DirectDrawVersion(libraries, runtime);
    if (surfaceVersion != 0x600)
        return surfaceVersion;
    if (DirectMusicVersion(runtime) != 0x601)
        return 0x600;

    if (!libraries.directDrawCreateEx)
        return 0x601;
    {
        const auto directDraw7 =
            Held(runtime, runtime.Create(Runtime::Creation::DirectDraw7, libraries.directDrawCreateEx));
        if (!directDraw7)
            return 0x601;
    }

    const auto d3d8 = runtime.OpenLibrary("D3D8.DLL");
    if (!d3d8)
        return 0x700;
    runtime.CloseLibrary(d3d8);
    return 0x800;
}
