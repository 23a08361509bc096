// Read-only access to the installer's entries under HKEY_LOCAL_MACHINE.
#pragma once
#include <cstdint>

namespace platform {

class Registry {
public:
    enum class ReadResult { Ok, KeyMissing, ValueUnreadable };

    // Opens the key with query access only, reads the value's raw bytes into
    // buffer (at most *size bytes; *size then holds the count delivered) and
    // closes the key again. The bytes are not terminated here.
    virtual ReadResult ReadLocalMachineValue(const char* keyName, const char* valueName,
                                             char* buffer, std::uint32_t* size) = 0;

protected:
    ~Registry() = default;
};

}  // namespace platform
