// The DirectX probe's calls. Every object is handled as IUnknown or through
// the one method a rung needs; nothing is imported from a DirectX library.
#include <windows.h>

#include <ddraw.h>
#include <objbase.h>

#include "framework/SystemLibrary.h"
#include "platform/win32/Win32Platform.h"

namespace win32 {

namespace {

const GUID kIidDirectDraw2 = {0xB3A6F3E0, 0x2B43, 0x11CF, {0xA2, 0xDE, 0x00, 0xAA, 0x00, 0xB9, 0x33, 0x56}};
const GUID kIidDirectDraw7 = {0x15e65ec0, 0x3b9c, 0x11d2, {0xb9, 0x2f, 0x00, 0x60, 0x97, 0x97, 0xea, 0x5b}};
const GUID kIidDirectDrawSurface3 = {0xDA044E00, 0x69B2, 0x11D0, {0xA1, 0xD5, 0x00, 0xAA, 0x00, 0xB8, 0xDF, 0xBB}};
const GUID kIidDirectDrawSurface4 = {0x0B2B8630, 0xAD35, 0x11D0, {0x8E, 0xA6, 0x00, 0x60, 0x97, 0x97, 0xEA, 0x5B}};
const GUID kClsidDirectMusic = {0x636b9f10, 0x0c7d, 0x11d1, {0x95, 0xb2, 0x00, 0x20, 0xaf, 0xdc, 0x74, 0x21}};
const GUID kIidDirectMusic = {0x6536115a, 0x7b2d, 0x11d2, {0xba, 0x18, 0x00, 0x00, 0xf8, 0x75, 0xac, 0x12}};

static_assert(sizeof(DDSURFACEDESC) == 108, "the surface description of DirectX 1 to 6");

typedef HRESULT(WINAPI* DirectDrawCreateFunction)(GUID*, LPDIRECTDRAW*, IUnknown*);
typedef HRESULT(WINAPI* DirectDrawCreateExFunction)(GUID*, LPVOID*, REFIID, IUnknown*);
typedef HRESULT(WINAPI* CoInitializeFunction)(LPVOID);
typedef HRESULT(WINAPI* CoCreateInstanceFunction)(REFCLSID, LPUNKNOWN, DWORD, REFIID, LPVOID*);
typedef void(WINAPI* CoUninitializeFunction)();

template <typename T>
platform::DirectXRuntime::Object AsObject(T* pointer)
{
    return reinterpret_cast<platform::DirectXRuntime::Object>(pointer);
}

}  // namespace

platform::DirectXRuntime::Module DirectXRuntime::LoadLibraryByName(const char* name)
{
    // The system's DirectX, never a DLL of that name beside the launcher.
    return reinterpret_cast<Module>(LoadSystemLibrary(name));
}

platform::DirectXRuntime::Procedure DirectXRuntime::FindEntryPoint(Module module, const char* name)
{
    return reinterpret_cast<Procedure>(::GetProcAddress(reinterpret_cast<HMODULE>(module), name));
}

void DirectXRuntime::ReleaseLibrary(Module module)
{
    ::FreeLibrary(reinterpret_cast<HMODULE>(module));
}

bool DirectXRuntime::GetVersion(platform::VersionInfo* info)
{
    OSVERSIONINFOA version = {};
    version.dwOSVersionInfoSize = sizeof version;
    if (!GetVersionExA(&version))
        return false;
    info->platformId = version.dwPlatformId;
    info->majorVersion = version.dwMajorVersion;
    info->minorVersion = version.dwMinorVersion;
    return true;
}

void DirectXRuntime::Trace(const char* text)
{
    OutputDebugStringA(text);
}

platform::DirectXRuntime::Object DirectXRuntime::DirectDrawCreate(Procedure entryPoint)
{
    LPDIRECTDRAW directDraw = NULL;
    const DirectDrawCreateFunction create = reinterpret_cast<DirectDrawCreateFunction>(entryPoint);
    if (FAILED(create(NULL, &directDraw, NULL)) || directDraw == NULL)
        return 0;
    return AsObject(directDraw);
}

platform::DirectXRuntime::Object DirectXRuntime::DirectDrawCreateEx7(Procedure entryPoint)
{
    void* directDraw7 = NULL;
    const DirectDrawCreateExFunction create = reinterpret_cast<DirectDrawCreateExFunction>(entryPoint);
    if (FAILED(create(NULL, &directDraw7, kIidDirectDraw7, NULL)) || directDraw7 == NULL)
        return 0;
    return reinterpret_cast<Object>(directDraw7);
}

platform::DirectXRuntime::Object DirectXRuntime::QueryInterface(Object object, Interface wanted)
{
    const GUID& iid = wanted == Interface::DirectDraw2          ? kIidDirectDraw2
                      : wanted == Interface::DirectDrawSurface3 ? kIidDirectDrawSurface3
                                                                : kIidDirectDrawSurface4;
    void* result = NULL;
    IUnknown* unknown = reinterpret_cast<IUnknown*>(object);
    if (FAILED(unknown->QueryInterface(iid, &result)) || result == NULL)
        return 0;
    return reinterpret_cast<Object>(result);
}

bool DirectXRuntime::SetNormalCooperativeLevel(Object directDraw)
{
    IDirectDraw* object = reinterpret_cast<IDirectDraw*>(directDraw);
    return SUCCEEDED(object->SetCooperativeLevel(NULL, DDSCL_NORMAL));
}

platform::DirectXRuntime::Object DirectXRuntime::CreatePrimarySurface(Object directDraw)
{
    DDSURFACEDESC description = {};
    description.dwSize = sizeof description;
    description.dwFlags = DDSD_CAPS;
    description.ddsCaps.dwCaps = DDSCAPS_PRIMARYSURFACE;
    LPDIRECTDRAWSURFACE surface = NULL;
    IDirectDraw* object = reinterpret_cast<IDirectDraw*>(directDraw);
    if (FAILED(object->CreateSurface(&description, &surface, NULL)) || surface == NULL)
        return 0;
    return AsObject(surface);
}

void DirectXRuntime::Release(Object object)
{
    reinterpret_cast<IUnknown*>(object)->Release();
}

void DirectXRuntime::CoInitialize()
{
    const CoInitializeFunction coInitialize = SystemFunction<CoInitializeFunction>("ole32.dll", "CoInitialize");
    if (coInitialize != nullptr)
        coInitialize(NULL);
}

platform::DirectXRuntime::Object DirectXRuntime::CreateDirectMusic()
{
    void* music = NULL;
    const CoCreateInstanceFunction coCreateInstance =
        SystemFunction<CoCreateInstanceFunction>("ole32.dll", "CoCreateInstance");
    if (coCreateInstance == nullptr ||
        FAILED(coCreateInstance(kClsidDirectMusic, NULL, CLSCTX_INPROC_SERVER, kIidDirectMusic, &music)) ||
        music == NULL)
        return 0;
    return reinterpret_cast<Object>(music);
}

void DirectXRuntime::CoUninitialize()
{
    const CoUninitializeFunction coUninitialize =
        SystemFunction<CoUninitializeFunction>("ole32.dll", "CoUninitialize");
    if (coUninitialize != nullptr)
        coUninitialize();
}

}  // namespace win32
