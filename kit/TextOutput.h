// Texts a disc or a publisher's files carry, made safe to print: labels and
// names come from the disc, and may hold any byte.
#pragma once
#include <string>

// A JSON string literal in strictly valid UTF-8: quotes, backslashes and
// control characters escaped, and every byte that does not start a valid
// UTF-8 sequence (overlong forms and surrogates included) taken as Latin-1.
std::string JsonString(const std::string& text);

// The text for a terminal: valid UTF-8 kept, control characters (C0, DEL
// and C1) and bytes that are not UTF-8 shown as \xNN or \u00NN, so that a
// label cannot move the cursor, clear the screen or retitle the terminal.
std::string Printable(const std::string& text);

// The length of the valid UTF-8 sequence at text[at], 0 when there is none,
// and its code point.
std::size_t Utf8Sequence(const std::string& text, std::size_t at, unsigned* codePoint);
