// The DirectX runtime as the version probe sees it: libraries loaded by name,
// entry points looked up, and the few interface calls of each rung. Objects
// are opaque; every one handed out must be given back with Release.
#pragma once
#include <cstdint>

#include "platform/SystemFacts.h"

namespace platform {

class DirectXRuntime {
public:
    using Module = std::uintptr_t;
    using Procedure = std::uintptr_t;
    using Object = std::uintptr_t;

    enum class Interface { DirectDraw2, DirectDrawSurface3, DirectDrawSurface4 };

    virtual Module LoadLibraryByName(const char* name) = 0;
    virtual Procedure FindEntryPoint(Module module, const char* name) = 0;
    virtual void ReleaseLibrary(Module module) = 0;

    // GetVersionExA with an OSVERSIONINFOA (size field 148).
    virtual bool GetVersion(VersionInfo* info) = 0;
    virtual void Trace(const char* text) = 0;  // OutputDebugStringA

    // DirectDrawCreate(no GUID, &object, no outer object) through the entry point.
    virtual Object DirectDrawCreate(Procedure entryPoint) = 0;
    // DirectDrawCreateEx(no GUID, &object, IID_IDirectDraw7, no outer object).
    virtual Object DirectDrawCreateEx7(Procedure entryPoint) = 0;
    virtual Object QueryInterface(Object object, Interface wanted) = 0;
    // SetCooperativeLevel(no window, DDSCL_NORMAL).
    virtual bool SetNormalCooperativeLevel(Object directDraw) = 0;
    // CreateSurface with DDSD_CAPS and DDSCAPS_PRIMARYSURFACE.
    virtual Object CreatePrimarySurface(Object directDraw) = 0;
    virtual void Release(Object object) = 0;

    virtual void CoInitialize() = 0;
    // CoCreateInstance(CLSID_DirectMusic, no outer, CLSCTX_INPROC_SERVER, IID_IDirectMusic).
    virtual Object CreateDirectMusic() = 0;
    virtual void CoUninitialize() = 0;

protected:
    ~DirectXRuntime() = default;
};

}  // namespace platform
