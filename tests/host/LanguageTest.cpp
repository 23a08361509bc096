// The player's language: which one the launcher chooses, its string tables
// held to the English one, and a text's way out of a resource block.
#include <gtest/gtest.h>

#include <tuple>

#include "FakeSystem.h"
#include "ResourceTexts.h"
#include "core/Names.h"
#include "startup/GetPaths.h"
#include "platform/StringBlock.h"
#include "resources/resource.h"

namespace {

TEST(Language, ChosenAsWindowsChoosesForThePlayer)
{
    const std::tuple<LanguageFacts, bool, const char*> cases[] = {  // installed, UI, user default; a Western code page
        {{0, 0x0407, 0x0409}, true, "de"},  // the UI language, not the user's default
        {{0, 0x0c07, 0}, true, "de"},       // de-AT: by primary language
        {{0, 0, 0x040c}, true, "fr"},       // 95 to ME and NT 4.0: no UI language
        {{0, 0x0441, 0x0407}, true, "en"},  // sw-KE: a language the launcher lacks
        {{0, 0x0419, 0}, false, "en"},      // Russian
        {{0x0407, 0x040c, 0x040c}, true, "de"},  // the installed game's language first
        {{0x0407, 0x040c, 0}, false, "en"},      // ... unless it cannot be shown: English, not the UI's
    };
    for (const auto& [facts, westernCodePage, chosen] : cases) {
        fake::System system;
        system.westernCodePage = westernCodePage;
        EXPECT_STREQ(ChooseLanguage(facts, system).code, chosen)
            << std::hex << facts.installedLanguage << " " << facts.uiLanguage << " " << facts.userDefault;
    }
}

// The installer may record the game's language in the App Paths key, by its code.
TEST(Language, TheInstalledGamesLanguageIsReadByItsCode)
{
    const std::map<std::string, std::uint16_t> cases = {{"de", 0x0407}, {"fr", 0x040c}, {"es", 0}, {"de-de-de-de", 0}};
    for (const auto& [code, language] : cases) {
        fake::System system;
        system.InstallGame("C:\\Games\\Ironmarch");
        system.registry[names::kAppPathsKey][names::kLanguageValue] = code + '\0';
        EXPECT_EQ(InstalledGameLanguage(system), language) << code;
    }
}

// Every translation has every English text with the same % codes in the
// same order: a translator's slip fails here, not on a player's screen.
TEST(Language, EveryTranslationKeepsTheEnglishSlots)
{
    const auto percents = [](const std::string& text) {
        std::string codes;
        for (std::size_t at = text.find('%'); at != std::string::npos; at = text.find('%', at + 2))
            codes += text.substr(at, 2);
        return codes;
    };
    const auto& english = fake::ResourceTexts().at(kEnglish.id);
    ASSERT_EQ(english.rbegin()->first, unsigned{IDS_LAST_TEXT});  // the code page test reads them all
    for (const Language& language : kLanguages) {
        const auto& table = fake::ResourceTexts().at(language.id);
        for (const auto& [id, text] : english)
            EXPECT_TRUE(table.count(id) && percents(table.at(id)) == percents(text)) << language.code << " " << id;
    }
}

// A table's text as Windows stores it: each a count and UTF-16 units.
TEST(Language, ATextIsFoundInItsBlockOrNotAtAll)
{
    const std::vector<std::uint16_t> block = {2, 'O', 'K', 0, 3, 'a', 'b', 'c', 9, 'x'};
    // The block's units and the text's index; the length found and where (0: none). The second text is
    // empty, the fourth's count runs past the block, and a block may end inside the third or right after it.
    const std::size_t cases[][4] = {{10, 0, 2, 1},  {10, 1, 0, 0}, {10, 2, 3, 5}, {10, 3, 0, 0},
                                    {10, 15, 0, 0}, {6, 2, 0, 0},  {8, 2, 3, 5},  {0, 0, 0, 0}};
    for (const auto& [units, index, length, at] : cases) {
        const platform::StringInBlock found = platform::FindInStringBlock(block.data(), units, static_cast<unsigned>(index));
        EXPECT_EQ(found.length, length) << units << " " << index;
        EXPECT_TRUE(length == 0 || found.text == block.data() + at) << units << " " << index;
    }
}

struct OneLanguage : platform::Texts {
    std::map<unsigned, std::string> german;
    unsigned unshowable = 0;  // a German text the code page lacks
    platform::TextLoad LoadText(std::uint16_t language, unsigned id, std::string* text) override
    {
        if (language == 0x0407 && id == unshowable)
            return platform::TextLoad::NotInCodePage;
        const auto& table = language == 0x0407 ? german : fake::ResourceTexts().at(language);
        if (table.count(id) == 0)
            return platform::TextLoad::Missing;
        *text = table.at(id);
        return platform::TextLoad::Loaded;
    }
};

// A translation that lacks a text, or whose slots are wrong, gives way to
// the English text; no text is read as a printf format.
TEST(Language, AFaultyTranslationGivesWayToEnglish)
{
    OneLanguage tables;
    LocalTexts texts(tables);
    texts.UseLanguage(kLanguages[1]);
    tables.german = {{IDS_NT_WARNING, "%s %s"}, {IDS_INSERT_DISC_PROMPT, "%d %s"}, {IDS_WARNING, "Warnung"},
                     {IDS_DIRECTX_1, "DirectX 1"}};
    EXPECT_EQ(texts.Text(IDS_WARNING), "Warnung");
    EXPECT_EQ(texts.Text(IDS_WRONG_DISC).substr(0, 12), "The disc in ");
    EXPECT_EQ(texts.Format(IDS_NT_WARNING, {"Ironmarch"}), "Ironmarch will not run under Windows NT.");
    EXPECT_EQ(texts.Format(IDS_INSERT_DISC_PROMPT, {"%s%n"}), "Please insert the %s%n CD 1 into your CD-ROM drive.");
    tables.german[IDS_INSERT_DISC_PROMPT] = "100%% %s";
    EXPECT_EQ(texts.Format(IDS_INSERT_DISC_PROMPT, {"x"}), "100% x");
    EXPECT_EQ(texts.Format(IDS_WARNING, {"x"}), "");  // no table has it with a slot
    EXPECT_EQ(texts.Format(IDS_DIRECTX_1, {"a", "b"}).substr(0, 17), "DirectX 1 found. ");  // none in German
    tables.unshowable = IDS_LAST_TEXT;  // the code page test reads every text, the last one too
    EXPECT_STREQ(ChooseLanguage({0, 0x0407, 0}, tables).code, "en");
    EXPECT_EQ(texts.Text(9999), "");
}

}  // namespace
