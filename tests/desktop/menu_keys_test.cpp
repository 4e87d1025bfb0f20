// Every menu item has a mnemonic and a shortcut shown in the menu; a key does exactly what the
// item does (greyed: nothing); Spojit is drawn pressed while a combination is armed.
#include "desktop/menu_keys.hpp"
#include "desktop_fixture.hpp"
#include "inventory/item_names.hpp"

#include <QMenuBar>

#include <algorithm>
#include <map>

namespace {

using kvdesk::DesktopWindow;

// Every action of the menus and their submenus, with the menu it stands in (the bar's: nullptr).
using Items = std::vector<std::pair<QMenu*, QAction*>>;
void collect(QMenu* menu, const QList<QAction*>& actions, Items& into) {
    for (QAction* action : actions) {
        if (action->isSeparator()) continue;
        into.emplace_back(menu, action);
        if (action->menu() != nullptr) collect(action->menu(), action->menu()->actions(), into);
    }
}

TEST(MenuKeys, EveryItemHasAMnemonicUniqueInItsMenuAndEveryCommandAKeyOfItsOwn) {
    DesktopWindow w;
    std::map<QMenu*, QString> mnemonics;
    std::map<QKeySequence, QString> owners;
    Items items;
    collect(nullptr, w.window->menuBar()->actions(), items);
    for (const auto& [menu, action] : items) {
        const QString caption = action->text();
        const QKeySequence mnemonic = QKeySequence::mnemonic(caption);
        ASSERT_FALSE(mnemonic.isEmpty()) << caption.toStdString();
        const QString letter = mnemonic.toString().right(1).toLower();
        EXPECT_FALSE(mnemonics[menu].contains(letter)) << caption.toStdString() << " repeats " << letter.toStdString();
        mnemonics[menu] += letter;
        if (action->menu() != nullptr) continue;
        EXPECT_FALSE(action->shortcuts().isEmpty()) << caption.toStdString();
        for (const QKeySequence& key : action->shortcuts()) {
            EXPECT_FALSE(owners.contains(key)) << key.toString().toStdString() << " twice";
            owners[key] = caption;
        }
    }
    // The keys that advance and skip lines and reveal hotspots, and those kept for saving.
    for (const QKeySequence& key : {QKeySequence(Qt::Key_Space), QKeySequence(Qt::Key_Return), QKeySequence(Qt::Key_Enter),
                                   QKeySequence(Qt::Key_Escape), QKeySequence(Qt::Key_Tab),
                                   QKeySequence(QKeySequence::Save), QKeySequence(QKeySequence::Open),
                                   QKeySequence(Qt::CTRL | Qt::Key_L)})
        EXPECT_FALSE(owners.contains(key)) << key.toString().toStdString();
    EXPECT_EQ(owners[QKeySequence(Qt::Key_F1)], "&Ovládání");
    EXPECT_EQ(owners[QKeySequence(Qt::CTRL | Qt::Key_Q)], "&Konec");
    EXPECT_EQ(owners[QKeySequence(Qt::CTRL | Qt::Key_N)], "&Nová");
    // Every name of the table is an item of the window.
    for (const desktop::MenuKeys& row : desktop::menuKeysTable())
        EXPECT_NE(w.window->menuBar()->findChild<QAction*>(QString::fromLatin1(row.name)), nullptr) << row.name;
}

TEST(MenuKeys, AMnemonicFallsOnAFreeLetterWhenTheCaptionLacksTheWantedOne) {
    EXPECT_EQ(desktop::withMnemonic("Střední", 't'), "S&třední");
    EXPECT_EQ(desktop::withMnemonic("O programu", 'p'), "O &programu");
    // A translated caption without the letter: its first letter its neighbours leave free.
    EXPECT_EQ(desktop::withMnemonic("Load", 'h', "l"), "L&oad");
    EXPECT_EQ(desktop::withMnemonic("Salt & pepper", 'p'), "Salt && &pepper");
    EXPECT_EQ(desktop::takenMnemonics({}), "");
}

class MenuKeyPresses : public ::testing::Test {
protected:
    void press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::ControlModifier) {
        w.window->activateWindow();
        QTest::keyClick(w.window.get(), key, modifiers);
    }
    QAction& action(const ui::MenuItem* item) { return *w.window->menu().actionOf(*item); }

    DesktopWindow w;
};

TEST_F(MenuKeyPresses, NewGameQuitAndTheInformationWindowsAsFromTheMenu) {
    press(Qt::Key_N);  // no game yet: starts without a question
    EXPECT_TRUE(w.form.Timer.enabled());
    w.clock.advance(app::kIntervalMedium);
    w.platform.answers = {false, false};
    press(Qt::Key_N);
    press(Qt::Key_Q);
    EXPECT_EQ(w.platform.questions,
              (std::vector<std::string>{"Dotaz: Opravdu chcete začít novou hru?", "Konec: Opravdu chcete skončit?"}));
    EXPECT_FALSE(w.platform.quitRequested);
    press(Qt::Key_F1, Qt::NoModifier);
    press(Qt::Key_F1, Qt::ShiftModifier);
    EXPECT_EQ(w.platform.windowsShown, (std::vector<ui::InfoWindow>{ui::InfoWindow::Controls, ui::InfoWindow::About}));
    // Nahrát is greyed without a checkpoint: its key does nothing.
    press(Qt::Key_R);
    EXPECT_EQ(w.form.state.storyTick, 1);
    EXPECT_EQ(w.platform.questions.size(), 2U);
}

TEST_F(MenuKeyPresses, SpeedsAndSoundsChangeAndTheMenuShowsIt) {
    press(Qt::Key_3);
    EXPECT_EQ(w.form.Timer.interval(), app::kIntervalLow);
    EXPECT_TRUE(action(w.form.mmNizka).isChecked());
    EXPECT_FALSE(action(w.form.mmStredni).isChecked());
    press(Qt::Key_1);
    EXPECT_EQ(w.form.Timer2.interval(), app::kIntervalHigh);
    EXPECT_TRUE(action(w.form.mmVysoka).isChecked());
    // Each press is one opening of Nastavení and one choice of Zvuky: one toggle.
    press(Qt::Key_M);
    EXPECT_EQ(w.form.state.soundOn, 0);
    EXPECT_FALSE(action(w.form.mmZvuky).isChecked());
    press(Qt::Key_M);
    EXPECT_EQ(w.form.state.soundOn, 1);
    EXPECT_TRUE(action(w.form.mmZvuky).isChecked());
}

TEST(SpojitButton, IsDrawnPressedOnlyWhileACombinationIsArmed) {
    DesktopWindow w;
    w.takeControl();
    for (const char* caption : {item::matka, item::vlasec}) w.form.addInventoryItem(caption);
    QPushButton& spojit = w.window->buttonOf(w.form.btnSpojit);
    const auto pressSpojit = [&] { QTest::mouseClick(&spojit, Qt::LeftButton); };
    const auto take = [&](const char* caption) {
        const std::vector<std::string> captions = w.form.lbPredmety.captions();
        w.form.lbPredmety.click(static_cast<int>(std::find(captions.begin(), captions.end(), caption) - captions.begin()));
        w.window->refresh();
    };
    pressSpojit();  // empty hand: the button only empties it and must not stay down
    EXPECT_FALSE(spojit.isChecked());
    take(item::vlasec);
    pressSpojit();
    EXPECT_TRUE(spojit.isChecked());
    pressSpojit();  // pressed again while armed: still armed
    EXPECT_TRUE(spojit.isChecked());
    take(item::matka);
    EXPECT_FALSE(spojit.isChecked());
}

}  // namespace
