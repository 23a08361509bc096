// The launcher's platform services on the build machine, for the disc
// checker and the previews: files of a disc folder, drawing
// into a picture of the window, and an installation state of our choosing.
#pragma once
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "platform/Files.h"
#include "platform/Graphics.h"
#include "platform/Registry.h"
#include "platform/WholeFile.h"
#include "platform/WindowSurface.h"

// Paths as the launcher writes them ("bitmaps\8b1u.bmp"), below a folder.
class FolderFiles : public platform::WholeFileReader {
public:
    explicit FolderFiles(std::string root) : root_(std::move(root)) {}
    platform::WholeFile ReadWholeFile(const char* path, std::size_t padding) override;
    std::string HostPath(const std::string& path) const;

private:
    std::string root_;
};

// SetDIBitsToDevice into a picture of the client area, as a true-colour
// display does it: each pixel's colour from the image's own colour table.
class FrameGraphics : public platform::Graphics {
public:
    FrameGraphics(int width, int height) : width_(width), height_(height), rgb_(static_cast<std::size_t>(width * height * 3)) {}
    platform::PaletteHandle CreatePalette(const platform::PaletteColor* entries, std::uint16_t count) override;
    void DeletePalette(platform::PaletteHandle palette) override { palettes_.erase(palette); }
    platform::PaletteHandle SelectPalette(platform::DeviceContext, platform::PaletteHandle, bool) override { return platform::PaletteHandle(1); }
    void RealizePalette(platform::DeviceContext) override {}
    int SetDIBitsToDevice(platform::DeviceContext dc, const platform::DibCopy& copy) override;

    const std::vector<platform::PaletteColor>* Palette(platform::PaletteHandle handle) const;
    int width() const { return width_; }
    int height() const { return height_; }
    const std::vector<unsigned char>& rgb() const { return rgb_; }

private:
    int width_;
    int height_;
    std::vector<unsigned char> rgb_;
    std::map<platform::PaletteHandle, std::vector<platform::PaletteColor>> palettes_;
    std::uintptr_t next_ = 0x100;
};

class FrameSurface : public platform::WindowSurface {
public:
    platform::DeviceContext GetClientDC() override { return platform::DeviceContext(1); }
    void ReleaseClientDC(platform::DeviceContext) override {}
    void BeginPaint() override {}
    void EndPaint() override {}
    bool ThreadHasKeyboardFocus() override { return true; }
    void UpdateWindow() override {}
    void WakeMessageLoop() override {}
    void AnnounceFocus(int) override {}
};

// The registry and the disc as a launcher started from the disc finds them:
// the game installed or not, the registration program there or not.
class ChosenWorld : public platform::Registry, public platform::Files {
public:
    ChosenWorld(bool installed, bool registrationTool) : installed_(installed), registrationTool_(registrationTool) {}
    ReadResult ReadLocalMachineValue(const char* keyName, const char* valueName, char* buffer,
                                     std::uint32_t* size) override;
    bool CanOpenForReading(const char* path) override;
    std::uint32_t CurrentDirectory(char* buffer, std::uint32_t size) override;
    bool ChangeDirectory(const char* path) override;
    std::uint32_t WindowsDirectory(char* buffer, std::uint32_t size) override;
    std::uint32_t SystemDirectory(char* buffer, std::uint32_t size) override;
    std::uint32_t ProgramDirectory(char* buffer, std::uint32_t size) override;
    std::string PathVariable() override { return std::string(); }
    bool CanonicalDirectory(const char* path, char* buffer, std::uint32_t size) override;

private:
    bool installed_;
    bool registrationTool_;
    std::string current_ = "D:\\";
};
