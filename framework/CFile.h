// A file opened for reading while others may read but not write it.
#pragma once
#include <windows.h>

#include "framework/Win32Handle.h"

class CFile {
public:
    enum OpenFlags { modeRead = 0x0000, shareDenyWrite = 0x0020 };

    bool Open(const char* path, unsigned flags);
    ULONGLONG GetLength() const;
    // False on a read error of the system.
    bool Read(void* buffer, DWORD bytes, DWORD* received);

private:
    KernelHandle handle_;
};
