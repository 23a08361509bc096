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

// The installed DirectX release: major version in bits 8 to 15, minor in 0 to 7.
using DxVersion = unsigned;
DxVersion DetectDirectXVersion(const DirectXLibraries& libraries, platform::DirectXRuntime& runtime,
                               platform::SystemFacts& system);
