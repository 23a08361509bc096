#include "TextOutput.h"

#include <cstdio>

namespace {

std::string Escaped(const char* format, unsigned value)
{
    char text[8];
    std::snprintf(text, sizeof text, format, value);
    return text;
}

bool IsControl(unsigned c)
{
    return c < 0x20 || (c >= 0x7F && c < 0xA0);
}

}  // namespace

std::size_t Utf8Sequence(const std::string& text, std::size_t at, unsigned* codePoint)
{
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
    const unsigned lead = byte(at);
    if (lead < 0x80) {
        *codePoint = lead;
        return 1;
    }
    // RFC 3629: C2..DF take one byte more, E0..EF two, F0..F4 three; the
    // bounds on the second byte rule out overlong forms, surrogates and
    // code points past U+10FFFF.
    std::size_t follow;
    unsigned low = 0x80, high = 0xBF;
    if (lead >= 0xC2 && lead <= 0xDF) {
        follow = 1;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        follow = 2;
        low = lead == 0xE0 ? 0xA0 : 0x80;
        high = lead == 0xED ? 0x9F : 0xBF;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        follow = 3;
        low = lead == 0xF0 ? 0x90 : 0x80;
        high = lead == 0xF4 ? 0x8F : 0xBF;
    } else {
        return 0;
    }
    if (at + follow >= text.size())
        return 0;
    unsigned value = lead & (0x7F >> (follow + 1));
    for (std::size_t k = 1; k <= follow; ++k) {
        const unsigned next = byte(at + k);
        if (next < (k == 1 ? low : 0x80) || next > (k == 1 ? high : 0xBF))
            return 0;
        value = value << 6 | (next & 0x3F);
    }
    *codePoint = value;
    return follow + 1;
}

std::string JsonString(const std::string& text)
{
    std::string out = "\"";
    for (std::size_t i = 0; i < text.size();) {
        unsigned c = 0;
        const std::size_t length = Utf8Sequence(text, i, &c);
        if (length == 0) {
            c = static_cast<unsigned char>(text[i]);  // Latin-1
            out += c < 0xA0 ? Escaped("\\u%04x", c) : std::string{static_cast<char>(0xC0 | c >> 6), static_cast<char>(0x80 | (c & 0x3F))};
            ++i;
            continue;
        }
        if (c == '"' || c == '\\')
            out += '\\', out += static_cast<char>(c);
        else if (IsControl(c))
            out += Escaped("\\u%04x", c);
        else
            out.append(text, i, length);
        i += length;
    }
    return out + "\"";
}

std::string Printable(const std::string& text)
{
    std::string out;
    for (std::size_t i = 0; i < text.size();) {
        unsigned c = 0;
        const std::size_t length = Utf8Sequence(text, i, &c);
        if (length == 0) {
            out += Escaped("\\x%02x", static_cast<unsigned char>(text[i]));
            ++i;
        } else if (IsControl(c)) {
            out += c < 0x80 ? Escaped("\\x%02x", c) : Escaped("\\u%04x", c);
            i += length;
        } else {
            out.append(text, i, length);
            i += length;
        }
    }
    return out;
}
