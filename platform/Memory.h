// Movable, zero-filled global memory blocks (GlobalAlloc with GHND).
#pragma once
#include <cstddef>

#include "platform/Types.h"

namespace platform {

class Memory {
public:
    virtual MemoryBlock Allocate(std::size_t bytes) = 0;  // 0 when out of memory
    virtual void* Lock(MemoryBlock block) = 0;            // null on failure
    virtual void Unlock(MemoryBlock block) = 0;
    virtual void Free(MemoryBlock block) = 0;

protected:
    ~Memory() = default;
};

}  // namespace platform
