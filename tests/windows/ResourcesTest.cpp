// The launcher's own resources, read from its exe: icon 128, the start-up
// sound, dialog 500, strings 1 to 3, the manifest.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "WindowsTestSupport.h"
#include "resources/resource.h"

namespace {

struct LauncherResources : testing::Test {
    HMODULE module = NULL;
    void SetUp() override
    {
        const std::string exe = wintest::TestDirectory() + "\\..\\..\\IronmarchLauncher.exe";
        module = LoadLibraryExA(exe.c_str(), NULL, LOAD_LIBRARY_AS_DATAFILE);
        ASSERT_NE(module, static_cast<HMODULE>(NULL)) << "cannot open " << exe;
    }
    void TearDown() override
    {
        if (module != NULL)
            FreeLibrary(module);
    }
    std::vector<unsigned char> Resource(LPCSTR name, LPCSTR type)
    {
        HRSRC found = FindResourceA(module, name, type);
        if (found == NULL)
            return {};
        const unsigned char* data = static_cast<const unsigned char*>(LockResource(LoadResource(module, found)));
        return std::vector<unsigned char>(data, data + SizeofResource(module, found));
    }
};

std::uint32_t Read32(const unsigned char* p)
{
    return p[0] | (p[1] << 8) | (p[2] << 16) | (static_cast<std::uint32_t>(p[3]) << 24);
}

std::uint16_t Read16(const unsigned char* p)
{
    return static_cast<std::uint16_t>(p[0] | (p[1] << 8));
}

TEST_F(LauncherResources, IconHasItsFiveImages)
{
    const auto group = Resource(MAKEINTRESOURCEA(IDI_LAUNCHER), MAKEINTRESOURCEA(14));  // RT_GROUP_ICON
    ASSERT_GE(group.size(), 6u);
    const std::uint16_t count = Read16(&group[4]);
    ASSERT_EQ(count, 5);
    std::vector<std::string> images;
    for (std::uint16_t i = 0; i < count; ++i) {
        const unsigned char* entry = &group[6 + 14 * i];  // GRPICONDIRENTRY
        const int size = entry[0] == 0 ? 256 : entry[0];
        images.push_back(std::to_string(size) + "x" + std::to_string(Read16(entry + 6)));
    }
    std::sort(images.begin(), images.end());
    EXPECT_EQ(images, (std::vector<std::string>{"16x8", "32x4", "32x8", "48x4", "48x8"}));
}

TEST_F(LauncherResources, StartupSoundIsMonoPcmOfAboutSixSeconds)
{
    const auto wave = Resource("IDR_WAVE1", "WAVE");
    ASSERT_GE(wave.size(), 44u);
    EXPECT_EQ(std::memcmp(&wave[0], "RIFF", 4), 0);
    EXPECT_EQ(std::memcmp(&wave[8], "WAVEfmt ", 8), 0);
    EXPECT_EQ(Read16(&wave[20]), 1);         // PCM
    EXPECT_EQ(Read16(&wave[22]), 1);         // mono
    EXPECT_EQ(Read32(&wave[24]), 22050u);    // samples per second
    EXPECT_EQ(Read16(&wave[34]), 16);        // bits per sample
    const double seconds = Read32(&wave[40]) / (22050.0 * 2);
    EXPECT_NEAR(seconds, 6.1, 0.05);
}

TEST_F(LauncherResources, StringsOneToThree)
{
    char text[512];
    ASSERT_GT(LoadStringA(module, IDS_DISC_UNREADABLE, text, sizeof text), 0);
    EXPECT_STREQ(text, "The disc in the drive could not be read.  If you just inserted the disc, please wait for a "
                       "few seconds while the drive accesses the disc.");
    ASSERT_GT(LoadStringA(module, IDS_WARNING, text, sizeof text), 0);
    EXPECT_STREQ(text, "Warning");
    ASSERT_GT(LoadStringA(module, IDS_WRONG_DISC, text, sizeof text), 0);
    EXPECT_STREQ(text, "The disc in the drive is not the correct disc.  Please make sure the correct disc is in the "
                       "drive.");
}

// Reads a DLGTEMPLATE: styles, size, caption, font and each control.
struct DialogControl {
    DWORD style;
    short x, y, cx, cy;
    WORD id;
    std::string windowClass;
    std::string text;
};

std::string ReadText(const WORD*& p, bool* ordinal = nullptr, WORD* ordinalValue = nullptr)
{
    std::string text;
    if (*p == 0xFFFF) {
        if (ordinal != nullptr)
            *ordinal = true;
        if (ordinalValue != nullptr)
            *ordinalValue = p[1];
        p += 2;
        return text;
    }
    while (*p != 0)
        text += static_cast<char>(*p++);
    ++p;
    return text;
}

TEST_F(LauncherResources, InsertDiscDialogTemplate)
{
    const auto dialog = Resource(MAKEINTRESOURCEA(IDD_INSERT_DISC), MAKEINTRESOURCEA(5));  // RT_DIALOG
    ASSERT_GE(dialog.size(), sizeof(DLGTEMPLATE));
    DLGTEMPLATE header;
    std::memcpy(&header, dialog.data(), sizeof header);
    EXPECT_EQ(header.style, static_cast<DWORD>(WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_CENTER |
                                              DS_SETFONT));
    EXPECT_EQ(header.cx, 234);
    EXPECT_EQ(header.cy, 98);
    ASSERT_EQ(header.cdit, 6);
    const WORD* p = reinterpret_cast<const WORD*>(dialog.data() + sizeof(DLGTEMPLATE));
    ReadText(p);  // menu
    ReadText(p);  // class
    EXPECT_EQ(ReadText(p), "Insert Disc");
    EXPECT_EQ(*p++, 8);  // points
    EXPECT_EQ(ReadText(p), "MS Sans Serif");

    const struct {
        WORD id;
        const char* windowClass;
        const char* text;
        DWORD style;
        short x, y, cx, cy;
    } expected[] = {
        {IDOK, "Button", "OK", BS_DEFPUSHBUTTON | WS_TABSTOP, 121, 77, 50, 14},
        {IDCANCEL, "Button", "Cancel", BS_PUSHBUTTON | WS_TABSTOP, 177, 77, 50, 14},
        {IDC_DISC_DRIVE, "Edit", "", WS_BORDER | WS_TABSTOP | ES_AUTOHSCROLL, 14, 46, 205, 14},
        {IDC_DISC_GROUP, "Button", "", BS_GROUPBOX, 7, 34, 220, 35},
        {0xFFFF, "Static", "#128", SS_ICON, 7, 7, 20, 20},
        {IDC_DISC_PROMPT, "Static", "", SS_LEFT | WS_GROUP, 41, 7, 186, 26},
    };
    for (const auto& e : expected) {
        // Each item starts on a DWORD boundary.
        const auto offset = reinterpret_cast<const unsigned char*>(p) - dialog.data();
        p = reinterpret_cast<const WORD*>(dialog.data() + ((offset + 3) & ~3));
        DLGITEMTEMPLATE item;
        std::memcpy(&item, p, sizeof item);
        p = reinterpret_cast<const WORD*>(reinterpret_cast<const unsigned char*>(p) + sizeof item);
        bool classOrdinal = false;
        WORD classValue = 0;
        std::string windowClass = ReadText(p, &classOrdinal, &classValue);
        if (classOrdinal)
            windowClass = classValue == 0x80 ? "Button" : classValue == 0x81 ? "Edit" : classValue == 0x82 ? "Static" : "?";
        bool textOrdinal = false;
        WORD textValue = 0;
        std::string text = ReadText(p, &textOrdinal, &textValue);
        if (textOrdinal)
            text = "#" + std::to_string(textValue);
        p += 1 + *p / 2;  // creation data
        EXPECT_EQ(item.id, e.id);
        EXPECT_TRUE(lstrcmpiA(windowClass.c_str(), e.windowClass) == 0) << windowClass << " for " << e.id;
        EXPECT_EQ(text, e.text) << "control " << e.id;
        EXPECT_EQ(item.style, e.style | WS_CHILD | WS_VISIBLE) << "control " << e.id;
        EXPECT_EQ(item.x, e.x);
        EXPECT_EQ(item.y, e.y);
        EXPECT_EQ(item.cx, e.cx);
        EXPECT_EQ(item.cy, e.cy);
    }
}

TEST_F(LauncherResources, ManifestRunsAsInvoker)
{
    const auto manifest = Resource(MAKEINTRESOURCEA(1), MAKEINTRESOURCEA(24));
    const std::string text(manifest.begin(), manifest.end());
    EXPECT_NE(text.find("level=\"asInvoker\""), std::string::npos) << text;
}

}  // namespace
