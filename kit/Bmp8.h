// Writing 8-bit bitmap files: info header, a 256-entry colour table, rows
// bottom first, the layout the launcher reads best.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "BmpFile.h"

// indices: width * height palette indices, top row first. The palette is
// padded with black to 256 entries.
std::vector<unsigned char> Bmp8(int width, int height, const std::vector<std::uint8_t>& indices,
                                const std::vector<Rgb>& palette);

bool WriteFile(const std::string& path, const std::vector<unsigned char>& bytes);
