#include <algorithm>
#include <vector>

#include "platform/StringBlock.h"
#include "platform/win32/Win32Platform.h"

namespace win32 {

platform::TextLoad Texts::LoadText(std::uint16_t language, unsigned id, std::string* text)
{
    // FindResourceEx looks in the one language asked for, whatever the
    // thread's locale; string n lives in block n / 16 + 1. A resource needs
    // no freeing: it lives as long as the module.
    HMODULE module = GetModuleHandleA(NULL);
    HRSRC found = FindResourceExA(module, RT_STRING, MAKEINTRESOURCEA(id / 16 + 1), language);
    HGLOBAL loaded = found != NULL ? LoadResource(module, found) : NULL;
    const void* data = loaded != NULL ? LockResource(loaded) : nullptr;
    if (data == nullptr)
        return platform::TextLoad::Missing;
    const platform::StringInBlock string = platform::FindInStringBlock(
        static_cast<const std::uint16_t*>(data), SizeofResource(module, found) / 2, id % 16);
    if (string.length == 0)
        return platform::TextLoad::Missing;

    const auto* wide = reinterpret_cast<const WCHAR*>(string.text);
    const int length = static_cast<int>(string.length);
    const int bytes = WideCharToMultiByte(CP_ACP, 0, wide, length, NULL, 0, NULL, NULL);
    if (bytes <= 0)
        return platform::TextLoad::NotInCodePage;
    std::string ansi(static_cast<std::size_t>(bytes), '\0');
    WideCharToMultiByte(CP_ACP, 0, wide, length, &ansi[0], bytes, NULL, NULL);
    // A character the code page lacks comes back as '?' or as a look-alike
    // ("e" for "é" by best fit), so only the round trip tells; the flags
    // that would say so directly are refused before Windows 2000.
    std::vector<WCHAR> back(string.length);
    if (MultiByteToWideChar(CP_ACP, 0, ansi.data(), bytes, back.data(), length) != length ||
        !std::equal(back.begin(), back.end(), wide))
        return platform::TextLoad::NotInCodePage;
    *text = ansi;
    return platform::TextLoad::Loaded;
}

}  // namespace win32
