// An ISO 9660 image read in place, as Windows reads a CD: the Joliet tree
// and label when the image has them, else the ISO 9660 names without their
// version; Rock Ridge never. Every extent is held to the image's bytes.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <new>
#include <set>

#include "DirectoryRecords.h"
#include "DiscTree.h"

namespace {

constexpr std::uint32_t kLargestDirectory = 256 * kDiscBlock;  // far more than a disc of this kind holds
constexpr std::uint32_t kMostDescriptors = 64;

std::string Bytes(std::uint64_t count)
{
    return std::to_string(count) + " bytes";
}

class ImageFile : public ImageBytes {
public:
    ImageFile(int fd, std::uint64_t size) : fd_(fd), size_(size) {}
    ~ImageFile() override { close(fd_); }
    ImageFile(const ImageFile&) = delete;
    ImageFile& operator=(const ImageFile&) = delete;

    std::uint64_t Size() const override { return size_; }
    bool ReadAt(std::uint64_t offset, unsigned char* buffer, std::size_t bytes) override
    {
        std::size_t done = 0;
        while (done < bytes) {
            const ssize_t got = pread(fd_, buffer + done, bytes - done, static_cast<off_t>(offset + done));
            if (got <= 0)
                return false;
            done += static_cast<std::size_t>(got);
        }
        return true;
    }

private:
    int fd_;
    std::uint64_t size_;
};

class MemoryImage : public ImageBytes {
public:
    explicit MemoryImage(std::vector<unsigned char> bytes) : bytes_(std::move(bytes)) {}
    std::uint64_t Size() const override { return bytes_.size(); }
    bool ReadAt(std::uint64_t offset, unsigned char* buffer, std::size_t bytes) override
    {
        if (offset > bytes_.size() || bytes > bytes_.size() - offset)
            return false;
        std::memcpy(buffer, bytes_.data() + offset, bytes);
        return true;
    }

private:
    std::vector<unsigned char> bytes_;
};

class DiscImage : public DiscTree {
public:
    DiscImage(std::unique_ptr<ImageBytes> bytes, const VolumeDescriptor& primary, const VolumeDescriptor* joliet,
              std::vector<DiscProblem> remarks)
        : bytes_(std::move(bytes)), joliet_(joliet != nullptr), primaryLabel_(primary.label),
          label_(joliet != nullptr ? joliet->label : primary.label), volumeBytes_(std::uint64_t{primary.volumeBlocks} * kDiscBlock),
          remarks_(std::move(remarks))
    {
        const VolumeDescriptor& shown = joliet != nullptr ? *joliet : primary;
        root_ = Node{"", true, shown.root};
        if (!shown.rootRecordWhole)
            unreadable_ = "the root folder cannot be read: its record in the volume descriptor is damaged; master the image again";
        else if (!Inside(shown.root))
            unreadable_ = "the root folder cannot be read: it lies past the end of the image, which is cut short at " +
                          Bytes(bytes_->Size()) + "; copy or master the image again";
    }

    DiscEntry Find(const std::string& path) override
    {
        Node node = root_;
        DiscEntry entry;
        for (const std::string& part : PathParts(path)) {
            if (!node.folder)
                return DiscEntry{};
            if (!Inside(node.extent))
                return PastEnd(entry);
            bool found = false;
            for (const Node& child : List(entry.storedPath, node)) {
                if (SameName(child.name, part)) {
                    node = child, found = true;
                    break;
                }
            }
            if (!found)
                return DiscEntry{};
            entry.storedPath += (entry.storedPath.empty() ? "" : "/") + node.name;
        }
        if (!Inside(node.extent))
            return PastEnd(entry);
        entry.kind = node.folder ? DiscEntry::Kind::Folder : DiscEntry::Kind::File;
        entry.size = node.extent.size;
        entry.lsn = node.extent.lsn;
        return entry;
    }

    bool Read(const DiscEntry& file, std::uint64_t cap, std::vector<unsigned char>* bytes, std::string* why) override
    {
        if (file.size > cap) {
            *why = "is " + Bytes(file.size) + ", more than " + std::to_string(cap) + " it can be";
            return false;
        }
        try {
            bytes->assign(static_cast<std::size_t>(file.size), 0);
        } catch (const std::bad_alloc&) {
            *why = "cannot read";
            return false;
        }
        if (!bytes->empty() && !bytes_->ReadAt(std::uint64_t{file.lsn} * kDiscBlock, bytes->data(), bytes->size())) {
            *why = "cannot read: the image ends inside it";
            return false;
        }
        return true;
    }

    std::string Label() override { return label_; }

    std::string Unreadable() override { return unreadable_; }

    std::vector<DiscProblem> Remarks() override
    {
        std::vector<DiscProblem> remarks = remarks_;
        if (unreadable_.empty() && bytes_->Size() < volumeBytes_)
            remarks.push_back({"", "the image is cut short: it holds " + Bytes(bytes_->Size()) + " of the " +
                                       Bytes(volumeBytes_) + " its volume descriptor gives; copy or master it again", true});
        if (joliet_ && label_ != primaryLabel_)
            remarks.push_back({"", "the Joliet label " + label_ + " differs from the ISO 9660 label " + primaryLabel_ +
                                       ": Windows shows the Joliet one; master both alike", false});
        for (const std::string& folder : damaged_)
            remarks.push_back({folder, "a record of this folder is damaged, and Windows sees none of the files after it: "
                                       "master the image again", true});
        for (const std::string& folder : oversized_)
            remarks.push_back({folder, "its records take more than " + Bytes(kLargestDirectory) +
                                       ", more than this check reads: a damaged record, or far more files than a disc menu needs",
                               true});
        return remarks;
    }

    std::string MissingHint(const std::string&) override
    {
        return joliet_ ? "" : "Windows does not find it: the image has no Joliet names, and its ISO 9660 names are "
                              "not whole names; master it with Joliet names (-J), or at ISO 9660 level 2 or above";
    }

private:
    struct Node {
        std::string name;
        bool folder;
        Extent extent;
    };

    bool Inside(const Extent& extent) const
    {
        return std::uint64_t{extent.lsn} * kDiscBlock + extent.size <= bytes_->Size();
    }

    static DiscEntry PastEnd(DiscEntry entry)
    {
        entry.kind = DiscEntry::Kind::PastEnd;
        return entry;
    }

    // The records of a directory's extent, names as Windows shows them.
    std::vector<Node> List(const std::string& path, const Node& folder)
    {
        std::vector<Node> children;
        if (folder.extent.size > kLargestDirectory)
            oversized_.insert(path.empty() ? "/" : path);
        if (folder.extent.size == 0 || folder.extent.size > kLargestDirectory)
            return children;
        std::vector<unsigned char> extent(folder.extent.size);
        if (!bytes_->ReadAt(std::uint64_t{folder.extent.lsn} * kDiscBlock, extent.data(), extent.size()))
            return children;
        std::vector<DirectoryRecord> records;
        if (!ParseDirectory(extent.data(), extent.size(), joliet_, &records))
            damaged_.insert(path.empty() ? "/" : path);
        for (const DirectoryRecord& record : records)
            children.push_back(Node{record.name, record.folder, record.extent});
        return children;
    }

    std::unique_ptr<ImageBytes> bytes_;
    bool joliet_;
    std::string primaryLabel_;
    std::string label_;
    std::uint64_t volumeBytes_;
    std::vector<DiscProblem> remarks_;
    Node root_{"", true, {}};
    std::string unreadable_;
    std::set<std::string> damaged_;
    std::set<std::string> oversized_;
};

}  // namespace

std::unique_ptr<DiscTree> OpenDiscImage(std::unique_ptr<ImageBytes> bytes, std::string* why)
{
    // The volume descriptor set, from block 16 to its terminator. Windows
    // shows the Joliet tree when a supplementary descriptor announces it; a
    // descriptor without the standard identifier is no descriptor at all.
    VolumeDescriptor primary;
    VolumeDescriptor joliet;
    std::vector<DiscProblem> remarks;
    unsigned char block[kDiscBlock];
    for (std::uint32_t n = kFirstVolumeDescriptor; n < kFirstVolumeDescriptor + kMostDescriptors; ++n) {
        if (!bytes->ReadAt(std::uint64_t{n} * kDiscBlock, block, sizeof block))
            break;
        const VolumeDescriptor descriptor = ParseVolumeDescriptor(block);
        using Kind = VolumeDescriptor::Kind;
        if (descriptor.kind == Kind::NotOne && primary.kind == Kind::Primary)
            remarks.push_back({"", "block " + std::to_string(n) + " is no volume descriptor (it lacks CD001): the set ends"
                                   " there, and no Joliet names announced after it are read; master the image again", false});
        if (descriptor.kind == Kind::Terminator || descriptor.kind == Kind::NotOne)
            break;
        if (descriptor.kind == Kind::Primary && primary.kind == Kind::NotOne)
            primary = descriptor;
        else if (descriptor.kind == Kind::Joliet && joliet.kind == Kind::NotOne)
            joliet = descriptor;
    }
    if (primary.kind != VolumeDescriptor::Kind::Primary) {
        *why = "not an ISO 9660 image";
        return nullptr;
    }
    const bool hasJoliet = joliet.kind == VolumeDescriptor::Kind::Joliet;
    return std::make_unique<DiscImage>(std::move(bytes), primary, hasJoliet ? &joliet : nullptr, std::move(remarks));
}

std::unique_ptr<DiscTree> OpenDiscImage(std::vector<unsigned char> image, std::string* why)
{
    return OpenDiscImage(std::make_unique<MemoryImage>(std::move(image)), why);
}

std::unique_ptr<DiscTree> OpenDiscImage(const std::string& image, std::string* why)
{
    const int fd = open(image.c_str(), O_RDONLY | O_NONBLOCK);
    struct stat info;
    if (fd < 0 || fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        *why = fd < 0 ? std::string(std::strerror(errno)) : "not an ISO 9660 image";
        if (fd >= 0)
            close(fd);
        return nullptr;
    }
    return OpenDiscImage(std::make_unique<ImageFile>(fd, static_cast<std::uint64_t>(info.st_size)), why);
}
