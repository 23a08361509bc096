#include "core/BoundedText.h"

#include <cstdio>
#include <cstring>

bool CopyText(char* buffer, std::size_t size, const char* text)
{
    if (size == 0)
        return false;
    const std::size_t length = std::strlen(text);
    if (length >= size) {
        buffer[0] = '\0';
        return false;
    }
    std::memcpy(buffer, text, length + 1);
    return true;
}

bool AppendText(char* buffer, std::size_t size, const char* text)
{
    if (size == 0)
        return false;
    const std::size_t used = BoundedLength(buffer, size);
    const std::size_t length = std::strlen(text);
    if (used >= size || used + length >= size) {
        buffer[0] = '\0';  // the old text alone would name another path
        return false;
    }
    std::memcpy(buffer + used, text, length + 1);
    return true;
}

bool FormatText(char* buffer, std::size_t size, const char* format, ...)
{
    if (size == 0)
        return false;
    va_list args;
    va_start(args, format);
    const int written = std::vsnprintf(buffer, size, format, args);
    va_end(args);
    if (written < 0 || static_cast<std::size_t>(written) >= size) {
        buffer[0] = '\0';
        return false;
    }
    return true;
}

std::size_t BoundedLength(const char* text, std::size_t size)
{
    std::size_t length = 0;
    while (length < size && text[length] != '\0')
        ++length;
    return length;
}

static char FoldCase(char c)
{
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

bool EqualIgnoringCase(const char* a, const char* b)
{
    for (;; ++a, ++b) {
        if (FoldCase(*a) != FoldCase(*b))
            return false;
        if (*a == '\0')
            return true;
    }
}
