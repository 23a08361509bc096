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

// DirectInput is there when its library loaded and has its entry point;
// DirectInputCreateA itself is never called. The traces name the entry point
// in two ways, one for each path that asks.
bool HasDirectInput(const DirectXLibraries& libraries, Runtime& runtime, const char* missingEntryTrace)
{
    if (!libraries.dinputLoaded) {
        runtime.Trace("Couldn't LoadLibrary DInput\r\n");
        return false;
    }
    if (!libraries.directInputCreate) {
        runtime.Trace(missingEntryTrace);
        return false;
    }
    return true;
}

// Rungs 3 to 11: DirectDraw, DirectInput and the primary surface.
DxVersion DirectDrawVersion(const DirectXLibraries& libraries, Runtime& runtime)
{
    if (!libraries.ddrawLoaded)
        return DxVersion::kNone;
    const auto directDraw = Held(runtime, libraries.directDrawCreate
                                              ? runtime.Create(Runtime::Creation::DirectDraw, libraries.directDrawCreate)
                                              : Object{});
    if (!directDraw) {
        runtime.Trace("Couldn't create DDraw\r\n");
        return DxVersion::kNone;
    }
    {
        const auto directDraw2 = Held(runtime, runtime.QueryInterface(directDraw.get(), Runtime::Interface::DirectDraw2));
        if (!directDraw2) {
            runtime.Trace("Couldn't QI DDraw2\r\n");
            return DxVersion::kDirectX1;
        }
    }
    if (!HasDirectInput(libraries, runtime, "Couldn't GetProcAddress DInputCreate\r\n"))
        return DxVersion::kDirectX2;
    if (!runtime.SetNormalCooperativeLevel(directDraw.get())) {
        runtime.Trace("Couldn't Set coop level\r\n");
        return DxVersion::kNone;
    }
    const auto surface = Held(runtime, runtime.CreatePrimarySurface(directDraw.get()));
    if (!surface) {
        runtime.Trace("Couldn't CreateSurface\r\n");
        return DxVersion::kNone;
    }
    const auto surface3 = Held(runtime, runtime.QueryInterface(surface.get(), Runtime::Interface::DirectDrawSurface3));
    if (!surface3)
        return DxVersion::kDirectX3;
    const auto surface4 = Held(runtime, runtime.QueryInterface(surface.get(), Runtime::Interface::DirectDrawSurface4));
    if (!surface4)
        return DxVersion::kDirectX5;
    return DxVersion::kDirectX6;
}

DxVersion DirectMusicVersion(Runtime& runtime)
{
    const auto music = Held(runtime, runtime.Create(Runtime::Creation::DirectMusic, Runtime::Procedure{}));
    if (!music) {
        runtime.Trace("Couldn't create CLSID_DirectMusic\r\n");
        return DxVersion::kDirectX6;
    }
    return DxVersion::kDirectX61;
}

}  // namespace

DxVersion DetectDirectXVersion(const DirectXLibraries& libraries, Runtime& runtime, platform::SystemFacts& system)
{
    platform::VersionInfo info{};
    if (!system.GetVersion(kOsVersionInfoSize, &info))
        return DxVersion::kNone;
    if (info.platformId == kPlatformNt) {
        if (info.majorVersion < 4)
            return DxVersion::kNone;
        if (info.majorVersion == 4)  // DirectDraw is not examined at all
            return HasDirectInput(libraries, runtime, "Couldn't GetProcAddress DirectInputCreate\r\n")
                       ? DxVersion::kDirectX3
                       : DxVersion::kDirectX2;
    }

    const DxVersion surfaceVersion = DirectDrawVersion(libraries, runtime);
    if (surfaceVersion != DxVersion::kDirectX6)
        return surfaceVersion;
    if (DirectMusicVersion(runtime) != DxVersion::kDirectX61)
        return DxVersion::kDirectX6;

    if (!libraries.directDrawCreateEx)
        return DxVersion::kDirectX61;
    {
        const auto directDraw7 =
            Held(runtime, runtime.Create(Runtime::Creation::DirectDraw7, libraries.directDrawCreateEx));
        if (!directDraw7)
            return DxVersion::kDirectX61;
    }

    const auto d3d8 = runtime.OpenLibrary("D3D8.DLL");
    if (!d3d8)
        return DxVersion::kDirectX7;
    runtime.CloseLibrary(d3d8);
    return DxVersion::kDirectX8;
}
