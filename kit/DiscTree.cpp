#include "DiscTree.h"

std::vector<std::string> PathParts(const std::string& path)
{
    std::vector<std::string> parts;
    std::string part;
    for (char c : path + "/") {
        if (c != '/' && c != '\\') {
            part += c;
        } else if (!part.empty()) {
            parts.push_back(part);
            part.clear();
        }
    }
    return parts;
}

bool SameName(const std::string& a, const std::string& b)
{
    const auto fold = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c + ('a' - 'A')) : c; };
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (fold(a[i]) != fold(b[i]))
            return false;
    return true;
}
