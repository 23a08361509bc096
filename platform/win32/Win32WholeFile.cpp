#include <cstdint>
#include <new>

#include "framework/CFile.h"
#include "platform/win32/Win32Platform.h"

namespace win32 {

platform::WholeFile WholeFileReader::ReadWholeFile(const char* path, std::size_t padding)
{
    platform::WholeFile whole;
    CFile file;
    if (!file.Open(path, CFile::modeRead | CFile::shareDenyWrite))
        return whole;
    whole.length = file.GetLength();
    // One ReadFile call takes at most a DWORD's worth, and the block must be addressable.
    if (whole.length > 0xFFFFFFFFu || whole.length > SIZE_MAX - padding) {
        whole.outcome = platform::WholeFile::Outcome::NoMemory;
        return whole;
    }
    whole.bytes.reset(new (std::nothrow) std::uint8_t[static_cast<std::size_t>(whole.length) + padding]());
    if (!whole.bytes) {
        whole.outcome = platform::WholeFile::Outcome::NoMemory;
        return whole;
    }
    DWORD received = 0;
    const bool read = file.Read(whole.bytes.get(), static_cast<DWORD>(whole.length), &received);
    whole.received = received;
    whole.outcome = read ? platform::WholeFile::Outcome::Read : platform::WholeFile::Outcome::ReadFailed;
    return whole;
}

}  // namespace win32
