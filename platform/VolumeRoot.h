// GetVolumeInformationA documents its root with a trailing backslash ("E:\");
// Wine also takes "E:", Windows does not. The drive adapter writes the root
// through this helper so that both forms of a drive text name the same root.
#pragma once
#include <cstddef>

namespace platform {

// "E:" -> "E:\", "E:\" stays; anything else is copied as it is. False when
// the root does not fit (the buffer is then empty).
inline bool VolumeRootFor(const char* drive, char* root, std::size_t size)
{
    std::size_t length = 0;
    while (drive[length] != '\0')
        ++length;
    const bool addSeparator = length == 2 && drive[1] == ':';
    const std::size_t needed = length + (addSeparator ? 1 : 0) + 1;
    if (size == 0 || needed > size) {
        if (size != 0)
            root[0] = '\0';
        return false;
    }
    for (std::size_t i = 0; i < length; ++i)
        root[i] = drive[i];
    if (addSeparator)
        root[length++] = '\\';
    root[length] = '\0';
    return true;
}

}  // namespace platform
