#include "platform/VolumeRoot.h"
#include "platform/win32/Win32Platform.h"

namespace win32 {

unsigned Drives::DriveType(const char* root)
{
    return GetDriveTypeA(root);
}

bool Drives::GetVolumeLabel(const char* drive, char* label, std::uint32_t size)
{
    char root[8];
    if (!platform::VolumeRootFor(drive, root, sizeof root))
        return false;
    char fileSystem[256];
    return GetVolumeInformationA(root, label, size, NULL, NULL, NULL, fileSystem, 255) != FALSE;
}

}  // namespace win32
