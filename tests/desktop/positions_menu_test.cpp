// Saving and loading positions in the window: the two items of "Hra" with their shortcuts, the
// slot window, and the automatic save when the window is closed with a game in progress.
#include "checkpoint/position_file.hpp"
#include "desktop/game.hpp"
#include "desktop_fixture.hpp"
#include "modal_box.hpp"

#include "../support/data_folder.hpp"
#include "../support/working_directory.hpp"

#include <QMenu>

#include <filesystem>
#include <fstream>

namespace {

namespace fs = std::filesystem;

class PositionsInWindow : public ::testing::Test {
protected:
    PositionsInWindow() {
        kvtest::writeDataFolder(dir.path());
        std::ofstream(dir.path() / "data.dat") << "1";
    }

    // A game in progress: the second morning, from "Nahrát".
    void startAtTheCheckpoint() {
        game.start();
        game.mainWindow.menu().actionOf(*game.form.mmNahrat)->trigger();
        ASSERT_TRUE(game.form.gameInProgress());
    }

    kvdesk::TempDir dir;
    kvtest::WorkingDirectory here{dir.path()};
    desktop::Game game;
};

TEST_F(PositionsInWindow, HraEndsWithTheTwoItemsAndTheirShortcutsBelowTheGamesOwn) {
    QMenu& hra = *game.mainWindow.menu().menuOf(*game.form.mmHra);
    const QList<QAction*> items = hra.actions();
    ASSERT_EQ(items.size(), 6);
    const auto caption = [&](int i) { return QString(items[i]->text()).remove(QLatin1Char('&')); };
    EXPECT_EQ(caption(0), "Nová");
    EXPECT_EQ(caption(1), "Nahrát");
    EXPECT_EQ(caption(2), "Konec");
    EXPECT_TRUE(items[3]->isSeparator());
    EXPECT_EQ(items[4]->text(), "&Uložit pozici…");
    EXPECT_EQ(items[4]->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_S));
    EXPECT_EQ(items[5]->text(), "Nahrát &pozici…");
    EXPECT_EQ(items[5]->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_O));
}

TEST_F(PositionsInWindow, ASavedPositionIsListedWithItsPlaceAndLoadsBackAfterTheQuestion) {
    startAtTheCheckpoint();
    std::vector<QString> offered;
    bool autoUsable = true;
    game.positions.whileOpen = [&](desktop::SlotWindow& window) {
        for (int row = 0; row < window.list().count(); ++row) offered.push_back(window.list().item(row)->text());
        autoUsable = (window.list().item(0)->flags() & Qt::ItemIsEnabled) != 0;
        window.chooseButton().click();  // the first empty slot is ready
    };
    game.positions.save().trigger();
    ASSERT_EQ(offered.size(), 9U);
    EXPECT_TRUE(offered[0].startsWith("Automatická pozice\nprázdná"));
    EXPECT_FALSE(autoUsable) << "the automatic slot is the game's own";
    EXPECT_EQ(offered[1], "Pozice 1\nprázdná");
    ASSERT_TRUE(fs::exists(checkpoint::slotPath("data.dat", 1)));

    // The game moves on; loading the position brings the morning back.
    game.form.state.storyStage = app::stage::MadmanHeard;
    QString listed;
    QString asked;
    game.positions.whileOpen = [&](desktop::SlotWindow& window) {
        listed = window.list().item(1)->text();
        window.list().setCurrentRow(1);
        // The question comes once the slot window has closed.
        kvdesk::handleNextBox([&](QMessageBox& box) {
            asked = box.text();
            box.button(QMessageBox::Yes)->click();
        });
        window.chooseButton().click();
    };
    game.positions.load().trigger();
    EXPECT_TRUE(listed.startsWith("Pozice 1\n2. den – pokoj v hotelu\nuloženo ")) << listed.toStdString();
    EXPECT_EQ(asked, "Opravdu chcete nahrát pozici 1 (2. den – pokoj v hotelu)? Rozehraná hra skončí.");
    EXPECT_EQ(game.form.state.storyStage, app::stage::SecondMorning);
    EXPECT_FALSE(game.clock.suspended());
}

TEST_F(PositionsInWindow, BeforeAnyGameCtrlSOpensNothing) {
    game.start();
    bool opened = false;
    game.positions.whileOpen = [&](desktop::SlotWindow& window) {
        opened = true;
        window.reject();
    };
    game.positions.save().trigger();
    EXPECT_FALSE(opened);
    EXPECT_FALSE(fs::exists("saves"));
}

TEST_F(PositionsInWindow, ClosingTheWindowWithYesKeepsTheGameInTheAutomaticSlot) {
    startAtTheCheckpoint();
    kvdesk::answerNextBox(QMessageBox::Yes);
    EXPECT_TRUE(game.mainWindow.close());
    EXPECT_TRUE(fs::exists(checkpoint::slotPath("data.dat", checkpoint::kAutoSlot)));
    for (int slot = 1; slot <= checkpoint::kLastPlayerSlot; ++slot) EXPECT_FALSE(fs::exists(checkpoint::slotPath("data.dat", slot)));
}

}  // namespace
