// The translation catalogues against the game: each translates exactly the texts the game can
// show, keeps the dialogue's speakers, names and line breaks, and a language switch changes
// what is shown at once without touching a rule.
#include "../support/mo_bytes.hpp"
#include "../support/temp_dir.hpp"
#include "../support/working_directory.hpp"
#include "app/localized_picture.hpp"
#include "app/shown_texts.hpp"
#include "explore/explorer.hpp"
#include "desktop/desktop_texts.hpp"
#include "form_fixture.hpp"
#include "inventory/item_catalogue.hpp"
#include "inventory/item_names.hpp"
#include "story/all_lines.hpp"
#include "web/page_texts.hpp"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <set>

namespace {

// Every text the player can read, the desktop window's own included.
std::map<std::string, std::string> shownTexts() {
    std::map<std::string, std::string> texts;
    for (const app::ShownText& text : app::allShownTexts()) texts.emplace(text.source, text.where);
    for (const char* text : desktop::kDesktopTexts) texts.emplace(text, "the desktop window");
    for (const char* text : web::kPageTexts) texts.emplace(text, "the browser page");
    return texts;
}

std::vector<ui::Catalogue> builtCatalogues() {
    std::vector<ui::Catalogue> catalogues;
    for (const std::string& language : ui::availableLanguages(KVELNOR_CATALOGUE_DIR)) {
        if (language == ui::kSourceLanguage) continue;
        std::string error;
        std::optional<ui::Catalogue> c = ui::loadCatalogue(language, error, KVELNOR_CATALOGUE_DIR);
        if (c) {
            catalogues.push_back(std::move(*c));
        } else {
            ADD_FAILURE() << error;
        }
    }
    return catalogues;
}

std::string poEntry(const std::string& text) {
    std::string escaped;
    for (const char c : text) escaped += c == '\n' ? std::string("\\n") : c == '"' ? std::string("\\\"") : std::string(1, c);
    return "msgid \"" + escaped + "\"";
}

TEST(Translations, EnglishIsBuilt) {
    const std::vector<std::string> languages = ui::availableLanguages(KVELNOR_CATALOGUE_DIR);
    EXPECT_NE(std::find(languages.begin(), languages.end(), "en"), languages.end());
}

TEST(Translations, EachCatalogueTranslatesExactlyTheTextsTheGameShows) {
    const std::map<std::string, std::string> shown = shownTexts();
    for (const ui::Catalogue& c : builtCatalogues()) {
        const std::string po = "po/" + c.language() + ".po";
        for (const auto& [text, where] : shown)
            EXPECT_TRUE(c.translates(text))
                << po << " has no finished translation of a text the game shows (" << where
                << "). Add it to " << po << ", translated and not fuzzy:\n#. " << where << "\n" << poEntry(text)
                << "\nmsgstr \"...\"";
        for (const std::string& text : c.sources())
            EXPECT_TRUE(shown.contains(text)) << po << " translates a text the game no longer shows; remove it from "
                                              << po << ":\n" << poEntry(text);
    }
}

// "Kovář(pro sebe):Text" -> "Kovář(pro sebe)"; the one line with spaces round its colon included.
std::string speaker(const std::string& line) {
    const std::size_t colon = line.find(':');
    std::string who = colon == std::string::npos ? "" : line.substr(0, colon);
    while (!who.empty() && who.back() == ' ') who.pop_back();
    while (!who.empty() && who.front() == ' ') who.erase(0, 1);
    return who;
}

TEST(Translations, DialogueKeepsSpeakersNamesAndLineBreaks) {
    // Each name, by the stem its Czech forms share ("Horáka", "Lojzo", "Kováři").
    const std::vector<std::pair<std::string, std::string>> names = {
        {"Kovář", "Kovář"}, {"Horák", "Horák"}, {"Lojz", "Lojza"}, {"Mlýnotrh", "Mlýnotrhy"}};
    for (const ui::Catalogue& c : builtCatalogues()) {
        std::map<std::string, std::string> speakers;
        for (const story::DialogueLine& line : story::allDialogueLines()) {
            const std::string& shown = c.translate(line.text);
            EXPECT_EQ(std::count(shown.begin(), shown.end(), '\n'), std::count(line.text.begin(), line.text.end(), '\n'))
                << c.language() << ", " << line.where << ": " << shown;
            const std::string who = speaker(line.text);
            if (!who.empty()) {
                const auto [known, fresh] = speakers.emplace(who, speaker(shown));
                EXPECT_EQ(known->second, speaker(shown)) << c.language() << ", " << line.where << ": " << who
                                                         << " is named two ways";
                EXPECT_FALSE(speaker(shown).empty()) << c.language() << ", " << line.where << ": " << shown;
            }
            for (const auto& [stem, name] : names) {
                if (line.text.find(stem) != std::string::npos) {
                    EXPECT_NE(shown.find(name), std::string::npos) << c.language() << ", " << line.where << ": " << shown;
                }
            }
        }
    }
}

// Only the worded title is drawn again for a language, and only when its drawing is there.
TEST(Translations, TheTitleIsShownInTheLanguagesDrawingWhenThereIsOne) {
    const kvtest::TempDir dir;
    const kvtest::WorkingDirectory here(dir.path());
    const std::string english = app::localizedPicturePath(pic::uvod, "en");
    EXPECT_EQ(english, "data/lang/en/Uvod.bmp");
    EXPECT_EQ(app::shownPicture(pic::uvod, "en"), pic::uvod) << "no drawing yet: the Czech title";
    std::filesystem::create_directories("data/lang/en");
    std::ofstream(english) << "BM";
    EXPECT_EQ(app::shownPicture(pic::uvod, "en"), english);
    EXPECT_EQ(app::shownPicture(pic::uvod, "cs"), pic::uvod);
    EXPECT_EQ(app::shownPicture(pic::namesti1, "en"), pic::namesti1);
    std::filesystem::create_directories("data/lang/de/Uvod.bmp");  // not a file
    EXPECT_EQ(app::shownPicture(pic::uvod, "de"), pic::uvod);
}

TEST(Translations, CaptionsTypeWithinTheirKeysAndItemCaptionsStayDistinct) {
    for (const ui::Catalogue& c : builtCatalogues()) {
        for (const app::LocationCaption caption : {app::LocationCaption::Square, app::LocationCaption::Pub}) {
            EXPECT_GT(app::typedCaptionLength(caption, c), 40) << c.language();
            EXPECT_LE(app::typedCaptionLength(caption, c), 69) << c.language();
        }
        std::set<std::string> items;
        for (const inventory::CatalogueItem& item : inventory::catalogue())
            EXPECT_TRUE(items.insert(c.translate(item.caption)).second) << c.language() << ": " << item.caption;
    }
}

// The rules never read a shown text: the same states, actions and endings in every language.
TEST(Translations, TheExplorerFindsTheSameGameInEveryLanguage) {
    explore::Options czech;
    czech.maxStates = 15000;
    czech.threads = 2;
    const explore::Report expected = explore::explore(czech);
    for (const ui::Catalogue& c : builtCatalogues()) {
        explore::Options options = czech;
        options.catalogue = std::make_shared<const ui::Catalogue>(c);
        const explore::Report report = explore::explore(options);
        EXPECT_EQ(report.states, expected.states) << c.language();
        EXPECT_EQ(report.actions, expected.actions) << c.language();
        EXPECT_EQ(report.goals, expected.goals) << c.language();
        EXPECT_EQ(report.deadEndCount, expected.deadEndCount) << c.language();
        EXPECT_EQ(report.statesPerStage, expected.statesPerStage) << c.language();
    }
}

class LanguageSwitch : public ::testing::Test {
protected:
    kvtest::FormHarness h;
    std::string error;
    ui::Catalogue english = *ui::Catalogue::fromMo(
        kvtest::moBytes({{"Kovář:Dobrý den.", "Kovář:Hello."},
                         {"Lokace : Mlýnotrhy-náměstí", "Place: X"},
                         {"někde v ČR", "CZ"},
                         {"Čas : 13:42 SELČ", "T"},
                         {"Datum : 18.8.2003", "D"},
                         {"Zpět", "Back"},
                         {"Hra", "Game"},
                         {"Zbraň", "Gun"},
                         {"Mapa", "A map"},
                         {"Kreditní karta", "Credit card"},
                         {"Zápisník s tel.čísly", "Notebook with numbers"},
                         {"Dotaz", "Question"},
                         {"Opravdu chcete začít novou hru?", "New game?"}}),
        "en", error);
};

TEST_F(LanguageSwitch, TheLineShownIsShownAgainInTheNewLanguageAndBack) {
    h.form.setLine("Kovář:Dobrý den.");
    h.form.setCatalogue(english);
    EXPECT_EQ(h.form.lblText.text(), "Kovář:Hello.");
    h.form.setCatalogue(ui::Catalogue());
    EXPECT_EQ(h.form.lblText.text(), "Kovář:Dobrý den.");
    h.form.setCatalogue(english);
    h.form.setLine("");
    EXPECT_EQ(h.form.lblText.text(), "");
    EXPECT_EQ(h.form.btnZpet.text(), "Back");
    EXPECT_EQ(h.form.mmHra->caption(), "Game");
    EXPECT_EQ(h.form.mmHra->sourceCaption(), "Hra");
    EXPECT_EQ(h.form.inv(6).hint(), "Notebook with numbers");
}

TEST_F(LanguageSwitch, TheCaptionBeingTypedIsTypedOnInTheNewLanguageAtTheSamePace) {
    h.form.startLocationCaption(app::LocationCaption::Square);
    h.clock.advance(100 * 10);  // steps 1 to 10: seven characters typed
    EXPECT_EQ(h.form.lblX->text(), "Lokace ");
    h.form.setCatalogue(english);
    EXPECT_EQ(h.form.lblX->text(), "Place: ");
    // "Place: X", "CZ", "T", "D": 12 characters, then the caption stands until step 100.
    h.clock.advance(100 * 4);
    EXPECT_EQ(h.form.lblX->text(), "Place: X\n               CZ\nT");
    const std::size_t keys = h.platform.sounds.size();
    h.clock.advance(100 * 80);
    EXPECT_EQ(h.form.lblX->text(), "Place: X\n               CZ\nT\nD");
    EXPECT_EQ(h.platform.sounds.size(), keys + 1) << "a key sound for each typed character only";
    h.clock.advance(100 * 6);
    EXPECT_EQ(h.form.state.sequenceStep, 100);
    EXPECT_EQ(h.form.lblX->text(), "");
    EXPECT_FALSE(h.form.TimerX.enabled());
}

TEST_F(LanguageSwitch, TheListKeepsItsOrderAndIdentityInEveryLanguage) {
    for (const char* item : {item::zbran, item::mapa, item::kreditniKarta}) h.form.addInventoryItem(item);
    const std::vector<std::string> czech = h.form.lbPredmety.captions();
    h.form.setCatalogue(english);
    // "A map" would sort first by its English text; the game's rank keeps the Czech order.
    EXPECT_EQ(h.form.lbPredmety.captions(), czech);
    EXPECT_EQ(h.form.lbPredmety.shownCaptions(), (std::vector<std::string>{"Credit card", "A map", "Gun"}));
    h.form.removeInventoryItem(item::mapa, 2);
    EXPECT_EQ(h.form.lbPredmety.shownCaptions(), (std::vector<std::string>{"Credit card", "Gun"}));
}

TEST_F(LanguageSwitch, BoxesAskInTheChosenLanguage) {
    h.form.setCatalogue(english);
    h.form.state.storyTick = 50;
    h.platform.answers.push_back(false);
    h.form.mmNovaClick();
    ASSERT_EQ(h.platform.questions.size(), 1u);
    EXPECT_EQ(h.platform.questions.back(), "Question: New game?");
    EXPECT_EQ(h.form.state.storyTick, 50);
}

}  // namespace
