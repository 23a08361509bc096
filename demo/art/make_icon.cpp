// Writes the launcher's icon: 16 pixels in 256 colours, 32 and 48 pixels
// each in 16 and in 256 colours. A bronze shield with an "I" on steel.
#include <cstdio>
#include <string>
#include <vector>

#include "Canvas.h"

namespace {

struct IconImage {
    int size;
    int bits;  // 4 or 8
};

// The design at a given size; sixteenColours keeps to the VGA entries.
Canvas Draw(int size, bool sixteenColours)
{
    const std::uint8_t transparent = 0;
    Canvas c(size, size, transparent);
    const std::uint8_t rim = sixteenColours ? 3 : Ramp(kBronze, 14);
    const std::uint8_t face = sixteenColours ? 11 : Ramp(kBronze, 36);
    const std::uint8_t field = sixteenColours ? 4 : Ramp(kSteel, 14);
    const std::uint8_t letter = sixteenColours ? 15 : Ramp(kStone, 46);
    const int m = size / 16;
    // Shield: a rectangle narrowing to a point in its lower third.
    for (int y = m; y < size - m; ++y) {
        const int lower = y - size * 5 / 8;
        const int inset = lower > 0 ? lower * (size / 2 - m) / (size * 3 / 8) : 0;
        c.Fill(m + inset, y, size - m - inset, y + 1, rim);
        if (inset + 2 * m < size / 2 - m)
            c.Fill(2 * m + inset + m, y + (y < 2 * m ? m : 0), size - 3 * m - inset, y + 1, y < 2 * m ? rim : field);
    }
    c.Fill(size / 2 - 2 * m, 3 * m, size / 2 + 2 * m, size * 3 / 4, face);
    c.Fill(size / 2 - 4 * m, 3 * m, size / 2 + 4 * m, 5 * m, face);
    c.Fill(size / 2 - 4 * m, size * 3 / 4 - 2 * m, size / 2 + 4 * m, size * 3 / 4, face);
    c.Set(size / 2, size / 2, letter);
    return c;
}

void Put16(std::vector<unsigned char>& out, unsigned v)
{
    out.push_back(static_cast<unsigned char>(v & 0xFF));
    out.push_back(static_cast<unsigned char>((v >> 8) & 0xFF));
}

void Put32(std::vector<unsigned char>& out, unsigned v)
{
    Put16(out, v & 0xFFFF);
    Put16(out, v >> 16);
}

std::vector<unsigned char> ImageData(const IconImage& image)
{
    const Canvas c = Draw(image.size, image.bits == 4);
    const int colours = 1 << image.bits;
    const int xorStride = ((image.size * image.bits + 31) / 32) * 4;
    const int andStride = ((image.size + 31) / 32) * 4;
    std::vector<unsigned char> out;
    Put32(out, 40);
    Put32(out, static_cast<unsigned>(image.size));
    Put32(out, static_cast<unsigned>(image.size * 2));  // colour rows, then the mask
    Put16(out, 1);
    Put16(out, static_cast<unsigned>(image.bits));
    Put32(out, 0);
    Put32(out, static_cast<unsigned>((xorStride + andStride) * image.size));
    Put32(out, 0);
    Put32(out, 0);
    Put32(out, 0);
    Put32(out, 0);
    const std::vector<Rgb>& palette = SharedPalette();
    for (int i = 0; i < colours; ++i) {
        out.push_back(palette[static_cast<std::size_t>(i)].b);
        out.push_back(palette[static_cast<std::size_t>(i)].g);
        out.push_back(palette[static_cast<std::size_t>(i)].r);
        out.push_back(0);
    }
    for (int y = image.size - 1; y >= 0; --y) {
        std::vector<unsigned char> row(static_cast<std::size_t>(xorStride), 0);
        for (int x = 0; x < image.size; ++x) {
            const std::uint8_t index = c.At(x, y);
            if (image.bits == 8)
                row[static_cast<std::size_t>(x)] = index;
            else
                row[static_cast<std::size_t>(x / 2)] |= static_cast<unsigned char>((index & 0xF) << (x % 2 ? 0 : 4));
        }
        out.insert(out.end(), row.begin(), row.end());
    }
    for (int y = image.size - 1; y >= 0; --y) {
        std::vector<unsigned char> row(static_cast<std::size_t>(andStride), 0);
        for (int x = 0; x < image.size; ++x)
            if (c.At(x, y) == 0)
                row[static_cast<std::size_t>(x / 8)] |= static_cast<unsigned char>(0x80 >> (x % 8));
        out.insert(out.end(), row.begin(), row.end());
    }
    return out;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_icon OUTPUT.ico\n");
        return 2;
    }
    const IconImage images[] = {{16, 8}, {32, 4}, {32, 8}, {48, 4}, {48, 8}};
    std::vector<std::vector<unsigned char>> data;
    for (const IconImage& image : images)
        data.push_back(ImageData(image));

    std::vector<unsigned char> file;
    Put16(file, 0);
    Put16(file, 1);  // icon
    Put16(file, static_cast<unsigned>(data.size()));
    unsigned offset = static_cast<unsigned>(6 + 16 * data.size());
    for (std::size_t i = 0; i < data.size(); ++i) {
        file.push_back(static_cast<unsigned char>(images[i].size));
        file.push_back(static_cast<unsigned char>(images[i].size));
        file.push_back(static_cast<unsigned char>(images[i].bits == 4 ? 16 : 0));
        file.push_back(0);
        Put16(file, 1);
        Put16(file, static_cast<unsigned>(images[i].bits));
        Put32(file, static_cast<unsigned>(data[i].size()));
        Put32(file, offset);
        offset += static_cast<unsigned>(data[i].size());
    }
    for (const auto& image : data)
        file.insert(file.end(), image.begin(), image.end());
    if (!WriteFile(argv[1], file)) {
        std::perror(argv[1]);
        return 1;
    }
    return 0;
}
