// The main window on screen: its caption and layout, clicks through the real view, the menu
// bar, and pictures decoded once per load.
#include "app/component_table.hpp"
#include "desktop/frame_theme.hpp"
#include "desktop/label_looks.hpp"
#include "desktop_fixture.hpp"

#include <QAction>
#include <QHelpEvent>
#include <QToolTip>
#include <QImage>
#include <QMenu>
#include <QMenuBar>

#include <vector>

namespace {

using kvdesk::DesktopWindow;

QRect qrect(const ui::Rect& r) { return {r.left, r.top, r.width, r.height}; }

QAction* menuAction(DesktopWindow& w, const ui::MenuItem* item) { return w.window->menu().actionOf(*item); }

TEST(MainWindow, ChildWidgetsStandAtTheModelsRectanglesInTheCentredLayout) {
    DesktopWindow w;
    EXPECT_EQ(w.window->windowTitle(), "Kvelnor ");
    desktop::MainWindow& mw = *w.window;
    EXPECT_EQ(mw.view().size(), QSize(app::kWindowWidth, app::kWindowHeight));
    EXPECT_EQ(mw.textPanel().geometry(), qrect(app::kPanelRect));
    EXPECT_EQ(mw.lineLabel().pos(), QPoint(app::kLblTextOffset.left, app::kLblTextOffset.top));
    EXPECT_EQ(mw.buttonOf(w.form.btnZpet).geometry(), qrect(w.form.btnZpet.rect()));
    EXPECT_EQ(mw.buttonOf(w.form.btnPruzkum).geometry(), qrect(w.form.btnPruzkum.rect()));
    EXPECT_EQ(mw.buttonOf(w.form.btnSpojit).geometry(), qrect(w.form.btnSpojit.rect()));
    EXPECT_EQ(mw.inventoryList().geometry(), qrect(w.form.lbPredmety.rect()));
    EXPECT_EQ(mw.buttonOf(w.form.btnPruzkum).text(), "Průzkum");

    // A window of another shape scales the layout as a whole and keeps it centred.
    w.showLayoutAt(1.5);
    mw.resize(mw.width() + 300, mw.height());
    QApplication::processEvents();
    const QWidget& area = *mw.centralWidget();
    EXPECT_DOUBLE_EQ(mw.layoutScale().factor(), 1.5);
    EXPECT_EQ(mw.view().size(), QSize(1536, 1152));
    EXPECT_EQ(mw.view().x(), (area.width() - mw.view().width()) / 2);
    EXPECT_EQ(mw.view().y(), 0);
    // Every child stands at its rectangle times the factor, to the nearest pixel.
    const auto scaled = [](const ui::Rect& r) {
        return QRectF(r.left * 1.5, r.top * 1.5, r.width * 1.5, r.height * 1.5);
    };
    const auto near = [](const QRect& shown, const QRectF& wanted) {
        return std::abs(shown.left() - wanted.left()) <= 1 && std::abs(shown.top() - wanted.top()) <= 1 &&
               std::abs(shown.width() - wanted.width()) <= 1 && std::abs(shown.height() - wanted.height()) <= 1;
    };
    EXPECT_TRUE(near(mw.textPanel().geometry(), scaled(app::kPanelRect))) << mw.textPanel().geometry().y();
    EXPECT_TRUE(near(mw.inventoryList().geometry(), scaled(w.form.lbPredmety.rect())));
    EXPECT_TRUE(near(mw.buttonOf(w.form.btnSpojit).geometry(), scaled(w.form.btnSpojit.rect())));
}

TEST(MainWindow, AButtonClickReachesItsHandlerOnlyWhileEnabled) {
    DesktopWindow w;
    EXPECT_TRUE(w.window->buttonOf(w.form.btnZpet).isHidden());  // hidden until the game starts
    w.takeControl();
    int presses = 0;
    w.form.btnZpet.onClick = [&] { ++presses; };
    QPushButton& zpet = w.window->buttonOf(w.form.btnZpet);
    QTest::mouseClick(&zpet, Qt::LeftButton);
    EXPECT_EQ(presses, 1);
    w.form.btnZpet.setEnabled(false);
    w.window->refresh();
    QTest::mouseClick(&zpet, Qt::LeftButton);
    EXPECT_EQ(presses, 1);
}

TEST(MainWindow, AHotspotClickGoesThroughTheViewOnlyWhileTheShieldIsDown) {
    DesktopWindow w;
    ui::Component& mayor = w.form.cur(5);
    int clicks = 0;
    mayor.onClick = [&] { ++clicks; };
    mayor.setEnabled(true);
    const int x = mayor.rect().left + 3;
    const int y = mayor.rect().top + 3;

    // Start-up raised the shield over the scene.
    w.clickAt(x, y);
    EXPECT_EQ(clicks, 0);

    w.takeControl();
    w.clickAt(x, y);
    EXPECT_EQ(clicks, 1);

    // Rectangles are half-open: the pixel just right of the hotspot is not in it.
    w.clickAt(mayor.rect().left + mayor.rect().width, y);
    EXPECT_EQ(clicks, 1);

    w.form.imgClona->setEnabled(true);
    w.clickAt(x, y);
    EXPECT_EQ(clicks, 1);
}

TEST(MainWindow, OverlappingHotspotsGiveTheClickToTheLaterOne) {
    DesktopWindow w;
    w.takeControl();
    std::vector<int> clicked;
    w.form.cur(5).onClick = [&] { clicked.push_back(5); };
    w.form.cur(37).onClick = [&] { clicked.push_back(37); };
    w.form.cur(5).setEnabled(true);
    w.form.cur(37).setEnabled(true);
    w.clickAt(500, 300);  // inside both
    w.form.cur(37).setEnabled(false);
    w.clickAt(500, 300);
    EXPECT_EQ(clicked, (std::vector<int>{37, 5}));
}

TEST(MainWindow, MovingOverAHotspotRunsItsHandlerAndShowsItsCursor) {
    DesktopWindow w;
    w.takeControl();
    ui::Component& door = w.form.cur(1);
    door.setEnabled(true);
    std::vector<std::pair<int, int>> moves;
    door.onMouseMove = [&](int x, int y) {
        moves.emplace_back(x, y);
        door.setCursor(app::kCursorHand);
    };
    w.moveTo(door.rect().left + 7, door.rect().top + 9);
    ASSERT_EQ(moves.size(), 1u);
    EXPECT_EQ(moves[0], std::make_pair(7, 9));  // relative to the hotspot
    EXPECT_EQ(w.window->view().cursor().hotSpot(), w.cursors.cursor(app::kCursorHand).hotSpot());
    EXPECT_EQ(w.window->view().cursor().shape(), Qt::BitmapCursor);

    // Bare scene: the scene picture's handler, and the plain arrow.
    w.moveTo(130, 20);
    EXPECT_EQ(w.window->view().cursor().shape(), Qt::ArrowCursor);
}

// The tooltip the view shows when the mouse rests at a point, empty for none. A tooltip that
// is hidden fades out for a while, so a marker tip tells "nothing shown" apart.
QString tooltipAt(DesktopWindow& w, QPoint point) {
    const QString marker = QStringLiteral("(no hint)");
    const QPoint global = w.window->view().mapToGlobal(point);
    QToolTip::showText(global, marker, &w.window->view());
    QHelpEvent rest(QEvent::ToolTip, point, global);
    QApplication::sendEvent(&w.window->view(), &rest);
    const QString shown = QToolTip::text();
    return shown == marker ? QString() : shown;
}

TEST(MainWindow, HintsOfMapSpotsAndHeldPicturesShowAsTooltipsWhileTheyTakeTheMouse) {
    DesktopWindow w;
    w.takeControl();
    ui::Component& square = w.form.map(1);
    const QPoint onSquare(square.rect().left + 5, square.rect().top + 5);
    EXPECT_TRUE(tooltipAt(w, onSquare).isEmpty());  // disabled: the mouse falls through
    square.setEnabled(true);
    EXPECT_EQ(tooltipAt(w, onSquare), "Náměstí");

    ui::Component& card = w.form.inv(1);
    card.setEnabled(true);
    card.setVisible(true);
    EXPECT_EQ(tooltipAt(w, w.inView(card.rect().left + 30, card.rect().top + 30)), "Služební průkaz");
    EXPECT_TRUE(tooltipAt(w, w.inView(130, 300)).isEmpty());  // bare scene has no hint
    QToolTip::hideText();
}

TEST(MainWindow, MenuBarShowsTheGamesMenusWithTheirStates) {
    DesktopWindow w;
    QMenuBar& bar = *w.window->menuBar();
    std::vector<QString> tops;
    // The captions as the player reads them, without their mnemonics' marks.
    const auto plain = [](const QAction* a) { return QString(a->text()).remove(QLatin1Char('&')); };
    for (QAction* a : bar.actions()) tops.push_back(plain(a));
    // The game's three menus, and the window's own "Zobrazení" before "Informace".
    EXPECT_EQ(tops, (std::vector<QString>{"Hra", "Nastavení", "Zobrazení", "Informace"}));
    QMenu& hra = *w.window->menu().menuOf(*w.form.mmHra);
    std::vector<QString> games;
    for (QAction* a : hra.actions()) games.push_back(plain(a));
    EXPECT_EQ(games, (std::vector<QString>{"Nová", "Nahrát", "Konec"}));
    QMenu& speed = *w.window->menu().menuOf(*w.form.mmRychlost);
    EXPECT_EQ(speed.title(), "&Rychlost animací");
    for (QAction* a : speed.actions()) {
        ASSERT_NE(a->actionGroup(), nullptr) << a->text().toStdString();
        EXPECT_TRUE(a->actionGroup()->isExclusive());
        EXPECT_EQ(a->isChecked(), plain(a) == "Střední");
    }
    EXPECT_TRUE(menuAction(w, w.form.mmZvuky)->isChecked());
    EXPECT_EQ(menuAction(w, w.form.mmNova)->shortcut(), QKeySequence(QKeySequence::New));
}

TEST(MainWindow, NahratIsGreyedUnlessTheCheckpointFileSaysOne) {
    DesktopWindow without;
    EXPECT_FALSE(menuAction(without, without.form.mmNahrat)->isEnabled());
    DesktopWindow zero(std::string("0"));
    EXPECT_FALSE(menuAction(zero, zero.form.mmNahrat)->isEnabled());
    DesktopWindow reached(std::string("1"));
    EXPECT_TRUE(menuAction(reached, reached.form.mmNahrat)->isEnabled());
}

TEST(MainWindow, MenuChoicesReachTheirHandlers) {
    DesktopWindow w;
    menuAction(w, w.form.mmVysoka)->trigger();
    EXPECT_EQ(w.form.Timer.interval(), app::kIntervalHigh);
    EXPECT_EQ(w.form.Timer2.interval(), app::kIntervalHigh);
    EXPECT_TRUE(menuAction(w, w.form.mmVysoka)->isChecked());
    EXPECT_FALSE(menuAction(w, w.form.mmStredni)->isChecked());

    menuAction(w, w.form.mmNova)->trigger();
    EXPECT_TRUE(w.form.Timer.enabled());

    menuAction(w, w.form.mmOprogramu)->trigger();
    menuAction(w, w.form.mmOvladani)->trigger();
    EXPECT_EQ(w.platform.windowsShown, (std::vector<ui::InfoWindow>{ui::InfoWindow::About, ui::InfoWindow::Controls}));

    w.platform.answers.push_back(true);
    menuAction(w, w.form.mmKonec)->trigger();
    EXPECT_TRUE(w.platform.quitRequested);
}

TEST(MainWindow, CloseAsksOnceAndAConfirmedKonecClosesWithoutAskingAgain) {
    DesktopWindow w;
    w.platform.answers = {false};
    EXPECT_FALSE(w.window->close());
    EXPECT_EQ(w.platform.questions, (std::vector<std::string>{"Konec: Opravdu chcete skončit?"}));
    EXPECT_FALSE(w.platform.quitRequested);

    // Yes to Konec: the quit that follows closes the window without a second question.
    w.platform.answers = {true};
    menuAction(w, w.form.mmKonec)->trigger();
    EXPECT_TRUE(w.platform.quitRequested);
    EXPECT_TRUE(w.window->close());
    EXPECT_EQ(w.platform.questions.size(), 2U);
}

TEST(MainWindow, OpeningNastaveniArmsOneSoundToggle) {
    DesktopWindow w;
    QAction& zvuky = *menuAction(w, w.form.mmZvuky);
    // Without opening the menu first the choice changes nothing, whatever Qt did to the check.
    zvuky.trigger();
    EXPECT_EQ(w.form.state.soundOn, 1);
    EXPECT_TRUE(zvuky.isChecked());

    QMenu& nastaveni = *w.window->menu().menuOf(*w.form.mmNastaveni);
    nastaveni.popup(QPoint(0, 0));
    QApplication::processEvents();
    EXPECT_EQ(w.form.state.soundMenuArmed, 1);
    zvuky.trigger();
    nastaveni.hide();
    EXPECT_EQ(w.form.state.soundOn, 0);
    EXPECT_FALSE(zvuky.isChecked());
}

TEST(MainWindow, TheDialogueLineShowsInThePanel) {
    DesktopWindow w;
    w.form.setLine("Starosta:Dobrý den,\nvítejte v Mlýnotrhách.");
    w.window->refresh();
    EXPECT_EQ(w.window->lineLabel().text(), "Starosta:Dobrý den,\nvítejte v Mlýnotrhách.");
    EXPECT_EQ(w.window->lineLabel().font().pixelSize(), desktop::kLineFontLayoutPixels);
    EXPECT_GT(w.window->lineLabel().height(), w.window->lineLabel().fontMetrics().height());
}

TEST(MainWindow, BothLocationCaptionsStayInsideTheScenePicture) {
    DesktopWindow w;
    const QRect scene = qrect(app::kSceneRect);
    for (int startStep : {0, 100}) {
        // Started as the script and "Nahrát" start them; after 9.9 s the whole caption is held.
        w.form.state.sequenceStep = startStep;
        w.form.lblX->setEnabled(true);
        w.form.TimerX.setEnabled(true);
        w.clock.advance(9900);
        ASSERT_FALSE(w.form.lblX->text().empty()) << startStep;
        const QRect caption = desktop::labelRect(*w.form.lblX);
        EXPECT_TRUE(scene.contains(caption)) << w.form.lblX->text() << " takes " << caption.width() << " x "
                                             << caption.height() << " at " << caption.x() << ", " << caption.y();
        w.clock.advance(100);
        EXPECT_TRUE(w.form.lblX->text().empty());
    }
}

// A picture file of one colour, written where the test can replace it.
void writePicture(const std::filesystem::path& path, QColor colour, QSize size) {
    QImage image(size, QImage::Format_RGB32);
    image.fill(colour);
    ASSERT_TRUE(image.save(QString::fromStdString(path.string()), "BMP"));
}

TEST(MainWindow, APictureIsDecodedWhenLoadedNotWhenDrawn) {
    DesktopWindow w;
    const std::filesystem::path file = w.dir.path() / "scene.bmp";
    writePicture(file, Qt::red, {800, 600});
    w.form.loadPicture(*w.form.imgHlavni, file.string());
    w.window->refresh();
    QImage shown = w.window->view().imageOf(*w.form.imgHlavni);
    ASSERT_FALSE(shown.isNull());
    EXPECT_EQ(shown.pixelColor(10, 10), QColor(Qt::red));

    // The file changes on disk; drawing again does not read it.
    writePicture(file, Qt::blue, {800, 600});
    w.window->view().repaint();
    w.form.lblText.setText("něco jiného");
    w.window->refresh();
    EXPECT_EQ(w.window->view().imageOf(*w.form.imgHlavni).pixelColor(10, 10), QColor(Qt::red));

    // Loading the same file again reads it again.
    w.form.loadPicture(*w.form.imgHlavni, file.string());
    w.window->refresh();
    EXPECT_EQ(w.window->view().imageOf(*w.form.imgHlavni).pixelColor(10, 10), QColor(Qt::blue));
}

TEST(MainWindow, AHeldPictureIsDrawnWhereTheModelPutsItCutToItsRectangle) {
    DesktopWindow w;
    w.takeControl();
    const std::filesystem::path file = w.dir.path() / "held.bmp";
    writePicture(file, Qt::green, {90, 90});  // larger than the 60 x 60 component
    ui::Component& held = w.form.inv(1);
    w.form.loadPicture(held, file.string());
    held.setLeft(300);
    held.setTop(200);
    held.setVisible(true);
    w.window->refresh();
    const QImage drawn = w.window->view().grab().toImage();
    EXPECT_EQ(drawn.pixelColor(300, 200), QColor(Qt::green));
    EXPECT_EQ(drawn.pixelColor(359, 259), QColor(Qt::green));
    EXPECT_NE(drawn.pixelColor(361, 261), QColor(Qt::green));
    held.setVisible(false);
    w.window->refresh();
    EXPECT_NE(w.window->view().grab().toImage().pixelColor(300, 200), QColor(Qt::green));
}

// Counts the paint events a widget receives.
class PaintCounter final : public QObject {
public:
    int paints = 0;

protected:
    bool eventFilter(QObject* /*watched*/, QEvent* event) override {
        if (event->type() == QEvent::Paint) ++paints;
        return false;
    }
};

TEST(MainWindow, TheViewRepaintsOnlyWhenTheModelChanged) {
    DesktopWindow w;
    PaintCounter counter;
    w.window->view().installEventFilter(&counter);
    QApplication::processEvents();
    const int settled = counter.paints;
    w.window->refresh();
    w.window->refresh();
    QApplication::processEvents();
    EXPECT_EQ(counter.paints, settled);
    w.form.lblX->setText("L");
    w.window->refresh();
    QApplication::processEvents();
    EXPECT_GT(counter.paints, settled);
}

}  // namespace
