#include "OutputFolder.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>

namespace {

std::string WithoutTrailingSlashes(std::string path)
{
    while (path.size() > 1 && path.back() == '/')
        path.pop_back();
    return path;
}

std::string Parent(const std::string& path)
{
    const std::size_t slash = path.rfind('/');
    return slash == std::string::npos ? "." : slash == 0 ? "/" : path.substr(0, slash);
}

// "" when the path is absent or a regular file, else what it is instead.
std::string InTheWay(const std::string& path)
{
    struct stat info;
    if (lstat(path.c_str(), &info) != 0)
        return errno == ENOENT ? "" : std::strerror(errno);
    if (S_ISREG(info.st_mode))
        return "";
    return S_ISLNK(info.st_mode)   ? "is a link, which picture_kit never writes through: remove it"
           : S_ISDIR(info.st_mode) ? "is a folder: remove it"
                                   : "is not a regular file: remove it";
}

// The folder and any missing parents; "" or why it cannot be made.
std::string MakeFolders(const std::string& folder)
{
    for (std::size_t at = 1; at <= folder.size(); ++at) {
        if (at != folder.size() && folder[at] != '/')
            continue;
        if (mkdir(folder.substr(0, at).c_str(), 0777) != 0 && errno != EEXIST)
            return std::strerror(errno);
    }
    struct stat info;
    return stat(folder.c_str(), &info) == 0 && S_ISDIR(info.st_mode) ? "" : "a file of that name is in the way";
}

bool WriteNew(const std::string& path, const std::vector<unsigned char>& bytes)
{
    const int fd = open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW, 0644);
    if (fd < 0)
        return false;
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t wrote = write(fd, bytes.data() + done, bytes.size() - done);
        if (wrote <= 0)
            break;
        done += static_cast<std::size_t>(wrote);
    }
    return close(fd) == 0 && done == bytes.size();
}

void RemoveStaging(const std::string& staging, const std::vector<OutputFile>& files)
{
    for (const OutputFile& file : files)
        unlink((staging + "/" + file.name).c_str());
    rmdir(staging.c_str());
}

}  // namespace

std::vector<OutputProblem> CheckOutputFolder(const std::string& folder, const std::vector<std::string>& names)
{
    if (folder.empty())
        return {{"", "no output folder given: name the folder the pictures go into"}};
    const std::string target = WithoutTrailingSlashes(folder);
    struct stat info;
    if (lstat(target.c_str(), &info) != 0)
        return {};  // made when written
    if (S_ISLNK(info.st_mode))
        return {{target, "is a link: name the folder itself"}};
    if (!S_ISDIR(info.st_mode))
        return {{target, "cannot be made: a file of that name is in the way"}};
    std::vector<OutputProblem> problems;
    for (const std::string& name : names) {
        const std::string why = InTheWay(target + "/" + name);
        if (!why.empty())
            problems.push_back({target + "/" + name, why});
    }
    return problems;
}

std::vector<OutputProblem> WriteOutputFolder(const std::string& folder, const std::vector<OutputFile>& files)
{
    std::vector<std::string> names;
    for (const OutputFile& file : files)
        names.push_back(file.name);
    std::vector<OutputProblem> problems = CheckOutputFolder(folder, names);
    if (!problems.empty())
        return problems;
    const std::string target = WithoutTrailingSlashes(folder);
    const std::string why = MakeFolders(Parent(target));
    if (!why.empty())
        return {{target, "cannot be made: " + why}};

    // A new folder beside the target, on the same file system, so that the
    // renames below only move names.
    std::string staging = Parent(target) + "/.picture_kit.XXXXXX";
    if (mkdtemp(&staging[0]) == nullptr)
        return {{target, std::string("cannot be written: ") + std::strerror(errno)}};
    for (const OutputFile& file : files) {
        if (!WriteNew(staging + "/" + file.name, file.bytes)) {
            const std::string error = std::strerror(errno);
            RemoveStaging(staging, files);
            return {{target + "/" + file.name, "cannot be written: " + error}};
        }
    }
    struct stat info;
    if (lstat(target.c_str(), &info) != 0) {
        chmod(staging.c_str(), 0755);
        if (rename(staging.c_str(), target.c_str()) == 0)
            return {};
        const std::string error = std::strerror(errno);
        RemoveStaging(staging, files);
        return {{target, "cannot be made: " + error}};
    }
    // Into an existing folder, one file at a time: rename replaces a
    // regular file, and never writes through what the check found absent.
    for (const OutputFile& file : files) {
        if (rename((staging + "/" + file.name).c_str(), (target + "/" + file.name).c_str()) != 0) {
            const std::string error = std::strerror(errno);
            RemoveStaging(staging, files);
            return {{target + "/" + file.name, "cannot be replaced (" + error + "): the folder holds old and new pictures; run again"}};
        }
    }
    rmdir(staging.c_str());
    return {};
}
