// The browser front end's model: boxes hold the clock, clicks need press and release on one
// component, list and button input from the page is checked, and the view the page draws.
#include "../support/temp_dir.hpp"
#include "app/settle.hpp"
#include "web/view_json.hpp"
#include "web/web_game.hpp"

#include <nlohmann/json.hpp>

#include <gtest/gtest.h>

#include <deque>
#include <functional>
#include <set>
#include <string>
#include <vector>

namespace {

using nlohmann::json;

// A page that has every file but those listed missing, and answers boxes from a queue.
class FakePage final : public web::Browser {
public:
    bool hasFile(const std::string& path) override { return missing.count(path) == 0; }
    void playSound(const std::string& path) override { sounds.push_back(path); }
    void inform(const std::string& text) override {
        messages.push_back(text);
        if (whileOpen) whileOpen();
    }
    bool ask(const std::string& caption, const std::string& text) override {
        questions.push_back(caption + ": " + text);
        if (whileOpen) whileOpen();
        if (answers.empty()) return true;
        const bool yes = answers.front();
        answers.pop_front();
        return yes;
    }
    void showWindow(ui::InfoWindow which) override { windows.push_back(which); }
    void quit() override { quitCalls++; }
    std::string savedAtNow() override { return "9. 12. 2026 14:05"; }

    std::set<std::string> missing;
    std::vector<std::string> sounds, messages, questions;
    std::vector<ui::InfoWindow> windows;
    std::deque<bool> answers;
    std::function<void()> whileOpen;  // runs while a box is open, as the page's time would
    int quitCalls = 0;
};

class WebGameTest : public ::testing::Test {
protected:
    void SetUp() override {
        game.form.checkpointPath = (dir.path() / "data.dat").string();
        game.start();
    }
    // A new game played until the player has control on the square.
    void playToSquare() {
        game.menu("mmNova");
        game.settle();
        ASSERT_FALSE(game.form.sequenceRunning());
    }
    json view() const { return json::parse(web::viewJson(game)); }

    kvtest::TempDir dir;
    FakePage page;
    web::WebGame game{page};
};

TEST_F(WebGameTest, ABoxHoldsTheClockAndTheStoryGoesOnAfterIt) {
    game.menu("mmNova");
    game.advance(5 * app::kIntervalMedium);
    const int tick = game.form.state.storyTick;
    ASSERT_GT(tick, 0);
    // While the question is open, a minute of the page's time passes: no tick may run.
    int ticksDuringBox = -1;
    page.whileOpen = [&] {
        game.advance(60'000);
        ticksDuringBox = game.form.state.storyTick - tick;
    };
    page.answers = {false};
    game.menu("mmNova");
    EXPECT_EQ(page.questions.size(), 1u);
    EXPECT_EQ(ticksDuringBox, 0);
    page.whileOpen = nullptr;
    game.advance(app::kIntervalMedium);
    EXPECT_GT(game.form.state.storyTick, tick);
}

TEST_F(WebGameTest, AClickNeedsPressAndReleaseOnTheSameComponent) {
    playToSquare();
    const auto& comps = game.form.stack.all();
    const ui::Component* target = nullptr;
    for (const auto& c : comps)
        if (c->kind() == ui::ComponentKind::Hotspot && game.form.stack.clickablePoint(*c)) target = c.get();
    ASSERT_NE(target, nullptr);
    const ui::Point on = *game.form.stack.clickablePoint(*target);
    const std::uint64_t before = game.changes();
    const app::GameState stateBefore = game.form.state;

    game.press(on.x, on.y);
    game.release(0, 0);  // dragged off: the menu corner reaches no component
    game.press(0, 0);
    game.release(on.x, on.y);  // pressed elsewhere
    EXPECT_EQ(game.changes(), before);
    EXPECT_EQ(game.form.state.storyTick, stateBefore.storyTick);
    EXPECT_EQ(game.form.state.sceneId, stateBefore.sceneId);

    game.press(on.x, on.y);
    game.release(on.x, on.y);
    EXPECT_NE(game.changes(), before);
}

TEST_F(WebGameTest, ListAndButtonInputOutsideWhatShowsDoesNothing) {
    // Before a game the list and buttons are hidden: nothing reaches the handlers.
    const std::uint64_t before = game.changes();
    game.listClick(0);
    game.listDoubleClick(0);
    game.button("btnZpet");
    game.button("btnPruzkum");
    EXPECT_EQ(game.changes(), before);

    playToSquare();
    const int count = game.form.lbPredmety.count();
    ASSERT_GT(count, 0);
    game.listClick(count);  // past the last entry: the empty area, nothing selected
    EXPECT_FALSE(game.form.lbPredmety.selected().has_value());
    game.listDoubleClick(count);
    game.listDoubleClick(-1);
    game.listClick(0);
    EXPECT_EQ(game.form.lbPredmety.selected(), 0);
    EXPECT_FALSE(game.menu("mmNoSuchItem"));
}

TEST_F(WebGameTest, ViewDrawsTheHeldPictureLastAndHighlightsItsEntry) {
    playToSquare();
    game.listClick(0);  // takes the first item into the hand
    game.move(400, 300);
    const json v = view();
    const std::string caption = game.form.lbPredmety.caption(0);
    EXPECT_EQ(v["list"]["highlighted"], 0);
    EXPECT_EQ(v["list"]["items"][0], caption);
    const json& top = v["stack"].back();
    EXPECT_EQ(top["name"].get<std::string>().rfind("imgInv", 0), 0u) << top.dump();
    // Hidden components and hotspots without a picture are not drawn.
    for (const json& c : v["stack"]) EXPECT_TRUE(!c["picture"].get<std::string>().empty() || !c["text"].get<std::string>().empty());
    game.button("btnZpet");
    EXPECT_TRUE(view()["list"]["highlighted"].is_null());
}

TEST_F(WebGameTest, AClickOnTheSceneOrPanelAdvancesOnlyWhileTheStoryCanBeHurried) {
    game.menu("mmNova");
    game.advance(12 * app::kIntervalMedium);
    ASSERT_TRUE(game.form.canHurry());
    const std::string line = game.form.lblText.text();
    const std::int64_t now = game.clock.now();
    game.press(0, 0);
    game.release(0, 0);  // on the frame, outside the scene: nothing
    EXPECT_EQ(game.form.lblText.text(), line);
    game.press(500, 300);
    game.release(500, 300);
    EXPECT_NE(game.form.lblText.text(), line);
    EXPECT_EQ(game.clock.now(), now);  // the ticks ran at once, the page's time did not pass
    // The panel advances as well (a line, or a caption being typed): something moves on.
    ASSERT_TRUE(game.form.canHurry());
    const std::uint64_t beforePanel = game.changes();
    game.panelClick();
    EXPECT_NE(game.changes(), beforePanel);

    game.settle();  // the player's turn on the square: a panel click changes nothing
    const std::uint64_t before = game.changes();
    game.panelClick();
    EXPECT_EQ(game.changes(), before);
}

TEST_F(WebGameTest, RevealAndHistoryAreTheCoreAnswers) {
    playToSquare();
    const json spots = json::parse(web::reachableJson(game));
    const std::vector<const ui::Component*> reachable = game.form.reachableSpots();
    ASSERT_EQ(spots.size(), reachable.size());
    ASSERT_FALSE(reachable.empty());
    for (std::size_t i = 0; i < reachable.size(); ++i) EXPECT_EQ(spots[i]["name"], reachable[i]->name());
    const json history = json::parse(web::historyJson(game))["lines"];
    ASSERT_EQ(history.size(), game.form.dialogueHistory().size());
    ASSERT_FALSE(history.empty());
    EXPECT_EQ(history.back(), game.form.dialogueHistory().back());
    // Nová empties it, as the rules say.
    game.menu("mmNova");
    EXPECT_TRUE(json::parse(web::historyJson(game))["lines"].empty());
}

TEST_F(WebGameTest, MenuViewCarriesTheCzechItemsAndTheirState) {
    const json menu = view()["menu"];
    ASSERT_EQ(menu.size(), 4u);
    EXPECT_EQ(menu[0]["caption"], "Hra");
    EXPECT_EQ(menu[1]["caption"], "Nastavení");
    EXPECT_EQ(menu[2]["caption"], "Zobrazení");
    EXPECT_EQ(menu[3]["caption"], "Informace");
    // No data.dat: "Nahrát" is disabled, and the start-up said so in a box.
    EXPECT_EQ(menu[0]["children"][1]["caption"], "Nahrát");
    EXPECT_FALSE(menu[0]["children"][1]["enabled"]);
    EXPECT_EQ(page.messages, std::vector<std::string>{"Nepodařilo se otevřít soubor!"});
    const json speeds = menu[1]["children"][0]["children"];
    ASSERT_EQ(speeds.size(), 3u);
    EXPECT_TRUE(speeds[1]["checked"]);
    EXPECT_TRUE(speeds[1]["radio"]);
    game.menu("mmVysoka");
    EXPECT_TRUE(view()["menu"][1]["children"][0]["children"][0]["checked"]);
    EXPECT_FALSE(view()["menu"][1]["children"][0]["children"][1]["checked"]);
}

TEST_F(WebGameTest, QuitIsReportedToThePageOnlyAfterYes) {
    page.answers = {false, true};
    game.menu("mmKonec");
    EXPECT_EQ(page.quitCalls, 0);
    EXPECT_FALSE(view()["quit"]);
    game.menu("mmKonec");
    EXPECT_EQ(page.quitCalls, 1);
    EXPECT_TRUE(view()["quit"]);
}

TEST(WebGameFiles, AFileTheSiteLacksIsNamedOnceAndTheGamePlaysOn) {
    kvtest::TempDir dir;
    FakePage page;
    page.missing = {"data/Uvod.bmp"};
    web::WebGame game{page};
    game.form.checkpointPath = (dir.path() / "data.dat").string();
    game.start();
    int naming = 0;
    for (const std::string& m : page.messages) naming += m.find("Uvod.bmp") != std::string::npos ? 1 : 0;
    EXPECT_EQ(naming, 1);
    game.menu("mmNova");
    game.settle();
    EXPECT_GT(game.form.state.storyTick, 0);
}

TEST(WebLooks, SixCursorsOfWholeRowsAndBothWindowsTexts) {
    FakePage page;
    web::WebGame game{page};
    const json looks = json::parse(web::looksJson(game));
    ASSERT_EQ(looks["cursors"].size(), 6u);
    for (const json& c : looks["cursors"]) {
        ASSERT_EQ(c["rows"].size(), 32u);
        for (const json& row : c["rows"]) EXPECT_EQ(row.get<std::string>().size(), 32u);
        EXPECT_GE(c["hotX"].get<int>(), 0);
        EXPECT_LT(c["hotX"].get<int>(), 32);
    }
    EXPECT_EQ(looks["controls"]["caption"], "Ovládání");
    EXPECT_EQ(looks["controls"]["lines"].size(), 7u);
    EXPECT_EQ(looks["about"]["caption"], "O programu");
}

}  // namespace

// The page's own items sit where the desktop puts them and are marked as the page's, so the page
// never sends them to the game's menu; saving is greyed until a game runs.
TEST_F(WebGameTest, PageItemsFollowTheGameItemsAndSavingWaitsForAGame) {
    const auto items = [&] { return view()["menu"][0]["children"]; };
    json hra = items();
    ASSERT_EQ(hra.size(), 6u);
    EXPECT_EQ(hra[2]["caption"], "Konec");
    EXPECT_TRUE(hra[3]["separator"]);
    EXPECT_EQ(hra[4]["caption"], "Uložit pozici…");
    EXPECT_EQ(hra[5]["caption"], "Nahrát pozici…");
    EXPECT_TRUE(hra[4]["page"]);
    EXPECT_FALSE(hra[4]["enabled"]);
    EXPECT_TRUE(hra[5]["enabled"]);
    const json view_menu = view()["menu"][2];
    EXPECT_TRUE(view_menu["page"]);
    EXPECT_EQ(view_menu["children"][0]["caption"], "Historie rozhovorů");
    EXPECT_EQ(view_menu["children"][1]["caption"], "Ukázat aktivní místa");
    // A shortcut key before any game saves nothing and asks nothing.
    EXPECT_FALSE(game.savePosition(1));
    EXPECT_TRUE(page.questions.empty());
    EXPECT_FALSE(game.slots()[1].used);
    playToSquare();
    EXPECT_TRUE(items()[4]["enabled"]);
}

// Save on the square, play on, load it back: the scene is the saved one; saving over it asks and
// No keeps the old file; the list shows the slot with the page's date and the scene's picture.
TEST_F(WebGameTest, APositionSavedFromThePageLoadsBackTheSameScene) {
    playToSquare();
    const app::GameState saved = game.form.state;
    const std::string picture = game.form.imgHlavni->picture();
    json window = json::parse(web::slotWindowJson(game, desktop::SlotWindowMode::Save));
    EXPECT_EQ(window["caption"], "Uložit pozici");
    EXPECT_FALSE(window["slots"][0]["usable"]);  // the automatic slot is the game's own
    EXPECT_EQ(window["preselected"], 1);
    ASSERT_TRUE(game.savePosition(1));
    EXPECT_TRUE(page.questions.empty());

    window = json::parse(web::slotWindowJson(game, desktop::SlotWindowMode::Load));
    EXPECT_EQ(window["slots"][1]["lines"][0], "Pozice 1");
    EXPECT_EQ(window["slots"][1]["lines"][2], "uloženo 9. 12. 2026 14:05");
    EXPECT_EQ(window["slots"][1]["picture"], picture);
    EXPECT_TRUE(window["slots"][1]["usable"]);
    EXPECT_FALSE(window["slots"][2]["usable"]);
    EXPECT_EQ(window["preselected"], 1);

    game.menu("mmNova");
    game.advance(20 * app::kIntervalMedium);
    ASSERT_NE(game.form.state.storyTick, saved.storyTick);
    page.questions.clear();  // Nová asked too
    page.answers = {true};
    ASSERT_TRUE(game.loadPosition(1));
    ASSERT_EQ(page.questions.size(), 1u);
    EXPECT_EQ(page.questions[0].rfind("Nahrát pozici: ", 0), 0u) << page.questions[0];
    EXPECT_EQ(game.form.state.storyTick, saved.storyTick);
    EXPECT_EQ(game.form.state.sceneId, saved.sceneId);
    EXPECT_EQ(game.form.imgHlavni->picture(), picture);

    const std::string before = json::parse(web::slotWindowJson(game, desktop::SlotWindowMode::Load)).dump();
    page.answers = {false};
    game.advance(60'000);
    EXPECT_FALSE(game.savePosition(1));
    EXPECT_EQ(page.questions.size(), 2u);
    EXPECT_EQ(json::parse(web::slotWindowJson(game, desktop::SlotWindowMode::Load)).dump(), before);
}

// A slot's file the browser would not keep gets the game's sentence for a failed save.
TEST_F(WebGameTest, AFileTheBrowserWouldNotKeepIsNamedByItsSlot) {
    EXPECT_EQ(game.slotNotKept(4), "Pozici 4 se nepodařilo uložit: zápis na disk se nezdařil.");
    EXPECT_EQ(game.slotNotKept(0), "Automatickou pozici se nepodařilo uložit: zápis na disk se nezdařil.");
}

// Closing the page keeps a running game in the automatic slot, and only a running one.
TEST_F(WebGameTest, ClosingThePageKeepsARunningGameInTheAutomaticSlot) {
    game.pageClosing();
    EXPECT_FALSE(game.slots()[0].used);
    playToSquare();
    game.pageClosing();
    const app::TfrmHlavni::SlotSummary automatic = game.slots()[0];
    EXPECT_TRUE(automatic.readable);
    EXPECT_EQ(automatic.savedAt, "9. 12. 2026 14:05");
    EXPECT_FALSE(game.slots()[1].used);  // never a player's slot
    EXPECT_TRUE(page.questions.empty());
}

// "Nastavení → Jazyk" lists each language in itself; choosing one shows the menus, the page's
// own words and the list in it, an unknown one changes nothing, and Czech comes back.
TEST_F(WebGameTest, TheChosenLanguageShowsInTheMenusAndThePagesWords) {
    game.catalogueDirectory = KVELNOR_CATALOGUE_DIR;
    game.prepare("en");
    playToSquare();
    const auto languageItems = [&] { return view()["menu"][1]["children"].back(); };
    const json languages = languageItems();
    EXPECT_EQ(languages["caption"], "Language");
    ASSERT_EQ(languages["children"].size(), 2u);
    EXPECT_EQ(languages["children"][0]["caption"], "Čeština");
    EXPECT_EQ(languages["children"][1]["name"], "lang-en");
    EXPECT_TRUE(languages["children"][1]["checked"]);
    EXPECT_EQ(view()["menu"][0]["caption"], "Game");
    EXPECT_EQ(view()["list"]["items"][0], game.form.lbPredmety.shownCaption(0));
    EXPECT_NE(game.form.lbPredmety.shownCaption(0), game.form.lbPredmety.caption(0));
    json looks = json::parse(web::looksJson(game));
    EXPECT_EQ(looks["yes"], "Yes");
    EXPECT_EQ(looks["gameEnded"], "The game has ended.");

    EXPECT_FALSE(game.setLanguage("xx").empty());
    EXPECT_EQ(view()["menu"][0]["caption"], "Game");
    EXPECT_TRUE(game.setLanguage("cs").empty());
    EXPECT_EQ(view()["menu"][0]["caption"], "Hra");
    EXPECT_TRUE(languageItems()["children"][0]["checked"]);
    looks = json::parse(web::looksJson(game));
    EXPECT_EQ(looks["no"], "Ne");
}
