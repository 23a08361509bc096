#include "Canvas.h"

#include <array>
#include <cstdio>
#include <map>

namespace {

const Rgb kVga[16] = {{0, 0, 0},       {128, 0, 0},   {0, 128, 0},   {128, 128, 0},
                      {0, 0, 128},     {128, 0, 128}, {0, 128, 128}, {192, 192, 192},
                      {128, 128, 128}, {255, 0, 0},   {0, 255, 0},   {255, 255, 0},
                      {0, 0, 255},     {255, 0, 255}, {0, 255, 255}, {255, 255, 255}};

// Dark and light ends of each ramp.
const Rgb kRampEnds[5][2] = {
    {{8, 12, 24}, {170, 190, 220}},   // steel
    {{40, 22, 6}, {255, 220, 130}},   // bronze
    {{50, 6, 4}, {255, 160, 80}},     // ember
    {{8, 24, 10}, {150, 200, 120}},   // moss
    {{20, 20, 22}, {235, 235, 230}},  // stone
};

// Rows of each glyph, five bits wide, top row first.
const std::map<char, std::array<std::uint8_t, 7>>& Font()
{
    static const std::map<char, std::array<std::uint8_t, 7>> font = {
        {'A', {0x0E, 0x11, 0x11, 0x1F, 0x11, 0x11, 0x11}}, {'B', {0x1E, 0x11, 0x11, 0x1E, 0x11, 0x11, 0x1E}},
        {'C', {0x0E, 0x11, 0x10, 0x10, 0x10, 0x11, 0x0E}}, {'D', {0x1E, 0x11, 0x11, 0x11, 0x11, 0x11, 0x1E}},
        {'E', {0x1F, 0x10, 0x10, 0x1E, 0x10, 0x10, 0x1F}}, {'F', {0x1F, 0x10, 0x10, 0x1E, 0x10, 0x10, 0x10}},
        {'G', {0x0E, 0x11, 0x10, 0x17, 0x11, 0x11, 0x0F}}, {'H', {0x11, 0x11, 0x11, 0x1F, 0x11, 0x11, 0x11}},
        {'I', {0x0E, 0x04, 0x04, 0x04, 0x04, 0x04, 0x0E}}, {'J', {0x07, 0x02, 0x02, 0x02, 0x02, 0x12, 0x0C}},
        {'K', {0x11, 0x12, 0x14, 0x18, 0x14, 0x12, 0x11}}, {'L', {0x10, 0x10, 0x10, 0x10, 0x10, 0x10, 0x1F}},
        {'M', {0x11, 0x1B, 0x15, 0x15, 0x11, 0x11, 0x11}}, {'N', {0x11, 0x11, 0x19, 0x15, 0x13, 0x11, 0x11}},
        {'O', {0x0E, 0x11, 0x11, 0x11, 0x11, 0x11, 0x0E}}, {'P', {0x1E, 0x11, 0x11, 0x1E, 0x10, 0x10, 0x10}},
        {'Q', {0x0E, 0x11, 0x11, 0x11, 0x15, 0x12, 0x0D}}, {'R', {0x1E, 0x11, 0x11, 0x1E, 0x14, 0x12, 0x11}},
        {'S', {0x0F, 0x10, 0x10, 0x0E, 0x01, 0x01, 0x1E}}, {'T', {0x1F, 0x04, 0x04, 0x04, 0x04, 0x04, 0x04}},
        {'U', {0x11, 0x11, 0x11, 0x11, 0x11, 0x11, 0x0E}}, {'V', {0x11, 0x11, 0x11, 0x11, 0x11, 0x0A, 0x04}},
        {'W', {0x11, 0x11, 0x11, 0x15, 0x15, 0x15, 0x0A}}, {'X', {0x11, 0x11, 0x0A, 0x04, 0x0A, 0x11, 0x11}},
        {'Y', {0x11, 0x11, 0x0A, 0x04, 0x04, 0x04, 0x04}}, {'Z', {0x1F, 0x01, 0x02, 0x04, 0x08, 0x10, 0x1F}},
        {'0', {0x0E, 0x11, 0x13, 0x15, 0x19, 0x11, 0x0E}}, {'1', {0x04, 0x0C, 0x04, 0x04, 0x04, 0x04, 0x0E}},
        {'2', {0x0E, 0x11, 0x01, 0x02, 0x04, 0x08, 0x1F}}, {'3', {0x1F, 0x02, 0x04, 0x02, 0x01, 0x11, 0x0E}},
        {'4', {0x02, 0x06, 0x0A, 0x12, 0x1F, 0x02, 0x02}}, {'5', {0x1F, 0x10, 0x1E, 0x01, 0x01, 0x11, 0x0E}},
        {'6', {0x06, 0x08, 0x10, 0x1E, 0x11, 0x11, 0x0E}}, {'7', {0x1F, 0x01, 0x02, 0x04, 0x08, 0x08, 0x08}},
        {'8', {0x0E, 0x11, 0x11, 0x0E, 0x11, 0x11, 0x0E}}, {'9', {0x0E, 0x11, 0x11, 0x0F, 0x01, 0x02, 0x0C}},
        {' ', {0, 0, 0, 0, 0, 0, 0}},                      {'.', {0, 0, 0, 0, 0, 0x0C, 0x0C}},
        {'-', {0, 0, 0, 0x1F, 0, 0, 0}},                   {'!', {0x04, 0x04, 0x04, 0x04, 0x04, 0, 0x04}},
        {':', {0, 0x0C, 0x0C, 0, 0x0C, 0x0C, 0}},          {'(', {0x02, 0x04, 0x08, 0x08, 0x08, 0x04, 0x02}},
        {')', {0x08, 0x04, 0x02, 0x02, 0x02, 0x04, 0x08}}, {'/', {0x01, 0x01, 0x02, 0x04, 0x08, 0x10, 0x10}},
    };
    return font;
}

std::vector<std::string> Lines(const std::string& text)
{
    std::vector<std::string> lines(1);
    for (char c : text) {
        if (c == '\n')
            lines.emplace_back();
        else
            lines.back() += c;
    }
    return lines;
}

}  // namespace

const std::vector<Rgb>& SharedPalette()
{
    static const std::vector<Rgb> palette = [] {
        std::vector<Rgb> p(kVga, kVga + 16);
        for (int kind = 0; kind < 5; ++kind) {
            for (int level = 0; level < 48; ++level) {
                const Rgb& a = kRampEnds[kind][0];
                const Rgb& b = kRampEnds[kind][1];
                auto mix = [&](int from, int to) { return static_cast<std::uint8_t>(from + (to - from) * level / 47); };
                p.push_back(Rgb{mix(a.r, b.r), mix(a.g, b.g), mix(a.b, b.b)});
            }
        }
        return p;  // 16 + 5 x 48 = 256
    }();
    return palette;
}

std::uint8_t Ramp(RampKind kind, int level)
{
    if (level < 0)
        level = 0;
    if (level > 47)
        level = 47;
    return static_cast<std::uint8_t>(16 + kind * 48 + level);
}

Canvas::Canvas(int width, int height, std::uint8_t fill)
    : width_(width), height_(height), pixels_(static_cast<std::size_t>(width * height), fill)
{
}

void Canvas::Set(int x, int y, std::uint8_t color)
{
    if (x >= 0 && y >= 0 && x < width_ && y < height_)
        pixels_[static_cast<std::size_t>(y * width_ + x)] = color;
}

void Canvas::Fill(int left, int top, int right, int bottom, std::uint8_t color)
{
    for (int y = top; y < bottom; ++y)
        for (int x = left; x < right; ++x)
            Set(x, y, color);
}

void Canvas::VerticalRamp(int left, int top, int right, int bottom, RampKind kind, int fromLevel, int toLevel)
{
    const int span = bottom - top > 1 ? bottom - top - 1 : 1;
    for (int y = top; y < bottom; ++y)
        Fill(left, y, right, y + 1, Ramp(kind, fromLevel + (toLevel - fromLevel) * (y - top) / span));
}

void Canvas::Bevel(int left, int top, int right, int bottom, std::uint8_t light, std::uint8_t dark, int thickness)
{
    for (int i = 0; i < thickness; ++i) {
        Fill(left + i, top + i, right - i, top + i + 1, light);
        Fill(left + i, top + i, left + i + 1, bottom - i, light);
        Fill(left + i, bottom - i - 1, right - i, bottom - i, dark);
        Fill(right - i - 1, top + i, right - i, bottom - i, dark);
    }
}

void Canvas::Frame(int left, int top, int right, int bottom, std::uint8_t color, int thickness)
{
    Bevel(left, top, right, bottom, color, color, thickness);
}

int Canvas::TextWidth(const std::string& text, int scale) const
{
    int widest = 0;
    for (const std::string& line : Lines(text)) {
        const int width = line.empty() ? 0 : static_cast<int>(line.size()) * 6 * scale - scale;
        if (width > widest)
            widest = width;
    }
    return widest;
}

int Canvas::TextHeight(const std::string& text, int scale) const
{
    return static_cast<int>(Lines(text).size()) * 9 * scale - 2 * scale;
}

void Canvas::Text(int x, int y, const std::string& text, int scale, std::uint8_t color)
{
    int lineTop = y;
    for (const std::string& line : Lines(text)) {
        int left = x;
        for (char c : line) {
            const auto glyph = Font().find(c);
            if (glyph != Font().end()) {
                for (int row = 0; row < 7; ++row)
                    for (int column = 0; column < 5; ++column)
                        if (glyph->second[static_cast<std::size_t>(row)] & (0x10 >> column))
                            Fill(left + column * scale, lineTop + row * scale, left + (column + 1) * scale,
                                 lineTop + (row + 1) * scale, color);
            }
            left += 6 * scale;
        }
        lineTop += 9 * scale;
    }
}

void Canvas::CenteredText(int left, int top, int right, int bottom, const std::string& text, int scale,
                          std::uint8_t color, std::uint8_t shadow)
{
    int y = top + (bottom - top - TextHeight(text, scale)) / 2;
    for (const std::string& line : Lines(text)) {
        const int x = left + (right - left - TextWidth(line, scale)) / 2;
        Text(x + 1, y + 1, line, scale, shadow);
        Text(x, y, line, scale, color);
        y += 9 * scale;
    }
}

std::vector<unsigned char> Canvas::ToRgb() const
{
    const std::vector<Rgb>& palette = SharedPalette();
    std::vector<unsigned char> rgb;
    rgb.reserve(pixels_.size() * 3);
    for (std::uint8_t index : pixels_) {
        rgb.push_back(palette[index].r);
        rgb.push_back(palette[index].g);
        rgb.push_back(palette[index].b);
    }
    return rgb;
}
