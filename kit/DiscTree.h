// A disc as Windows will read it: a disc folder before mastering, or an ISO
// 9660 image. Names are matched without regard to case, as Windows matches
// them; a link or a device is never followed (mastering stores a link as a
// link, which Windows does not see).
#pragma once
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

struct DiscEntry {
    enum class Kind { Missing, File, Folder, Link, Other };
    Kind kind = Kind::Missing;
    std::uint64_t size = 0;
    std::string storedPath;  // the names as the disc holds them, "BITMAPS/8B1U.BMP"
    std::uint32_t lsn = 0;   // in an image: the block where the file starts
};

class DiscTree {
public:
    virtual ~DiscTree() = default;

    // The entry for a path of the disc, "bitmaps/8b1u.bmp".
    virtual DiscEntry Find(const std::string& path) = 0;

    // The bytes of a file Find reported, if it holds no more than cap bytes.
    // False with the reason otherwise ("cannot read: ...").
    virtual bool Read(const DiscEntry& file, std::uint64_t cap, std::vector<unsigned char>* bytes,
                      std::string* why) = 0;

    // The volume label Windows shows for the disc, "" when not known.
    virtual std::string Label() = 0;

    // Remarks on how Windows sees the disc as a whole (warnings).
    virtual std::vector<std::string> Remarks() { return {}; }

    // Why Windows misses a path that Find reports missing, with the remedy,
    // when the disc itself is the reason; "" otherwise.
    virtual std::string MissingHint(const std::string&) { return ""; }
};

// A disc folder; its label is that of Wine's CD-ROM drives (a
// ".windows-label" file), or the one given.
std::unique_ptr<DiscTree> OpenDiscFolder(const std::string& folder, const std::string& label);

// An ISO 9660 image, read in place: its Joliet names and label when it has
// them, else its ISO 9660 names without their ";1"; never Rock Ridge. Null
// with the reason when the file is no ISO 9660 image.
std::unique_ptr<DiscTree> OpenDiscImage(const std::string& image, std::string* why);

// "a/b/c" -> {"a", "b", "c"}; backslashes count as separators too. Names
// are compared with the launcher's own EqualIgnoringCase.
std::vector<std::string> PathParts(const std::string& path);
