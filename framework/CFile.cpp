#include "framework/CFile.h"

bool CFile::Open(const char* path, unsigned flags)
{
    const DWORD share = (flags & shareDenyWrite) != 0 ? FILE_SHARE_READ : FILE_SHARE_READ | FILE_SHARE_WRITE;
    handle_.reset(CreateFileA(path, GENERIC_READ, share, NULL, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, NULL));
    return static_cast<bool>(handle_);
}

ULONGLONG CFile::GetLength() const
{
    LARGE_INTEGER size;
    if (!GetFileSizeEx(handle_.get(), &size))
        return 0;
    return static_cast<ULONGLONG>(size.QuadPart);
}

bool CFile::Read(void* buffer, DWORD bytes, DWORD* received)
{
    *received = 0;
    return ReadFile(handle_.get(), buffer, bytes, received, NULL) != FALSE;
}
