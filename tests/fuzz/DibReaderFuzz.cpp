// libFuzzer target: any bytes as a bitmap file, read by the launcher's
// reader and then drawn through a stand-in that reads all the system would.
#include <cstddef>
#include <cstdint>
#include <vector>

#include "GdiReader.h"
#include "image/DibImage.h"
#include "launcher/ButtonTable.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    ReadingGraphics system;
    system.pictures["fuzz.bmp"] = std::vector<unsigned char>(data, data + size);
    DibImages images(system, system);
    DibImage image = images.LoadDibImage("fuzz.bmp");
    images.DrawDibImage(platform::DeviceContext(1), platform::Rect{0, 0, kBackgroundWidth, kBackgroundHeight}, image, platform::Rect{0, 0, kBackgroundWidth, kBackgroundHeight},
                        images.windowPalette());
    images.DrawDibImage(platform::DeviceContext(1), platform::Rect{400, 40, 630, 70}, image, platform::Rect{0, 0, 230, 30}, nullptr);
    return 0;
}
