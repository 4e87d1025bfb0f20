// The pace in the window: Space, Enter and clicks advance the line, Esc skips, Tab shows the
// places a click would reach, and the dialogue history opens as a box that holds the clock.
#include "desktop/game.hpp"
#include "desktop/history_box.hpp"
#include "desktop/pace_menu.hpp"
#include "desktop_fixture.hpp"

#include "../support/data_folder.hpp"
#include "../support/working_directory.hpp"

#include <QTimer>

#include <fstream>

namespace {

class PaceWindow : public ::testing::Test, protected kvdesk::DesktopWindow {
protected:
    PaceWindow() {
        ui::Menu::click(*form.mmNova);
        window->refresh();
    }
    std::string shownLine() { return window->lineLabel().text().toStdString(); }
    void key(Qt::Key k) { QTest::keyClick(window.get(), k); }
};

TEST_F(PaceWindow, SpaceEnterAndClicksOnTheSceneOrTheTextPanelEachFinishALine) {
    const std::vector<std::function<void()>> inputs = {
        [this] { key(Qt::Key_Space); },
        [this] { key(Qt::Key_Return); },
        [this] { key(Qt::Key_Enter); },
        [this] { clickAt(500, 300); },
        [this] { QTest::mouseClick(&window->textPanel(), Qt::LeftButton); },
        [this] { QTest::mouseClick(&window->lineLabel(), Qt::LeftButton); },
    };
    for (std::size_t i = 0; i < inputs.size(); ++i) {
        // After the opening's one line, the mayor's talk with the card goes on with more.
        if (!form.Timer.enabled()) {
            form.skip();
            form.startCutscene(app::cutscene::MayorSeesCard);
            form.advance();
        }
        const std::string before = form.lblText.text();
        inputs[i]();
        EXPECT_NE(form.lblText.text(), before) << "input " << i;
        EXPECT_EQ(shownLine(), form.lblText.text()) << "input " << i;
    }
    EXPECT_EQ(clock.now(), 0);
    EXPECT_GE(form.state.storyTick, 40);
}

TEST_F(PaceWindow, EscSkipsToThePlayersTurnAndNothingHurriesTheCountdown) {
    key(Qt::Key_Escape);
    EXPECT_FALSE(form.sequenceRunning());
    EXPECT_EQ(form.state.sequenceStep, 100);
    form.startDeathCountdown();
    clock.advance(2000);
    for (Qt::Key k : {Qt::Key_Space, Qt::Key_Return, Qt::Key_Escape}) key(k);
    clickAt(500, 300);
    EXPECT_EQ(form.state.deathStep, 2);
    EXPECT_TRUE(form.TimerDead.enabled());
}

TEST_F(PaceWindow, TabHeldOutlinesWhatAClickWouldReachAndTouchesNothing) {
    key(Qt::Key_Escape);
    const std::uint64_t changes = form.changes.value;
    const app::GameState state = form.state;
    const QImage plain = window->view().grab().toImage();

    QTest::keyPress(window.get(), Qt::Key_Tab);
    EXPECT_TRUE(window->view().revealing());
    const std::vector<const ui::Component*> spots = window->view().revealedSpots();
    EXPECT_FALSE(spots.empty());
    EXPECT_EQ(spots, form.reachableSpots());
    const QImage revealed = window->view().grab().toImage();
    EXPECT_NE(revealed, plain);
    // The outline runs just inside the spot's edge.
    const ui::Rect r = spots.front()->rect();
    const QPoint edge = inView(r.left + 3, r.top + r.height / 2);
    EXPECT_NE(revealed.pixelColor(edge), plain.pixelColor(edge));
    QTest::keyRelease(window.get(), Qt::Key_Tab);
    EXPECT_FALSE(window->view().revealing());
    EXPECT_EQ(form.changes.value, changes);
    EXPECT_EQ(form.state, state);

    // The menu's choice keeps them shown; under the shield there is nothing to show.
    window->paceMenu().reveal().trigger();
    EXPECT_TRUE(window->view().revealing());
    EXPECT_EQ(window->view().revealedSpots(), spots);
    form.imgClona->setEnabled(true);
    EXPECT_TRUE(window->view().revealedSpots().empty());
    window->paceMenu().reveal().trigger();
    EXPECT_FALSE(window->view().revealing());
}

TEST(HistoryHtml, PutsEachSpeakerInBoldAndEscapesTheText) {
    EXPECT_EQ(desktop::historyHtml({"Starosta(křičí):Stůj!\nHned!", "Agent:<a> & b"}, ui::Catalogue{}),
              "<p><b>Starosta(křičí):</b> Stůj! Hned!</p><p><b>Agent:</b> &lt;a&gt; &amp; b</p>");
    EXPECT_NE(desktop::historyHtml({}, ui::Catalogue{}).indexOf("Zatím nezazněl žádný rozhovor."), -1);
}

TEST(HistoryBox, OpensFromTheMenuWithTheNewestLineAtTheBottomWhileTheClockIsHeld) {
    kvdesk::TempDir dir;
    kvtest::writeDataFolder(dir.path());
    std::ofstream(dir.path() / "data.dat") << "1";  // no box about a missing checkpoint at start
    kvtest::WorkingDirectory here(dir.path());
    desktop::Game game;
    game.start();
    ui::Menu::click(*game.form.mmNova);
    game.form.skip();
    game.form.startCutscene(app::cutscene::MayorSeesCard);
    for (int line = 0; line < 3; ++line) game.form.advance();
    ASSERT_GE(game.form.dialogueHistory().size(), 3u);
    bool held = false;
    QString text;
    QTimer::singleShot(50, [&] {
        auto* box = dynamic_cast<desktop::HistoryBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        EXPECT_EQ(box->windowTitle(), "Historie rozhovorů");
        held = game.clock.suspended();
        text = box->text().toPlainText();
        box->accept();
    });
    game.mainWindow.paceMenu().history().trigger();
    EXPECT_TRUE(held);
    EXPECT_FALSE(game.clock.suspended());
    const QString last = QString::fromStdString(game.form.dialogueHistory().back()).section(':', 1);
    EXPECT_TRUE(text.trimmed().endsWith(last.simplified())) << text.toStdString();
}

}  // namespace
