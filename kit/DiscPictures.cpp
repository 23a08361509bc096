#include "DiscPictures.h"

#include <sys/stat.h>

#include "launcher/ButtonTable.h"

namespace {

// "bitmaps\8b1u.bmp" -> "8b1u.bmp"
std::string BaseName(const char* path)
{
    const std::string text = path;
    return text.substr(text.find_last_of('\\') + 1);
}

}  // namespace

std::vector<DiscPicture> DiscPictures()
{
    ButtonTable table;
    table.SetFixedRectangles();
    const platform::Rect& window = table.backgroundSource;
    std::vector<DiscPicture> pictures{
        {BaseName(kBackgroundBitmap), window.right - window.left, window.bottom - window.top, true}};
    for (int id : kBitmapLoadOrder) {
        const ButtonBitmaps* files = BitmapsOf(id);
        const platform::Rect& place = table[id].sourceRect;
        for (const char* file : {files->up, files->focus, files->down})
            pictures.push_back({BaseName(file), place.right - place.left, place.bottom - place.top, false});
    }
    return pictures;
}

std::vector<std::string> PictureReadOrder()
{
    std::vector<std::string> files;
    for (const DiscPicture& picture : DiscPictures())
        files.push_back("bitmaps/" + picture.file);
    return files;
}

std::string ArtworkName(const std::string& file)
{
    return file.substr(0, file.rfind('.')) + ".png";
}

std::uint64_t PictureSizeCap(int width, int height)
{
    return 14 + 124 + 12 + 4 * 256 + 4ull * static_cast<std::uint64_t>(width) * static_cast<std::uint64_t>(height);
}

std::string SizeText(long long width, long long height)
{
    return std::to_string(width) + "x" + std::to_string(height);
}

bool IsFile(const std::string& path)
{
    struct stat info;
    return stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode);
}
