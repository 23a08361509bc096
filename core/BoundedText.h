// Writes into the launcher's fixed-size text buffers. Every write is bounded
// by the buffer's size, and a text that does not fit is refused whole: the
// buffer is left empty and the call returns false, so that a cut-off path
// can never be mistaken for another one.
#pragma once
#include <cstdarg>
#include <cstddef>

#if defined(__GNUC__)
#define IRONMARCH_PRINTF(fmt, args) __attribute__((format(printf, fmt, args)))
#else
#define IRONMARCH_PRINTF(fmt, args)
#endif

bool CopyText(char* buffer, std::size_t size, const char* text);
bool AppendText(char* buffer, std::size_t size, const char* text);
bool FormatText(char* buffer, std::size_t size, const char* format, ...) IRONMARCH_PRINTF(3, 4);

template <std::size_t N>
bool CopyText(char (&buffer)[N], const char* text)
{
    return CopyText(buffer, N, text);
}

template <std::size_t N>
bool AppendText(char (&buffer)[N], const char* text)
{
    return AppendText(buffer, N, text);
}

// The length of a text that may lack its terminator, never reading past size.
std::size_t BoundedLength(const char* text, std::size_t size);

// ASCII-only case folding, as the launcher compares paths and labels.
bool EqualIgnoringCase(const char* a, const char* b);
