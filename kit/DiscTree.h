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
    enum class Kind {
        Missing,
        File,
        Folder,
        Link,
        Other,
        PastEnd,  // an image's record points past the end of the image
        Twin,     // a folder holds another name that differs only in case
    };
    Kind kind = Kind::Missing;
    std::uint64_t size = 0;
    std::string storedPath;  // the names as the disc holds them, "BITMAPS/8B1U.BMP"
    std::uint32_t lsn = 0;   // in an image: the block where the file starts
    std::string twin;        // for Twin: the other name
};

// What is wrong with a disc as a whole, or with one of its files.
struct DiscProblem {
    std::string file;     // relative to the disc's root, or "" for the disc itself
    std::string message;  // what is wrong and what to do
    bool error;           // false: worth a look, but the menu works
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

    // Why nothing on the disc can be found (its root folder cannot be
    // read), with the remedy; "" when it can.
    virtual std::string Unreadable() { return ""; }

    // How Windows sees the disc as a whole: an image cut short, a folder
    // whose records are damaged, labels that differ.
    virtual std::vector<DiscProblem> Remarks() { return {}; }

    // Why Windows misses a path that Find reports missing, with the remedy,
    // when the disc itself is the reason; "" otherwise.
    virtual std::string MissingHint(const std::string&) { return ""; }
};

// A disc folder; its label is that of Wine's CD-ROM drives (a
// ".windows-label" file), or the one given.
std::unique_ptr<DiscTree> OpenDiscFolder(const std::string& folder, const std::string& label);

// The bytes of an image: a file, or memory.
class ImageBytes {
public:
    virtual ~ImageBytes() = default;
    virtual std::uint64_t Size() const = 0;
    // Exactly bytes bytes from offset, or false.
    virtual bool ReadAt(std::uint64_t offset, unsigned char* buffer, std::size_t bytes) = 0;
};

// An ISO 9660 image, read in place: its Joliet names and label when it has
// them, else its ISO 9660 names without their ";1"; never Rock Ridge. Null
// with the reason when the bytes are no ISO 9660 image.
std::unique_ptr<DiscTree> OpenDiscImage(std::unique_ptr<ImageBytes> bytes, std::string* why);
std::unique_ptr<DiscTree> OpenDiscImage(const std::string& image, std::string* why);
std::unique_ptr<DiscTree> OpenDiscImage(std::vector<unsigned char> image, std::string* why);

// "a/b/c" -> {"a", "b", "c"}; backslashes count as separators too.
std::vector<std::string> PathParts(const std::string& path);

// Names as Windows matches them: without regard to the case of A to Z, and
// with their whole length (a NUL inside a name is part of it).
bool SameName(const std::string& a, const std::string& b);
