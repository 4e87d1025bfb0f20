// The main window at several scales: clicks at the edge pixels of every hotspot reach its
// handler, pictures and text are drawn at the scale, the held picture lies above the scene, the
// cursor follows a scene that changes under a still pointer, and the window has a minimum size.
#include "desktop/frame_theme.hpp"
#include "desktop_fixture.hpp"

#include <QMouseEvent>

#include <set>
#include <string>
#include <vector>

namespace {

using kvdesk::DesktopWindow;

constexpr double kFactors[] = {0.75, 1.0, 1.5, 2.0};

// Every hotspot and map spot, the components that take clicks over the scene.
std::vector<ui::Component*> clickables(app::TfrmHlavni& form) {
    std::vector<ui::Component*> all;
    for (int n = 1; n <= app::kHotspotCount; ++n) all.push_back(&form.cur(n));
    for (int n = 1; n <= app::kMapSpotCount; ++n) all.push_back(&form.map(n));
    return all;
}

// A press and release at a screen pixel of the view (logical pixels are screen pixels here).
void clickPixel(DesktopWindow& w, QPoint device) {
    const double ratio = w.window->view().layoutScale().pixelRatio();
    const QPoint at(static_cast<int>(device.x() / ratio), static_cast<int>(device.y() / ratio));
    QTest::mouseClick(&w.window->view(), Qt::LeftButton, {}, at);
}

TEST(ScaledWindow, AClickAtEachEdgePixelOfEveryHotspotReachesItsHandler) {
    for (const double factor : kFactors) {
        DesktopWindow w;
        w.takeControl();
        w.showLayoutAt(factor);
        const desktop::LayoutScale& scale = w.window->view().layoutScale();
        ASSERT_DOUBLE_EQ(scale.factor(), factor);
        std::string clicked;
        w.form.imgHlavni->onClick = [&] { clicked = "imgHlavni"; };
        for (ui::Component* spot : clickables(w.form)) spot->onClick = [&clicked, spot] { clicked = spot->name(); };
        for (ui::Component* spot : clickables(w.form)) {
            // The spot alone, so no other one covers its edges.
            for (ui::Component* other : clickables(w.form)) other->setEnabled(other == spot);
            w.window->refresh();
            const QRect device = scale.deviceRect(spot->rect());
            const std::vector<QPoint> inside = {device.topLeft(), device.topRight(), device.bottomLeft(), device.bottomRight()};
            for (const QPoint& pixel : inside) {
                clicked.clear();
                clickPixel(w, pixel);
                EXPECT_EQ(clicked, spot->name()) << "at " << factor << "x, pixel " << pixel.x() << "," << pixel.y();
            }
            const std::vector<QPoint> outside = {device.topLeft() - QPoint(1, 0), device.topLeft() - QPoint(0, 1),
                                                 device.bottomRight() + QPoint(1, 0), device.bottomRight() + QPoint(0, 1)};
            for (const QPoint& pixel : outside) {
                if (!QRect(QPoint(0, 0), w.window->view().size()).contains(pixel)) continue;
                clicked.clear();
                clickPixel(w, pixel);
                EXPECT_NE(clicked, spot->name()) << "at " << factor << "x, pixel " << pixel.x() << "," << pixel.y();
            }
        }
    }
}

TEST(ScaledWindow, AMoveAtTheEdgePixelsReportsTheHotspotsOwnCorners) {
    for (const double factor : kFactors) {
        DesktopWindow w;
        w.takeControl();
        w.showLayoutAt(factor);
        ui::Component& door = w.form.cur(1);
        door.setEnabled(true);
        std::vector<std::pair<int, int>> moves;
        door.onMouseMove = [&](int x, int y) { moves.emplace_back(x, y); };
        const QRect device = w.window->view().layoutScale().deviceRect(door.rect());
        QTest::mouseMove(&w.window->view(), device.topLeft());
        QTest::mouseMove(&w.window->view(), device.bottomRight());
        EXPECT_EQ(moves, (std::vector<std::pair<int, int>>{{0, 0}, {door.rect().width - 1, door.rect().height - 1}}))
            << factor;
    }
}

// A picture of single-pixel stripes, black and white by column.
void writeStripes(const std::filesystem::path& path) {
    QImage image(800, 600, QImage::Format_RGB32);
    for (int x = 0; x < image.width(); ++x)
        for (int y = 0; y < image.height(); ++y) image.setPixel(x, y, x % 2 == 0 ? qRgb(0, 0, 0) : qRgb(255, 255, 255));
    ASSERT_TRUE(image.save(QString::fromStdString(path.string()), "BMP"));
}

TEST(ScaledWindow, PicturesStayCrispAtWholeMultiplesAndAreSmoothedOtherwise) {
    DesktopWindow w;
    const std::filesystem::path file = w.dir.path() / "stripes.bmp";
    writeStripes(file);
    w.form.loadPicture(*w.form.imgHlavni, file.string());
    w.window->refresh();
    const auto coloursInScene = [&w] {
        const QImage shown = w.window->view().grab().toImage();
        const QRect scene = w.window->view().layoutScale().deviceRect(app::kSceneRect);
        std::set<QRgb> colours;
        for (int x = scene.left() + 10; x < scene.left() + 60; ++x) colours.insert(shown.pixel(x, scene.top() + 50));
        return colours;
    };
    w.showLayoutAt(2.0);
    EXPECT_EQ(coloursInScene(), (std::set<QRgb>{qRgb(0, 0, 0), qRgb(255, 255, 255)}));
    // Two screen pixels per picture pixel, exactly where the picture's pixels lie.
    const QImage shown = w.window->view().grab().toImage();
    EXPECT_EQ(shown.pixel(224, 100), qRgb(0, 0, 0));
    EXPECT_EQ(shown.pixel(225, 100), qRgb(0, 0, 0));
    EXPECT_EQ(shown.pixel(226, 100), qRgb(255, 255, 255));
    w.showLayoutAt(1.5);
    EXPECT_GT(coloursInScene().size(), 2u);
}

TEST(ScaledWindow, TextIsSetInFontsOfTheScaledSize) {
    DesktopWindow w;
    const int lineAtOne = w.window->lineLabel().font().pixelSize();
    const int buttonAtOne = w.window->buttonOf(w.form.btnZpet).font().pixelSize();
    const int listAtOne = w.window->inventoryList().font().pixelSize();
    w.showLayoutAt(2.0);
    EXPECT_EQ(w.window->lineLabel().font().pixelSize(), 2 * lineAtOne);
    EXPECT_EQ(w.window->buttonOf(w.form.btnZpet).font().pixelSize(), 2 * buttonAtOne);
    EXPECT_EQ(w.window->inventoryList().font().pixelSize(), 2 * listAtOne);
}

TEST(ScaledWindow, TheHeldPictureLiesAboveEverythingInTheScene) {
    DesktopWindow w;
    w.takeControl();
    const std::filesystem::path lock = w.dir.path() / "lock.bmp";
    const std::filesystem::path held = w.dir.path() / "held.bmp";
    QImage red(100, 100, QImage::Format_RGB32);
    red.fill(Qt::red);
    ASSERT_TRUE(red.save(QString::fromStdString(lock.string()), "BMP"));
    QImage green(60, 60, QImage::Format_RGB32);
    green.fill(Qt::green);
    ASSERT_TRUE(green.save(QString::fromStdString(held.string()), "BMP"));
    // imgCur40 lies far above imgInv1 in the stack; it carries a picture like an overlay does.
    ui::Component& overlay = w.form.cur(40);
    w.form.loadPicture(overlay, lock.string());
    overlay.setEnabled(true);
    w.form.loadPicture(w.form.inv(1), held.string());
    w.form.setHeld(1, 1);
    w.form.imgHlavniMouseMove(overlay.rect().left - 112, overlay.rect().top);
    w.window->refresh();
    for (const double factor : {1.0, 2.0}) {
        w.showLayoutAt(factor);
        const desktop::LayoutScale& scale = w.window->view().layoutScale();
        const QImage shown = w.window->view().grab().toImage();
        const ui::Rect& r = w.form.inv(1).rect();
        EXPECT_EQ(shown.pixelColor(scale.deviceRect({r.left + 5, r.top + 5, 1, 1}).topLeft()), QColor(Qt::green)) << factor;
        // The overlay beside the held picture is still drawn.
        EXPECT_EQ(shown.pixelColor(scale.deviceRect({overlay.rect().left + 20, overlay.rect().top + 1, 1, 1}).topLeft()),
                  QColor(Qt::red))
            << factor;
    }
}

TEST(ScaledWindow, TheCursorFollowsASceneThatChangesUnderAStillPointer) {
    DesktopWindow w;
    w.takeControl();
    ui::Component& door = w.form.cur(1);
    w.moveTo(door.rect().left + 10, door.rect().top + 10);  // bare scene while the door is disabled
    EXPECT_EQ(w.window->view().cursor().shape(), Qt::ArrowCursor);
    // A tick enables the door under the pointer; the door hears of the pointer and sets its cursor.
    int moves = 0;
    door.onMouseMove = [&](int /*x*/, int /*y*/) {
        ++moves;
        door.setCursor(app::kCursorUp);
    };
    door.setEnabled(true);
    w.window->refresh();
    EXPECT_EQ(moves, 1);
    EXPECT_EQ(w.window->view().cursor().shape(), Qt::BitmapCursor);
    EXPECT_EQ(w.window->view().cursor().hotSpot(), w.cursors.cursor(app::kCursorUp).hotSpot());
    // A refresh with nothing changed does not move again.
    w.window->refresh();
    EXPECT_EQ(moves, 1);
}

TEST(ScaledWindow, TheWindowKeepsAMinimumSizeThatShowsTheWholeLayout) {
    DesktopWindow w;
    w.window->resize(900, 600);
    QApplication::processEvents();
    const QWidget& area = *w.window->centralWidget();
    EXPECT_GE(area.width(), 768);
    EXPECT_GE(area.height(), 576);
    EXPECT_GE(w.window->layoutScale().factor(), desktop::kMinimumFactor);
    // The whole layout is inside the window: the text panel's bottom edge included.
    const QRect panel = w.window->textPanel().geometry().translated(w.window->view().pos());
    EXPECT_TRUE(area.rect().contains(panel));
    EXPECT_FALSE(w.window->textPanel().visibleRegion().isEmpty());
}

}  // namespace
