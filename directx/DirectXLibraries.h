// DDRAW.DLL and DINPUT.DLL, loaded at run time for the version probe and
// freed again after it. The launcher imports nothing from DirectX.
#pragma once
#include "platform/DirectXRuntime.h"
#include "platform/SystemFacts.h"

struct DirectXLibraries {
    platform::DirectXRuntime::Module ddrawModule{};
    platform::DirectXRuntime::Module dinputModule{};
    bool librariesLoaded = false;
    bool ddrawLoaded = false;
    bool dinputLoaded = false;
    platform::DirectXRuntime::Procedure directDrawCreate{};
    platform::DirectXRuntime::Procedure directDrawCreateEx{};
    platform::DirectXRuntime::Procedure directInputCreate{};
};

void LoadDirectXLibraries(DirectXLibraries& libraries, platform::DirectXRuntime& runtime);
void UnloadDirectXLibraries(DirectXLibraries& libraries, platform::DirectXRuntime& runtime);

// The installed DirectX release: major version in bits 8 to 15, minor in 0 to
// 7. The probe gives only these; it cannot tell DirectX 4 from 3.
enum class DxVersion : std::uint32_t {
    kNone = 0,
    kDirectX1 = 0x100,
    kDirectX2 = 0x200,
    kDirectX3 = 0x300,
    kDirectX5 = 0x500,
    kDirectX6 = 0x600,
    kDirectX61 = 0x601,
    kDirectX7 = 0x700,
    kDirectX8 = 0x800,
};
DxVersion DetectDirectXVersion(const DirectXLibraries& libraries, platform::DirectXRuntime& runtime,
                               platform::SystemFacts& system);
