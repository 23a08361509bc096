// A small 8-bit drawing surface for the demo art and the icon: one shared
// 256-colour palette, filled shapes, a bevel, and a 5x7 block font.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "Bmp8.h"

// The palette every picture of the disc shares. 0..15 are the VGA colours
// (the 16-colour icon images use only those); the rest are ramps.
const std::vector<Rgb>& SharedPalette();

// Palette ramps: Ramp(kind, level) with level 0 (dark) to 47 (light).
enum RampKind { kSteel = 0, kBronze = 1, kEmber = 2, kMoss = 3, kStone = 4 };
std::uint8_t Ramp(RampKind kind, int level);

class Canvas {
public:
    Canvas(int width, int height, std::uint8_t fill);
    int width() const { return width_; }
    int height() const { return height_; }
    std::uint8_t At(int x, int y) const { return pixels_[static_cast<std::size_t>(y * width_ + x)]; }
    void Set(int x, int y, std::uint8_t color);
    void Fill(int left, int top, int right, int bottom, std::uint8_t color);
    void VerticalRamp(int left, int top, int right, int bottom, RampKind kind, int fromLevel, int toLevel);
    // A raised (or, pressed, sunken) bevel around the rectangle's edge.
    void Bevel(int left, int top, int right, int bottom, std::uint8_t light, std::uint8_t dark, int thickness);
    void Frame(int left, int top, int right, int bottom, std::uint8_t color, int thickness);
    // Text in the 5x7 font, each dot scale x scale pixels; lines split at '\n'.
    int TextWidth(const std::string& text, int scale) const;
    int TextHeight(const std::string& text, int scale) const;
    void Text(int x, int y, const std::string& text, int scale, std::uint8_t color);
    void CenteredText(int left, int top, int right, int bottom, const std::string& text, int scale,
                      std::uint8_t color, std::uint8_t shadow);

    // The picture as a .bmp file: 8 bits, info header, the shared palette.
    std::vector<unsigned char> ToBmp() const { return Bmp8(width_, height_, pixels_, SharedPalette()); }
    // Red, green, blue for each pixel, top row first.
    std::vector<unsigned char> ToRgb() const;

private:
    int width_;
    int height_;
    std::vector<std::uint8_t> pixels_;
};
