// The pictures of a disc as the launcher reads them: the 37 files of its
// button table in its load order, each with the size of its place.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

struct DiscPicture {
    std::string file;  // the name in the bitmaps folder, "8b1u.bmp"
    int width;         // the place the picture is drawn in
    int height;
    bool exactSize;  // the background fills the window; a button may be smaller than its place
};

// Background first, then each button's up, focus and down pictures in the
// launcher's load order; the last one gives the window its palette.
std::vector<DiscPicture> DiscPictures();

// The pictures the launcher reads from the disc before its first frame
// (bitmaps/...), in its order.
std::vector<std::string> PictureReadOrder();

// "8b1u.bmp" -> "8b1u.png", the name of the publisher's artwork for it.
std::string ArtworkName(const std::string& file);

// The most bytes a picture for a place of width by height can take and
// still be drawn: 32 bits per pixel, the largest header, masks and palette.
std::uint64_t PictureSizeCap(int width, int height);

// "230x30", as the tools' messages write a size.
std::string SizeText(long long width, long long height);

// A regular file is there (not a folder of that name).
bool IsFile(const std::string& path);
