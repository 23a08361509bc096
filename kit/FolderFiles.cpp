#include "FolderFiles.h"

#include <fstream>

std::string FolderFiles::HostPath(const std::string& path) const
{
    std::string host = root_ + "/" + path;
    for (char& c : host)
        if (c == '\\')
            c = '/';
    return host;
}

platform::WholeFile FolderFiles::ReadWholeFile(const char* path, std::size_t padding)
{
    platform::WholeFile whole;
    std::ifstream file(HostPath(path), std::ios::binary | std::ios::ate);
    if (!file)
        return whole;
    whole.length = static_cast<std::uint64_t>(file.tellg());
    file.seekg(0);
    whole.bytes.reset(new std::uint8_t[static_cast<std::size_t>(whole.length) + padding]());
    file.read(reinterpret_cast<char*>(whole.bytes.get()), static_cast<std::streamsize>(whole.length));
    whole.received = static_cast<std::uint64_t>(file.gcount());
    whole.outcome = platform::WholeFile::Outcome::Read;
    return whole;
}
