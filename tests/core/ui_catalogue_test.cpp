// The catalogue reader: exact bytes in either byte order, damaged files refused with a reason,
// untranslated texts shown as written, and the files looked up safely by language code.
#include "../support/mo_bytes.hpp"
#include "../support/temp_dir.hpp"
#include "ui/catalogue.hpp"

#include <gtest/gtest.h>

#include <fstream>

namespace {

TEST(Catalogue, TranslatesWhatItHoldsAndShowsEverythingElseAsWritten) {
    for (const bool bigEndian : {false, true}) {
        std::string error;
        const std::optional<ui::Catalogue> c = ui::Catalogue::fromMo(
            kvtest::moBytes({{"Zpět", "Back"}, {"Kovář:Ahoj\nsvěte", "Kovář:Hello\nworld"}}, bigEndian), "en", error);
        ASSERT_TRUE(c) << error;
        EXPECT_EQ(c->translate("Zpět"), "Back");
        EXPECT_EQ(c->translate("Kovář:Ahoj\nsvěte"), "Kovář:Hello\nworld");
        EXPECT_EQ(c->translate("Spojit"), "Spojit");
        EXPECT_EQ(c->translate(""), "");  // the header is no text of the game
        EXPECT_EQ(c->sources(), (std::vector<std::string>{"Kovář:Ahoj\nsvěte", "Zpět"}));
        EXPECT_EQ(c->language(), "en");
    }
    EXPECT_EQ(ui::Catalogue().translate("Zpět"), "Zpět");
    EXPECT_EQ(ui::Catalogue().language(), "cs");
}

TEST(Catalogue, PluralEntriesAreSkippedNotMisread) {
    std::string error;
    const auto c = ui::Catalogue::fromMo(kvtest::moBytes({{std::string("soubor\0soubory", 14), "file"}, {"Hra", "Game"}}),
                                         "en", error);
    ASSERT_TRUE(c) << error;
    EXPECT_EQ(c->sources(), std::vector<std::string>{"Hra"});
}

TEST(Catalogue, DamagedBytesAreRefusedWithAReasonNeverReadOutOfBounds) {
    const std::string good = kvtest::moBytes({{"Hra", "Game"}, {"Nová", "New"}});
    std::string error;
    EXPECT_FALSE(ui::Catalogue::fromMo("", "en", error));
    EXPECT_FALSE(error.empty());
    EXPECT_FALSE(ui::Catalogue::fromMo("not a catalogue at all, just text", "en", error));
    // Cut anywhere: refused or read whole, never read past the end (the sanitizers watch).
    for (std::size_t size = 0; size < good.size(); ++size) {
        const auto c = ui::Catalogue::fromMo(good.substr(0, size), "en", error);
        if (c) {
            EXPECT_LE(c->sources().size(), 2u);
        }
    }
    // A string offset pointing far outside the file.
    std::string outside = good;
    outside[28 + 8 + 4 + 3] = '\x7f';
    EXPECT_FALSE(ui::Catalogue::fromMo(outside, "en", error));
    EXPECT_NE(error.find("poškozený"), std::string::npos) << error;
    // A count larger than the file could hold.
    std::string count = good;
    count[11] = '\x7f';
    EXPECT_FALSE(ui::Catalogue::fromMo(count, "en", error));
}

TEST(Catalogue, LoadsByLanguageCodeOnlyFromItsDirectory) {
    kvtest::TempDir dir;
    const std::string lang = (dir.path() / "lang").string();
    std::filesystem::create_directories(lang);
    std::ofstream(lang + "/en.mo", std::ios::binary) << kvtest::moBytes({{"Hra", "Game"}});
    std::ofstream(lang + "/xx.mo", std::ios::binary) << "damaged";
    std::ofstream(lang + "/readme.txt") << "not a catalogue";

    std::string error;
    const auto en = ui::loadCatalogue("en", error, lang);
    ASSERT_TRUE(en) << error;
    EXPECT_EQ(en->translate("Hra"), "Game");
    const auto cs = ui::loadCatalogue("cs", error, lang);
    ASSERT_TRUE(cs);
    EXPECT_EQ(cs->translate("Hra"), "Hra");

    EXPECT_FALSE(ui::loadCatalogue("de", error, lang));
    EXPECT_NE(error.find("chybí"), std::string::npos) << error;
    EXPECT_FALSE(ui::loadCatalogue("xx", error, lang));
    EXPECT_NE(error.find("xx.mo"), std::string::npos) << error;
    // A code is a name, never a path.
    for (const char* bad : {"../lang/en", "", "en/../en", "/tmp/en"}) EXPECT_FALSE(ui::loadCatalogue(bad, error, lang)) << bad;

    EXPECT_EQ(ui::availableLanguages(lang), (std::vector<std::string>{"cs", "en", "xx"}));
    EXPECT_EQ(ui::availableLanguages((dir.path() / "none").string()), std::vector<std::string>{"cs"});
}

TEST(Catalogue, FillReplacesTheFirstPlaceholderOnly) {
    EXPECT_EQ(ui::fill("Chybí: %s", "a.bmp"), "Chybí: a.bmp");
    EXPECT_EQ(ui::fill("%s a %s", "1"), "1 a %s");
    EXPECT_EQ(ui::fill("bez", "x"), "bez");
}

}  // namespace
