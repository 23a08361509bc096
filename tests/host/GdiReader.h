// A stand-in for the system's drawing that reads, byte by byte, everything
// SetDIBitsToDevice would read: the header by its own size, the colour table
// and the pixel rows. Under AddressSanitizer a read past the image's block
// is reported at once.
#pragma once
#include <cstdint>

#include "FakeSystem.h"

class ReadingGraphics : public fake::System {
public:
    int SetDIBitsToDevice(platform::DeviceContext dc, const platform::DibCopy& copy) override;
    std::uint64_t bytesRead = 0;  // so that the reads cannot be optimised away
    int calls = 0;
};
