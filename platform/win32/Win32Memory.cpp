#include "platform/win32/Win32Platform.h"

namespace win32 {

platform::MemoryBlock Memory::Allocate(std::size_t bytes)
{
    return platform::MemoryBlock(reinterpret_cast<std::uintptr_t>(GlobalAlloc(GHND, bytes)));
}

void* Memory::Lock(platform::MemoryBlock block)
{
    return GlobalLock(reinterpret_cast<HGLOBAL>(block.value()));
}

void Memory::Unlock(platform::MemoryBlock block)
{
    GlobalUnlock(reinterpret_cast<HGLOBAL>(block.value()));
}

void Memory::Free(platform::MemoryBlock block)
{
    GlobalFree(reinterpret_cast<HGLOBAL>(block.value()));
}

}  // namespace win32
