// Helpers of the Windows-side tests: scratch folders, files and the start
// log of the logging stand-in.
#pragma once
#include <windows.h>

#include <string>
#include <vector>

namespace wintest {

// A fresh folder under %TEMP%, removed with everything in it at the end.
class ScratchFolder {
public:
    ScratchFolder();
    ~ScratchFolder();
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;
    const std::string& path() const { return path_; }
    std::string operator/(const std::string& name) const { return path_ + "\\" + name; }

private:
    std::string path_;
};

// The current directory changed for one scope.
class CurrentDirectoryScope {
public:
    explicit CurrentDirectoryScope(const std::string& directory);
    ~CurrentDirectoryScope();
    CurrentDirectoryScope(const CurrentDirectoryScope&) = delete;
    CurrentDirectoryScope& operator=(const CurrentDirectoryScope&) = delete;

private:
    char saved_[MAX_PATH];
};

std::string TestDirectory();  // where windows_tests.exe and logargs.exe lie
bool WriteBytes(const std::string& path, const std::vector<unsigned char>& bytes);
std::string ReadText(const std::string& path);
// The lines of a start log, waiting up to ten seconds for the count to arrive.
std::vector<std::string> WaitForLogLines(const std::string& path, std::size_t count);
std::vector<std::string> SplitTabs(const std::string& line);
bool SamePath(const std::string& a, const std::string& b);

}  // namespace wintest
