// The probe climbs a ladder of the interfaces that each DirectX release
// added; every rung either raises the result or ends the probe there.
#include "directx/DirectXLibraries.h"
#include "platform/Win32Values.h"

namespace {

using Runtime = platform::DirectXRuntime;
using win32values::kPlatformNt;

// Releases a DirectX object when the probe leaves its scope, on every path.
class Held {
public:
    Held(Runtime& runtime, Runtime::Object object) : runtime_(runtime), object_(object) {}
    ~Held()
    {
        if (object_ != 0)
            runtime_.Release(object_);
    }
    Held(const Held&) = delete;
    Held& operator=(const Held&) = delete;
    Runtime::Object get() const { return object_; }
    explicit operator bool() const { return object_ != 0; }

private:
    Runtime& runtime_;
    Runtime::Object object_;
};

DxVersion NtFourVersion(const DirectXLibraries& libraries, Runtime& runtime)
{
    if (!libraries.dinputLoaded) {
        runtime.Trace("Couldn't LoadLibrary DInput\r\n");
        return 0x200;
    }
    if (libraries.directInputCreate == 0) {
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
    Held directDraw(runtime, libraries.directDrawCreate != 0 ? runtime.DirectDrawCreate(libraries.directDrawCreate) : 0);
    if (!directDraw) {
        runtime.Trace("Couldn't create DDraw\r\n");
        return 0;
    }
    {
        Held directDraw2(runtime, runtime.QueryInterface(directDraw.get(), Runtime::Interface::DirectDraw2));
        if (!directDraw2) {
            runtime.Trace("Couldn't QI DDraw2\r\n");
            return 0x100;
        }
    }
    if (!libraries.dinputLoaded) {
        runtime.Trace("Couldn't LoadLibrary DInput\r\n");
        return 0x200;
    }
    if (libraries.directInputCreate == 0) {
        runtime.Trace("Couldn't GetProcAddress DInputCreate\r\n");
        return 0x200;
    }
    if (!runtime.SetNormalCooperativeLevel(directDraw.get())) {
        runtime.Trace("Couldn't Set coop level\r\n");
        return 0;
    }
    Held surface(runtime, runtime.CreatePrimarySurface(directDraw.get()));
    if (!surface) {
        runtime.Trace("Couldn't CreateSurface\r\n");
        return 0;
    }
    Held surface3(runtime, runtime.QueryInterface(surface.get(), Runtime::Interface::DirectDrawSurface3));
    if (!surface3)
        return 0x300;
    Held surface4(runtime, runtime.QueryInterface(surface.get(), Runtime::Interface::DirectDrawSurface4));
    if (!surface4)
        return 0x500;
    return 0x600;
}

DxVersion DirectMusicVersion(Runtime& runtime)
{
    runtime.CoInitialize();
    DxVersion version = 0x600;
    {
        Held music(runtime, runtime.CreateDirectMusic());
        if (!music)
            runtime.Trace("Couldn't create CLSID_DirectMusic\r\n");
        else
            version = 0x601;
    }
    runtime.CoUninitialize();
    return version;
}

}  // namespace

DxVersion DetectDirectXVersion(const DirectXLibraries& libraries, Runtime& runtime)
{
    platform::VersionInfo info{};
    if (!runtime.GetVersion(&info))
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

    if (libraries.directDrawCreateEx == 0)
        return 0x601;
    {
        Held directDraw7(runtime, runtime.DirectDrawCreateEx7(libraries.directDrawCreateEx));
        if (!directDraw7)
            return 0x601;
    }

    const auto d3d8 = runtime.LoadLibraryByName("D3D8.DLL");
    if (d3d8 == 0)
        return 0x700;
    runtime.ReleaseLibrary(d3d8);
    return 0x800;
}
