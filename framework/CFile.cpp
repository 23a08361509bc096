#include "framework/CFile.h"

bool CFile::Open(const char* path, unsigned flags)
{
    const DWORD share = (flags & shareDenyWrite) != 0 ? FILE_SHARE_READ : FILE_SHARE_READ | FILE_SHARE_WRITE;
    const HANDLE file = CreateFileA(path, GENERIC_READ, share, NULL, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, NULL);
    handle_.reset(file == INVALID_HANDLE_VALUE ? NULL : file);
    return static_cast<bool>(handle_);
}

ULONGLONG CFile::GetLength() const
{
    // GetFileSize, not GetFileSizeEx: the latter came with Windows 2000. A
    // high part with a low part of all ones is told from a failure by the
    // error code.
    DWORD high = 0;
    SetLastError(NO_ERROR);
    const DWORD low = GetFileSize(handle_.get(), &high);
    if (low == INVALID_FILE_SIZE && GetLastError() != NO_ERROR)
        return 0;
    return (static_cast<ULONGLONG>(high) << 32) | low;
}

bool CFile::Read(void* buffer, DWORD bytes, DWORD* received)
{
    *received = 0;
    return ReadFile(handle_.get(), buffer, bytes, received, NULL) != FALSE;
}
