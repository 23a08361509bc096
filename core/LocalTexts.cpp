#include "core/LocalTexts.h"

#include "platform/Texts.h"

std::string LocalTexts::Text(unsigned id) const
{
    std::string text;
    if (texts_.LoadText(language_->id, id, &text) == platform::TextLoad::Loaded)
        return text;
    if (texts_.LoadText(kEnglish.id, id, &text) == platform::TextLoad::Loaded)
        return text;
    return std::string();
}

std::string LocalTexts::Format(unsigned id, std::initializer_list<const char*> values) const
{
    std::string filled;
    std::string text;
    if (texts_.LoadText(language_->id, id, &text) == platform::TextLoad::Loaded && FillSlots(text, values, &filled))
        return filled;
    if (texts_.LoadText(kEnglish.id, id, &text) == platform::TextLoad::Loaded && FillSlots(text, values, &filled))
        return filled;
    return std::string();
}

bool FillSlots(const std::string& format, std::initializer_list<const char*> values, std::string* out)
{
    std::string filled;
    const char* const* value = values.begin();
    for (std::size_t i = 0; i < format.size(); ++i) {
        if (format[i] != '%') {
            filled += format[i];
            continue;
        }
        const char slot = i + 1 < format.size() ? format[++i] : '\0';
        if (slot == '%')
            filled += '%';
        else if (slot == 's' && value != values.end())
            filled += *value++;
        else
            return false;
    }
    if (value != values.end())
        return false;
    *out = filled;
    return true;
}
