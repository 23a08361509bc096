// The launcher's string tables as its resource scripts give them, read from
// the sources so that the host tests see the texts the exe carries.
#pragma once
#include <cstdint>
#include <map>
#include <string>

namespace fake {

// Language id -> string id -> text (UTF-8, escapes resolved).
using StringTables = std::map<std::uint16_t, std::map<unsigned, std::string>>;
const StringTables& ResourceTexts();

}  // namespace fake
