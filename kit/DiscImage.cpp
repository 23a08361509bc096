// An ISO 9660 image read in place with libiso9660, as Windows reads a CD:
// the Joliet tree and label when the image has them, else the ISO 9660
// names without their version; Rock Ridge never.
#include <cdio/iso9660.h>
#include <cdio/logging.h>

#include <cstdlib>
#include <new>

#include "DiscTree.h"
#include "core/BoundedText.h"

namespace {

constexpr std::uint32_t kBlock = ISO_BLOCKSIZE;
constexpr std::uint32_t kLargestDirectory = 256 * kBlock;  // far more than a disc of this kind holds

std::uint32_t Read32(const unsigned char* p)
{
    return static_cast<std::uint32_t>(p[0] | p[1] << 8 | p[2] << 16) | static_cast<std::uint32_t>(p[3]) << 24;
}

// A Joliet name is UCS-2, big-endian; characters past 0x7F become UTF-8.
std::string FromUcs2(const unsigned char* p, std::size_t bytes)
{
    std::string text;
    for (std::size_t i = 0; i + 1 < bytes; i += 2) {
        const unsigned c = static_cast<unsigned>(p[i] << 8 | p[i + 1]);
        if (c < 0x80) {
            text += static_cast<char>(c);
        } else if (c < 0x800) {
            text += static_cast<char>(0xC0 | c >> 6), text += static_cast<char>(0x80 | (c & 0x3F));
        } else {
            text += static_cast<char>(0xE0 | c >> 12), text += static_cast<char>(0x80 | (c >> 6 & 0x3F));
            text += static_cast<char>(0x80 | (c & 0x3F));
        }
    }
    return text;
}

// "SETUP.EXE;1" -> "SETUP.EXE", "README.;1" -> "README": the name Windows shows.
std::string WithoutVersion(std::string name)
{
    const std::size_t version = name.rfind(';');
    if (version != std::string::npos)
        name.erase(version);
    if (!name.empty() && name.back() == '.')
        name.pop_back();
    return name;
}

void Quiet(cdio_log_level_t, const char*) {}

class DiscImage : public DiscTree {
public:
    explicit DiscImage(iso9660_t* iso) : iso_(iso), joliet_(iso9660_ifs_get_joliet_level(iso) != 0)
    {
        iso9660_pvd_t pvd;
        if (iso9660_ifs_read_pvd(iso, &pvd)) {
            char* primary = iso9660_get_volume_id(&pvd);
            primaryLabel_ = primary != nullptr ? primary : "";
            std::free(primary);
        }
        cdio_utf8_t* shown = nullptr;
        label_ = iso9660_ifs_get_volume_id(iso, &shown) && shown != nullptr ? shown : primaryLabel_;
        std::free(shown);
        if (iso9660_stat_t* root = iso9660_ifs_stat(iso, "/")) {
            root_ = Node{"", true, static_cast<std::uint32_t>(root->lsn), root->size};
            iso9660_stat_free(root);
        }
    }
    ~DiscImage() override { iso9660_close(iso_); }
    DiscImage(const DiscImage&) = delete;
    DiscImage& operator=(const DiscImage&) = delete;

    DiscEntry Find(const std::string& path) override
    {
        Node node = root_;
        DiscEntry entry;
        for (const std::string& part : PathParts(path)) {
            if (!node.folder)
                return DiscEntry{};
            bool found = false;
            for (const Node& child : List(node)) {
                if (EqualIgnoringCase(child.name.c_str(), part.c_str())) {
                    node = child, found = true;
                    break;
                }
            }
            if (!found)
                return DiscEntry{};
            entry.storedPath += (entry.storedPath.empty() ? "" : "/") + node.name;
        }
        entry.kind = node.folder ? DiscEntry::Kind::Folder : DiscEntry::Kind::File;
        entry.size = node.size;
        entry.lsn = node.lsn;
        return entry;
    }

    bool Read(const DiscEntry& file, std::uint64_t cap, std::vector<unsigned char>* bytes, std::string* why) override
    {
        if (file.size > cap) {
            *why = "is " + std::to_string(file.size) + " bytes, more than " + std::to_string(cap) + " it can be";
            return false;
        }
        const long blocks = static_cast<long>((file.size + kBlock - 1) / kBlock);
        try {
            bytes->assign(static_cast<std::size_t>(blocks) * kBlock, 0);
        } catch (const std::bad_alloc&) {
            *why = "cannot read";
            return false;
        }
        if (blocks != 0 && iso9660_iso_seek_read(iso_, bytes->data(), static_cast<lsn_t>(file.lsn), blocks) !=
                               blocks * static_cast<long>(kBlock)) {
            *why = "cannot read: the image ends inside it";
            return false;
        }
        bytes->resize(static_cast<std::size_t>(file.size));
        return true;
    }

    std::string Label() override { return label_; }

    std::vector<std::string> Remarks() override
    {
        std::vector<std::string> remarks;
        if (joliet_ && label_ != primaryLabel_)
            remarks.push_back("the Joliet label " + label_ + " differs from the ISO 9660 label " + primaryLabel_ +
                              ": Windows shows the Joliet one; master both alike");
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
        std::uint32_t lsn;
        std::uint32_t size;
    };

    // The records of a directory's extent, names as Windows shows them.
    std::vector<Node> List(const Node& folder)
    {
        std::vector<Node> children;
        if (folder.size == 0 || folder.size > kLargestDirectory)
            return children;
        const long blocks = static_cast<long>((folder.size + kBlock - 1) / kBlock);
        std::vector<unsigned char> extent(static_cast<std::size_t>(blocks) * kBlock);
        if (iso9660_iso_seek_read(iso_, extent.data(), static_cast<lsn_t>(folder.lsn), blocks) !=
            blocks * static_cast<long>(kBlock))
            return children;
        for (std::size_t at = 0; at < folder.size;) {
            const auto* record = reinterpret_cast<const iso9660_dir_t*>(&extent[at]);
            const std::size_t length = iso9660_get_dir_len(record);
            if (length == 0) {  // records do not cross a block: the rest of this one is padding
                at = (at / kBlock + 1) * kBlock;
                continue;
            }
            const std::size_t nameLength = extent[at + 32];
            if (length < 33 + nameLength || at + length > extent.size())
                break;
            const unsigned char* name = &extent[at + 33];
            if (!(nameLength == 1 && name[0] <= 1))  // not "." or ".."
                children.push_back(Node{WithoutVersion(joliet_ ? FromUcs2(name, nameLength)
                                                               : std::string(reinterpret_cast<const char*>(name), nameLength)),
                                        (record->file_flags & ISO_DIRECTORY) != 0, Read32(&extent[at + 2]),
                                        Read32(&extent[at + 10])});
            at += length;
        }
        return children;
    }

    iso9660_t* iso_;
    bool joliet_;
    std::string label_;
    std::string primaryLabel_;
    Node root_{"", true, 0, 0};
};

}  // namespace

std::unique_ptr<DiscTree> OpenDiscImage(const std::string& image, std::string* why)
{
    cdio_log_set_handler(Quiet);
    iso9660_t* iso = iso9660_open_ext(image.c_str(), ISO_EXTENSION_JOLIET);
    if (iso == nullptr) {
        *why = "not an ISO 9660 image";
        return nullptr;
    }
    return std::make_unique<DiscImage>(iso);
}
