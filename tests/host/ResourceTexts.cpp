#include "ResourceTexts.h"

#include <fstream>
#include <regex>
#include <stdexcept>

namespace fake {

namespace {

const std::string kResources = IRONMARCH_SOURCE_DIR "/resources/";

std::map<std::string, unsigned> StringIds()
{
    std::map<std::string, unsigned> ids;
    std::ifstream header(kResources + "resource.h");
    const std::regex define(R"(#define\s+(IDS_\w+)\s+(\d+)\s*)");
    std::smatch match;
    for (std::string line; std::getline(header, line);)
        if (std::regex_match(line, match, define))
            ids[match[1]] = static_cast<unsigned>(std::stoul(match[2]));
    return ids;
}

std::string Unescaped(const std::string& quoted)
{
    std::string text;
    for (std::size_t i = 0; i < quoted.size(); ++i) {
        const char c = quoted[i];
        const char next = i + 1 < quoted.size() ? quoted[i + 1] : '\0';
        if (c == '"' && next == '"')
            text += '"', ++i;
        else if (c == '\\' && (next == 'r' || next == 'n' || next == '\\'))
            text += next == 'r' ? '\r' : next == 'n' ? '\n' : '\\', ++i;
        else
            text += c;
    }
    return text;
}

void ReadScript(const std::string& file, const std::map<std::string, unsigned>& ids, StringTables* tables)
{
    const std::map<std::string, std::uint16_t> primary{{"LANG_ENGLISH", 0x09}, {"LANG_GERMAN", 0x07}, {"LANG_FRENCH", 0x0c}};
    const std::regex language(R"(LANGUAGE\s+(\w+),\s*SUBLANG_\w+\s*)");
    const std::regex entry(R"re(\s*(IDS_\w+)\s+"(.*)"\s*)re");
    std::ifstream script(kResources + file);
    std::uint16_t id = 0;
    std::smatch match;
    for (std::string line; std::getline(script, line);) {
        if (std::regex_match(line, match, language))
            id = static_cast<std::uint16_t>(0x400 | primary.at(match[1]));  // SUBLANG_*: 1 for all three
        else if (std::regex_match(line, match, entry))
            (*tables)[id][ids.at(match[1])] = Unescaped(match[2]);
    }
    if (id == 0)
        throw std::runtime_error("no LANGUAGE in " + file);
}

}  // namespace

const StringTables& ResourceTexts()
{
    static const StringTables tables = [] {
        StringTables read;
        const auto ids = StringIds();
        for (const char* script : {"texts-en.rc", "texts-de.rc", "texts-fr.rc"})
            ReadScript(script, ids, &read);
        return read;
    }();
    return tables;
}

}  // namespace fake
