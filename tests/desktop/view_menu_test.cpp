// The window's menu "Zobrazení": full screen by menu, F11 and Alt+Enter (never Esc), sharp
// pixels choosing whole multiples, larger text; the game's menu stays as it was.
#include "desktop/view_menu.hpp"
#include "desktop_fixture.hpp"

#include <QMenuBar>

namespace {

using kvdesk::DesktopWindow;

TEST(ViewMenu, HoldsTheThreeChoicesWithTheirKeys) {
    DesktopWindow w;
    desktop::ViewMenu& menu = w.window->viewMenu();
    EXPECT_EQ(menu.menu().title(), "&Zobrazení");
    std::vector<QString> captions;
    for (QAction* action : menu.menu().actions()) captions.push_back(action->text());
    EXPECT_EQ(captions, (std::vector<QString>{"&Celá obrazovka", "&Ostré pixely", "&Větší písmo", "",
                                              "&Historie rozhovorů", "&Ukázat aktivní místa"}));
    for (QAction* action : menu.menu().actions()) {
        // The history opens a box; every other item is a choice that stays on or off.
        if (action->isSeparator() || action->text() == "&Historie rozhovorů") continue;
        EXPECT_TRUE(action->isCheckable());
        EXPECT_FALSE(action->isChecked());
        for (const QKeySequence& key : action->shortcuts()) EXPECT_NE(key, QKeySequence(Qt::Key_Escape));
    }
    const QList<QKeySequence> keys = menu.fullScreen().shortcuts();
    EXPECT_TRUE(keys.contains(QKeySequence(Qt::Key_F11)));
    EXPECT_TRUE(keys.contains(QKeySequence(Qt::ALT | Qt::Key_Return)));
    EXPECT_TRUE(keys.contains(QKeySequence(Qt::ALT | Qt::Key_Enter)));
}

TEST(ViewMenu, TheKeysAndTheMenuItemTurnFullScreenOnAndOff) {
    DesktopWindow w;
    int remembered = 0;
    w.window->afterViewChange = [&] { ++remembered; };
    w.window->activateWindow();
    QTest::keyClick(w.window.get(), Qt::Key_F11);
    EXPECT_TRUE(w.window->viewOptions().fullScreen);
    EXPECT_TRUE(w.window->windowState().testFlag(Qt::WindowFullScreen));
    EXPECT_TRUE(w.window->viewMenu().fullScreen().isChecked());
    QTest::keyClick(w.window.get(), Qt::Key_Return, Qt::AltModifier);
    EXPECT_FALSE(w.window->viewOptions().fullScreen);
    EXPECT_FALSE(w.window->windowState().testFlag(Qt::WindowFullScreen));
    w.window->viewMenu().fullScreen().trigger();
    EXPECT_TRUE(w.window->windowState().testFlag(Qt::WindowFullScreen));
    EXPECT_GE(remembered, 3);
    // Esc leaves it alone: it is kept for skipping.
    QTest::keyClick(w.window.get(), Qt::Key_Escape);
    EXPECT_TRUE(w.window->windowState().testFlag(Qt::WindowFullScreen));
}

TEST(ViewMenu, LeavingFullScreenReturnsToAMaximisedWindow) {
    DesktopWindow w;
    w.window->showMaximized();
    QTest::keyClick(w.window.get(), Qt::Key_F11);
    EXPECT_TRUE(w.window->windowState().testFlag(Qt::WindowFullScreen));
    QTest::keyClick(w.window.get(), Qt::Key_F11);
    EXPECT_FALSE(w.window->windowState().testFlag(Qt::WindowFullScreen));
    EXPECT_TRUE(w.window->windowState().testFlag(Qt::WindowMaximized));
}

TEST(ViewMenu, SharpPixelsTakeTheLargestWholeMultipleThatFits) {
    DesktopWindow w;
    w.showLayoutAt(1.8);
    EXPECT_NEAR(w.window->layoutScale().factor(), 1.8, 0.01);
    w.window->viewMenu().sharpPixels().trigger();
    EXPECT_TRUE(w.window->viewOptions().sharpPixels);
    EXPECT_DOUBLE_EQ(w.window->layoutScale().factor(), 1.0);
    w.showLayoutAt(2.5);
    EXPECT_DOUBLE_EQ(w.window->layoutScale().factor(), 2.0);
    w.window->viewMenu().sharpPixels().trigger();
    EXPECT_NEAR(w.window->layoutScale().factor(), 2.5, 0.01);
}

TEST(ViewMenu, LargerTextEnlargesOnlyTheDialogueLine) {
    DesktopWindow w;
    w.form.setLine("Starosta:Dobrý den.");
    w.window->refresh();
    const int line = w.window->lineLabel().font().pixelSize();
    const int button = w.window->buttonOf(w.form.btnZpet).font().pixelSize();
    const auto textWidth = [&w] { return w.window->lineLabel().fontMetrics().horizontalAdvance(w.window->lineLabel().text()); };
    const int lineWidth = textWidth();
    w.window->viewMenu().largerText().trigger();
    EXPECT_GT(w.window->lineLabel().font().pixelSize(), line);
    EXPECT_GT(textWidth(), lineWidth);
    EXPECT_EQ(w.window->buttonOf(w.form.btnZpet).font().pixelSize(), button);
    // The game's own settings keep their start values.
    EXPECT_TRUE(w.window->menu().actionOf(*w.form.mmStredni)->isChecked());
    EXPECT_TRUE(w.window->menu().actionOf(*w.form.mmZvuky)->isChecked());
}

}  // namespace
