#include "WindowsTestSupport.h"

#include <cstdio>

namespace wintest {

namespace {

void RemoveTree(const std::string& path)
{
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA((path + "\\*").c_str(), &found);
    if (search != INVALID_HANDLE_VALUE) {
        do {
            const std::string name = found.cFileName;
            if (name == "." || name == "..")
                continue;
            const std::string child = path + "\\" + name;
            if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
                RemoveTree(child);
            else
                DeleteFileA(child.c_str());
        } while (FindNextFileA(search, &found));
        FindClose(search);
    }
    RemoveDirectoryA(path.c_str());
}

}  // namespace

ScratchFolder::ScratchFolder()
{
    char temp[MAX_PATH];
    GetTempPathA(MAX_PATH, temp);
    static int counter = 0;
    char name[64];
    std::snprintf(name, sizeof name, "ironmarch-test-%lu-%d", GetCurrentProcessId(), ++counter);
    path_ = std::string(temp) + name;
    CreateDirectoryA(path_.c_str(), NULL);
}

ScratchFolder::~ScratchFolder()
{
    RemoveTree(path_);
}

CurrentDirectoryScope::CurrentDirectoryScope(const std::string& directory)
{
    GetCurrentDirectoryA(MAX_PATH, saved_);
    SetCurrentDirectoryA(directory.c_str());
}

CurrentDirectoryScope::~CurrentDirectoryScope()
{
    SetCurrentDirectoryA(saved_);
}

std::string TestDirectory()
{
    char path[MAX_PATH];
    const DWORD length = GetModuleFileNameA(NULL, path, MAX_PATH);
    std::string directory(path, length);
    return directory.substr(0, directory.find_last_of('\\'));
}

bool WriteBytes(const std::string& path, const std::vector<unsigned char>& bytes)
{
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (file == nullptr)
        return false;
    const bool written = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
    return std::fclose(file) == 0 && written;
}

std::string ReadText(const std::string& path)
{
    std::string text;
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (file == nullptr)
        return text;
    char buffer[4096];
    std::size_t got;
    while ((got = std::fread(buffer, 1, sizeof buffer, file)) > 0)
        text.append(buffer, got);
    std::fclose(file);
    return text;
}

std::vector<std::string> WaitForLogLines(const std::string& path, std::size_t count)
{
    std::vector<std::string> lines;
    for (int attempt = 0; attempt < 100; ++attempt) {
        lines.clear();
        const std::string text = ReadText(path);
        std::size_t start = 0;
        for (std::size_t end; (end = text.find('\n', start)) != std::string::npos; start = end + 1)
            lines.push_back(text.substr(start, end - start));
        if (lines.size() >= count)
            break;
        Sleep(100);
    }
    return lines;
}

std::vector<std::string> SplitTabs(const std::string& line)
{
    std::vector<std::string> fields;
    std::size_t start = 0;
    for (std::size_t end; (end = line.find('\t', start)) != std::string::npos; start = end + 1)
        fields.push_back(line.substr(start, end - start));
    fields.push_back(line.substr(start));
    return fields;
}

bool SamePath(const std::string& a, const std::string& b)
{
    return lstrcmpiA(a.c_str(), b.c_str()) == 0;
}

}  // namespace wintest
