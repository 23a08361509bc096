#include "core/Language.h"

#include <cstring>
#include <string>

#include "platform/Texts.h"
#include "resources/resource.h"

namespace {

constexpr std::uint16_t PrimaryLanguage(std::uint16_t id)
{
    return id & 0x3ff;
}

bool ShownInCodePage(const Language& language, platform::Texts& texts)
{
    std::string text;
    for (unsigned id = IDS_FIRST_TEXT; id <= IDS_LAST_TEXT; ++id)
        if (texts.LoadText(language.id, id, &text) == platform::TextLoad::NotInCodePage)
            return false;
    return true;
}

}  // namespace

const Language& ChooseLanguage(const LanguageFacts& facts, platform::Texts& texts)
{
    const std::uint16_t wanted = facts.installedLanguage != 0 ? facts.installedLanguage
                                 : facts.uiLanguage != 0      ? facts.uiLanguage
                                                              : facts.userDefault;
    for (const Language& language : kLanguages)
        if (PrimaryLanguage(language.id) == PrimaryLanguage(wanted))
            return ShownInCodePage(language, texts) ? language : kEnglish;
    return kEnglish;
}

std::uint16_t LanguageOfCode(const char* code)
{
    for (const Language& language : kLanguages)
        if (std::strcmp(language.code, code) == 0)
            return language.id;
    return 0;
}
