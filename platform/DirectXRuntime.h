// The DirectX runtime as the version probe sees it: libraries, the objects
// their entry points (or COM) create, and the interfaces an object is asked
// for. Every object handed out must be given back with Release.
#pragma once
#include "platform/Types.h"

namespace platform {

class DirectXRuntime {
public:
    using Module = ModuleHandle;
    using Procedure = platform::Procedure;
    using Object = Handle<struct ComObjectKind>;

    enum class Creation {
        DirectDraw,   // DirectDrawCreate(no GUID, &object, no outer object) through the entry point
        DirectDraw7,  // DirectDrawCreateEx(no GUID, &object, IID_IDirectDraw7, no outer object), likewise
        // CoCreateInstance(CLSID_DirectMusic, no outer, CLSCTX_INPROC_SERVER, IID_IDirectMusic), no entry
        // point; COM is initialised for it and uninitialised once it is released (or failed).
        DirectMusic,
    };
    enum class Interface { DirectDraw2, DirectDrawSurface3, DirectDrawSurface4 };

    // Only from the system directory: never a DLL of that name beside the launcher.
    virtual Module OpenLibrary(const char* name) = 0;
    virtual Procedure FindEntryPoint(Module module, const char* name) = 0;
    virtual void CloseLibrary(Module module) = 0;

    virtual Object Create(Creation what, Procedure entryPoint) = 0;
    virtual Object QueryInterface(Object object, Interface wanted) = 0;
    // SetCooperativeLevel(no window, DDSCL_NORMAL) on a DirectDraw object.
    virtual bool SetNormalCooperativeLevel(Object directDraw) = 0;
    // CreateSurface with DDSD_CAPS and DDSCAPS_PRIMARYSURFACE.
    virtual Object CreatePrimarySurface(Object directDraw) = 0;
    virtual void Release(Object object) = 0;

    virtual void Trace(const char* text) = 0;  // OutputDebugStringA

protected:
    ~DirectXRuntime() = default;
};

}  // namespace platform
