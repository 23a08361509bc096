// Handles and small value types that the launcher's decisions pass to the
// platform without knowing what they are on the system underneath.
#pragma once
#include <cstddef>
#include <cstdint>

namespace platform {

// Opaque system objects: 0 always means "none".
using WindowHandle = std::uintptr_t;
using MutexHandle = std::uintptr_t;
using DeviceContext = std::uintptr_t;
using PaletteHandle = std::uintptr_t;
using MemoryBlock = std::uintptr_t;

struct Rect {
    std::int32_t left;
    std::int32_t top;
    std::int32_t right;
    std::int32_t bottom;
};

inline bool operator==(const Rect& a, const Rect& b)
{
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

}  // namespace platform
