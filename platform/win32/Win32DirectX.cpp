// The DirectX probe's calls. Every object is handled as IUnknown or through
// the one method a rung needs; nothing is imported from a DirectX library.
#include <windows.h>

#include <ddraw.h>
#include <objbase.h>

#include "platform/win32/SystemFunction.h"
#include "platform/win32/Win32Platform.h"

namespace win32 {

namespace {

const GUID kIidDirectDraw2 = {0xB3A6F3E0, 0x2B43, 0x11CF, {0xA2, 0xDE, 0x00, 0xAA, 0x00, 0xB9, 0x33, 0x56}};
const GUID kIidDirectDraw7 = {0x15e65ec0, 0x3b9c, 0x11d2, {0xb9, 0x2f, 0x00, 0x60, 0x97, 0x97, 0xea, 0x5b}};
const GUID kIidDirectDrawSurface3 = {0xDA044E00, 0x69B2, 0x11D0, {0xA1, 0xD5, 0x00, 0xAA, 0x00, 0xB8, 0xDF, 0xBB}};
const GUID kIidDirectDrawSurface4 = {0x0B2B8630, 0xAD35, 0x11D0, {0x8E, 0xA6, 0x00, 0x60, 0x97, 0x97, 0xEA, 0x5B}};
const GUID kClsidDirectMusic = {0x636b9f10, 0x0c7d, 0x11d1, {0x95, 0xb2, 0x00, 0x20, 0xaf, 0xdc, 0x74, 0x21}};
const GUID kIidDirectMusic = {0x6536115a, 0x7b2d, 0x11d2, {0xba, 0x18, 0x00, 0x00, 0xf8, 0x75, 0xac, 0x12}};

// 108 bytes in a 32-bit program; the x86_64 test build's surface pointer makes it longer.
static_assert(sizeof(void*) != 4 || sizeof(DDSURFACEDESC) == 108, "the surface description of DirectX 1 to 6");

typedef HRESULT(WINAPI* DirectDrawCreateFunction)(GUID*, LPDIRECTDRAW*, IUnknown*);
typedef HRESULT(WINAPI* DirectDrawCreateExFunction)(GUID*, LPVOID*, REFIID, IUnknown*);
typedef HRESULT(WINAPI* CoInitializeFunction)(LPVOID);
typedef HRESULT(WINAPI* CoCreateInstanceFunction)(REFCLSID, LPUNKNOWN, DWORD, REFIID, LPVOID*);
typedef void(WINAPI* CoUninitializeFunction)();

}  // namespace

platform::DirectXRuntime::Module DirectXRuntime::OpenLibrary(const char* name)
{
    return TheSystemLibraries().Load(name);
}

platform::DirectXRuntime::Procedure DirectXRuntime::FindEntryPoint(Module module, const char* name)
{
    return Wrap<Procedure>(::GetProcAddress(Unwrap<HMODULE>(module), name));
}

void DirectXRuntime::CloseLibrary(Module module)
{
    ::FreeLibrary(Unwrap<HMODULE>(module));
}

void DirectXRuntime::Trace(const char* text)
{
    OutputDebugStringA(text);
}

platform::DirectXRuntime::Object DirectXRuntime::Create(Creation what, Procedure entryPoint)
{
    void* object = NULL;
    HRESULT result = E_FAIL;
    switch (what) {
    case Creation::DirectDraw:
        result = Unwrap<DirectDrawCreateFunction>(entryPoint)(NULL, reinterpret_cast<LPDIRECTDRAW*>(&object), NULL);
        break;
    case Creation::DirectDraw7:
        result = Unwrap<DirectDrawCreateExFunction>(entryPoint)(NULL, &object, kIidDirectDraw7, NULL);
        break;
    case Creation::DirectMusic: {
        const auto coInitialize = SystemFunction<CoInitializeFunction>("ole32.dll", "CoInitialize");
        const auto coCreateInstance = SystemFunction<CoCreateInstanceFunction>("ole32.dll", "CoCreateInstance");
        if (coInitialize != nullptr)
            coInitialize(NULL);
        if (coCreateInstance != nullptr)
            result = coCreateInstance(kClsidDirectMusic, NULL, CLSCTX_INPROC_SERVER, kIidDirectMusic, &object);
        break;
    }
    }
    const bool created = SUCCEEDED(result) && object != NULL;
    if (what == Creation::DirectMusic) {
        if (!created)
            UninitializeCom();  // its Release would have done it
        comObject_ = created ? Wrap<Object>(object) : Object{};
    }
    return created ? Wrap<Object>(object) : Object{};
}

platform::DirectXRuntime::Object DirectXRuntime::QueryInterface(Object object, Interface wanted)
{
    const GUID& iid = wanted == Interface::DirectDraw2          ? kIidDirectDraw2
                      : wanted == Interface::DirectDrawSurface3 ? kIidDirectDrawSurface3
                                                                : kIidDirectDrawSurface4;
    void* result = NULL;
    if (FAILED(Unwrap<IUnknown*>(object)->QueryInterface(iid, &result)) || result == NULL)
        return Object{};
    return Wrap<Object>(result);
}

bool DirectXRuntime::SetNormalCooperativeLevel(Object directDraw)
{
    return SUCCEEDED(Unwrap<IDirectDraw*>(directDraw)->SetCooperativeLevel(NULL, DDSCL_NORMAL));
}

platform::DirectXRuntime::Object DirectXRuntime::CreatePrimarySurface(Object directDraw)
{
    DDSURFACEDESC description = {};
    description.dwSize = sizeof description;
    description.dwFlags = DDSD_CAPS;
    description.ddsCaps.dwCaps = DDSCAPS_PRIMARYSURFACE;
    LPDIRECTDRAWSURFACE surface = NULL;
    if (FAILED(Unwrap<IDirectDraw*>(directDraw)->CreateSurface(&description, &surface, NULL)) || surface == NULL)
        return Object{};
    return Wrap<Object>(surface);
}

void DirectXRuntime::Release(Object object)
{
    Unwrap<IUnknown*>(object)->Release();
    if (object == comObject_) {
        comObject_ = Object{};
        UninitializeCom();
    }
}

void DirectXRuntime::UninitializeCom()
{
    const auto coUninitialize = SystemFunction<CoUninitializeFunction>("ole32.dll", "CoUninitialize");
    if (coUninitialize != nullptr)
        coUninitialize();
}

}  // namespace win32
