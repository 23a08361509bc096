// The launcher's string tables, one per language, as the system can show
// them.
#pragma once
#include <cstdint>
#include <string>

namespace platform {

enum class TextLoad {
    Loaded,
    Missing,        // the language has no such string
    NotInCodePage,  // a character of it has no form in the system's ANSI code page
};

class Texts {
public:
    // String `id` of `language` (a Windows language id) in the system's
    // ANSI code page, looked up in that language only.
    virtual TextLoad LoadText(std::uint16_t language, unsigned id, std::string* text) = 0;

protected:
    ~Texts() = default;
};

}  // namespace platform
