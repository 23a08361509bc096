// Handles and small value types that the launcher's decisions pass to the
// platform without knowing what they are on the system underneath.
#pragma once
#include <cstddef>
#include <cstdint>

namespace platform {

// A system object of one kind, opaque to the decisions; one kind cannot be
// passed where another is expected. The default, value 0, is "none".
template <class Kind>
class Handle {
public:
    constexpr Handle() = default;
    constexpr explicit Handle(std::uintptr_t value) : value_(value) {}
    constexpr std::uintptr_t value() const { return value_; }
    constexpr explicit operator bool() const { return value_ != 0; }
    friend constexpr bool operator==(Handle a, Handle b) { return a.value_ == b.value_; }
    friend constexpr bool operator!=(Handle a, Handle b) { return a.value_ != b.value_; }
    friend constexpr bool operator<(Handle a, Handle b) { return a.value_ < b.value_; }

private:
    std::uintptr_t value_ = 0;
};

using WindowHandle = Handle<struct WindowKind>;
using MutexHandle = Handle<struct MutexKind>;
using DeviceContext = Handle<struct DeviceContextKind>;
using PaletteHandle = Handle<struct PaletteKind>;
using ModuleHandle = Handle<struct ModuleKind>;
using Procedure = Handle<struct ProcedureKind>;  // an entry point of a loaded library

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
