// Owners of Win32 handles: one place frees each one, and none can be copied.
#pragma once
#include <windows.h>

template <typename Handle, typename Traits>
class UniqueHandle {
public:
    UniqueHandle() = default;
    explicit UniqueHandle(Handle handle) : handle_(handle) {}
    ~UniqueHandle() { reset(); }
    UniqueHandle(UniqueHandle&& other) noexcept : handle_(other.release()) {}
    UniqueHandle& operator=(UniqueHandle&& other) noexcept
    {
        if (this != &other)
            reset(other.release());
        return *this;
    }
    UniqueHandle(const UniqueHandle&) = delete;
    UniqueHandle& operator=(const UniqueHandle&) = delete;

    Handle get() const { return handle_; }
    explicit operator bool() const { return Traits::IsValid(handle_); }
    Handle release()
    {
        Handle handle = handle_;
        handle_ = Traits::Invalid();
        return handle;
    }
    void reset(Handle handle = Traits::Invalid())
    {
        if (Traits::IsValid(handle_))
            Traits::Close(handle_);
        handle_ = handle;
    }

private:
    Handle handle_ = Traits::Invalid();
};

struct KernelHandleTraits {
    static HANDLE Invalid() { return NULL; }
    static bool IsValid(HANDLE h) { return h != NULL && h != INVALID_HANDLE_VALUE; }
    static void Close(HANDLE h) { CloseHandle(h); }
};
using KernelHandle = UniqueHandle<HANDLE, KernelHandleTraits>;

struct RegistryKeyTraits {
    static HKEY Invalid() { return NULL; }
    static bool IsValid(HKEY h) { return h != NULL; }
    static void Close(HKEY h) { RegCloseKey(h); }
};
using RegistryKey = UniqueHandle<HKEY, RegistryKeyTraits>;

struct LocalMemoryTraits {
    static HLOCAL Invalid() { return NULL; }
    static bool IsValid(HLOCAL h) { return h != NULL; }
    static void Close(HLOCAL h) { LocalFree(h); }
};
using LocalMemory = UniqueHandle<HLOCAL, LocalMemoryTraits>;
