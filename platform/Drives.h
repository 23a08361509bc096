// Drive types and volume labels.
#pragma once
#include <cstdint>

namespace platform {

class Drives {
public:
    // GetDriveTypeA for a root written as letter, colon, backslash.
    virtual unsigned DriveType(const char* root) = 0;

    // GetVolumeInformationA for the drive that the text names; the label goes
    // into buffer, which holds size characters with the terminator.
    virtual bool GetVolumeLabel(const char* drive, char* label, std::uint32_t size) = 0;

protected:
    ~Drives() = default;
};

}  // namespace platform
