// DDRAW.DLL and DINPUT.DLL, loaded at run time for the version probe and
// freed again after it. The launcher imports nothing from DirectX.
#pragma once
#include "platform/DirectXRuntime.h"

struct DirectXLibraries {
    platform::DirectXRuntime::Module ddrawModule = 0;
    platform::DirectXRuntime::Module dinputModule = 0;
    bool librariesLoaded = false;
    bool ddrawLoaded = false;
    bool dinputLoaded = false;
    platform::DirectXRuntime::Procedure directDrawCreate = 0;
    platform::DirectXRuntime::Procedure directDrawCreateEx = 0;
    platform::DirectXRuntime::Procedure directInputCreate = 0;
};

void LoadDirectXLibraries(DirectXLibraries& libraries, platform::DirectXRuntime& runtime);
void UnloadDirectXLibraries(DirectXLibraries& libraries, platform::DirectXRuntime& runtime);

// The installed DirectX release: major version in bits 8 to 15, minor in 0 to 7.
using DxVersion = unsigned;
DxVersion DetectDirectXVersion(const DirectXLibraries& libraries, platform::DirectXRuntime& runtime);
