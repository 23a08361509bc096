// The languages the launcher speaks, and which of them a player gets.
#pragma once
#include <cstdint>

namespace platform {
class Texts;
}

struct Language {
    std::uint16_t id;  // the Windows language id of its string table
    const char* code;  // ISO 639-1; its pictures are in bitmaps\<code>\ on the disc
    const char* name;  // in English, for the publisher's tools
};

// English first: the language of every fallback.
inline constexpr Language kLanguages[] = {{0x0409, "en", "English"}, {0x0407, "de", "German"}, {0x040c, "fr", "French"}};
inline constexpr const Language& kEnglish = kLanguages[0];

// What the system says of the player's language; 0 where it says nothing.
struct LanguageFacts {
    std::uint16_t installedLanguage;  // recorded by the game's installer
    std::uint16_t uiLanguage;         // GetUserDefaultUILanguage: 2000 and later
    std::uint16_t userDefault;        // GetUserDefaultLangID
};

// The first fact given decides: the installed game's language, else the
// UI language, else the user's default. The launcher's language of the same
// primary language (de-AT gets German), if every one of its strings can be
// shown in the ANSI code page; otherwise English.
const Language& ChooseLanguage(const LanguageFacts& facts, platform::Texts& texts);

// A language id from its ISO 639-1 code ("de"); 0 for a code the launcher
// does not speak.
std::uint16_t LanguageOfCode(const char* code);
