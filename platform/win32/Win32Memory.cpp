#include "platform/win32/Win32Platform.h"

namespace win32 {

platform::MemoryBlock Memory::Allocate(std::size_t bytes)
{
    return reinterpret_cast<platform::MemoryBlock>(GlobalAlloc(GHND, bytes));
}

void* Memory::Lock(platform::MemoryBlock block)
{
    return GlobalLock(reinterpret_cast<HGLOBAL>(block));
}

void Memory::Unlock(platform::MemoryBlock block)
{
    GlobalUnlock(reinterpret_cast<HGLOBAL>(block));
}

void Memory::Free(platform::MemoryBlock block)
{
    GlobalFree(reinterpret_cast<HGLOBAL>(block));
}

}  // namespace win32
