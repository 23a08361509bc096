#include "framework/CFile.h"
#include "platform/win32/Win32Platform.h"

namespace win32 {

namespace {

class FrameworkFile : public platform::ReadableFile {
public:
    explicit FrameworkFile(CFile&& file) : file_(static_cast<CFile&&>(file)) {}
    std::uint64_t Length() override { return file_.GetLength(); }
    bool Read(void* buffer, std::uint32_t bytes, std::uint32_t* received) override
    {
        DWORD got = 0;
        const bool ok = file_.Read(buffer, bytes, &got);
        *received = got;
        return ok;
    }

private:
    CFile file_;
};

}  // namespace

std::unique_ptr<platform::ReadableFile> BitmapFiles::OpenShareDenyWrite(const char* path)
{
    CFile file;
    if (!file.Open(path, CFile::modeRead | CFile::shareDenyWrite))
        return nullptr;
    return std::unique_ptr<platform::ReadableFile>(new FrameworkFile(static_cast<CFile&&>(file)));
}

}  // namespace win32
