// A disc folder, read as mastering and Windows will see it: no link is
// followed, names match without regard to case.
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <algorithm>
#include <new>

#include "DiscTree.h"

namespace {

constexpr const char* kLabelFile = ".windows-label";
constexpr std::uint64_t kLargestLabelFile = 256;  // a label is 32 characters at most

class DiscFolder : public DiscTree {
public:
    DiscFolder(std::string root, std::string label) : root_(std::move(root)), label_(std::move(label)) {}

    DiscEntry Find(const std::string& path) override
    {
        DiscEntry entry;
        std::string host = root_;
        for (const std::string& part : PathParts(path)) {
            if (entry.kind != DiscEntry::Kind::Missing && entry.kind != DiscEntry::Kind::Folder)
                return DiscEntry{};  // a path on through a file, a link or a device
            std::string twin;
            const std::string stored = StoredName(host, part, &twin);
            if (stored.empty())
                return DiscEntry{};
            host += "/" + stored;
            entry.storedPath += (entry.storedPath.empty() ? "" : "/") + stored;
            if (!twin.empty()) {
                // Mastered, Windows would open whichever the image lists first.
                entry.kind = DiscEntry::Kind::Twin;
                entry.twin = twin;
                return entry;
            }
            struct stat info;
            if (lstat(host.c_str(), &info) != 0)
                return DiscEntry{};
            entry.kind = S_ISREG(info.st_mode)   ? DiscEntry::Kind::File
                         : S_ISDIR(info.st_mode) ? DiscEntry::Kind::Folder
                         : S_ISLNK(info.st_mode) ? DiscEntry::Kind::Link
                                                 : DiscEntry::Kind::Other;
            entry.size = static_cast<std::uint64_t>(info.st_size);
        }
        return entry;
    }

    bool Read(const DiscEntry& file, std::uint64_t cap, std::vector<unsigned char>* bytes, std::string* why) override
    {
        // O_NOFOLLOW and a second look at what was opened: the file may have
        // been swapped for a link or a device since Find.
        const int fd = open((root_ + "/" + file.storedPath).c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK);
        struct stat info;
        if (fd < 0 || fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
            *why = "cannot read: " + std::string(fd < 0 ? std::strerror(errno) : "not a regular file");
            if (fd >= 0)
                close(fd);
            return false;
        }
        const auto size = static_cast<std::uint64_t>(info.st_size);
        bool read = size <= cap;
        try {
            bytes->assign(read ? static_cast<std::size_t>(size) : 0, 0);
        } catch (const std::bad_alloc&) {
            read = false;
        }
        std::size_t done = 0;
        while (read && done < bytes->size()) {
            const ssize_t got = ::read(fd, bytes->data() + done, bytes->size() - done);
            read = got > 0;
            done += read ? static_cast<std::size_t>(got) : 0;
        }
        close(fd);
        if (!read)
            *why = size > cap ? "is " + std::to_string(size) + " bytes, more than " + std::to_string(cap) + " it can be"
                              : std::string("cannot read");
        return read;
    }

    std::string Label() override
    {
        if (!label_.empty())
            return label_;
        // Wine's label file: a regular file of one short line, never followed
        // through a link; anything else leaves the label unknown.
        const DiscEntry entry = Find(kLabelFile);
        std::vector<unsigned char> bytes;
        std::string why;
        if (entry.kind != DiscEntry::Kind::File || !Read(entry, kLargestLabelFile, &bytes, &why))
            return "";
        std::string label(bytes.begin(), bytes.end());
        label.erase(std::min(label.find('\n'), label.size()));
        if (!label.empty() && label.back() == '\r')
            label.pop_back();
        return label;
    }

private:
    // The name in a host folder that a disc name matches, or "", and a
    // second name that matches too: Windows cannot tell the two apart.
    static std::string StoredName(const std::string& folder, const std::string& name, std::string* twin)
    {
        DIR* listing = opendir(folder.c_str());
        if (listing == nullptr)
            return "";
        std::string found;
        while (const dirent* item = readdir(listing)) {
            if (!SameName(item->d_name, name))
                continue;
            if (found.empty())
                found = item->d_name;
            else
                *twin = item->d_name;
        }
        closedir(listing);
        return found;
    }

    std::string root_;
    std::string label_;
};

}  // namespace

std::unique_ptr<DiscTree> OpenDiscFolder(const std::string& folder, const std::string& label)
{
    return std::make_unique<DiscFolder>(folder, label);
}
