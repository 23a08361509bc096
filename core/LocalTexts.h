// The launcher's words in the player's language: each text from the chosen
// language's string table, or from the English one where that lacks it.
#pragma once
#include <initializer_list>
#include <string>

#include "core/Language.h"

namespace platform {
class Texts;
}

class LocalTexts {
public:
    explicit LocalTexts(platform::Texts& texts) : texts_(texts) {}

    void UseLanguage(const Language& language) { language_ = &language; }
    const Language& language() const { return *language_; }

    // Empty only where no table has the text.
    std::string Text(unsigned id) const;

    // Text(id) with its %s slots filled from `values` in order and "%%"
    // made "%". A translation whose slots do not match the values gives way
    // to the English text; no text is ever read as a printf format.
    std::string Format(unsigned id, std::initializer_list<const char*> values) const;

private:
    platform::Texts& texts_;
    const Language* language_ = &kEnglish;
};

// Fills the %s slots of `format` from `values`; false, leaving `out` as it
// was, if any other % is in it or the slots and values differ in number.
bool FillSlots(const std::string& format, std::initializer_list<const char*> values, std::string* out);
