// The six game cursors: registered under 1 to 6, 32 x 32, two colours, clicking where they point,
// sharp at any device pixel ratio.
#include "desktop/cursors.hpp"

#include <QBitmap>
#include <QImage>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <set>
#include <vector>
#include <string>

namespace {

TEST(Cursors, SixAreRegisteredUnderTheirNumbersAndZeroIsTheArrow) {
    const desktop::CursorTable table;
    std::set<std::string> names;
    for (const desktop::NamedCursorArt& art : desktop::cursorArt()) {
        EXPECT_TRUE(table.isRegistered(art.number)) << art.name;
        names.insert(art.name);
        const QCursor cursor = table.cursor(art.number);
        EXPECT_EQ(cursor.shape(), Qt::BitmapCursor) << art.name;
        EXPECT_EQ(cursor.hotSpot(), QPoint(art.hotX, art.hotY)) << art.name;
        EXPECT_EQ(cursor.pixmap().size(), QSize(desktop::kCursorSize, desktop::kCursorSize)) << art.name;
    }
    EXPECT_EQ(names, (std::set<std::string>{"Sipka1", "Sipka2", "Mluvit", "Ruka", "Sipka3", "Sipka4"}));
    EXPECT_FALSE(table.isRegistered(app::kCursorDefault));
    EXPECT_EQ(table.cursor(app::kCursorDefault).shape(), Qt::ArrowCursor);
    EXPECT_EQ(table.cursor(7).shape(), Qt::ArrowCursor);
}

TEST(Cursors, EachPictureIsAnOutlinedShapeInTwoColours) {
    for (const desktop::NamedCursorArt& art : desktop::cursorArt()) {
        int black = 0;
        int white = 0;
        for (std::string_view row : *art.rows) {
            ASSERT_EQ(row.size(), static_cast<std::size_t>(desktop::kCursorSize)) << art.name;
            for (char pixel : row) {
                ASSERT_TRUE(pixel == desktop::kCursorBlack || pixel == desktop::kCursorWhite || pixel == ' ') << art.name;
                black += pixel == desktop::kCursorBlack;
                white += pixel == desktop::kCursorWhite;
            }
        }
        EXPECT_GT(black, 40) << art.name;
        EXPECT_GT(white, 40) << art.name;
    }
}

TEST(Cursors, TheArrowsPointWhereTheirNamesSay) {
    // The first row with ink of the up arrow is its one-pixel tip; the down arrow ends in one.
    auto inkOf = [](std::string_view row) {
        int ink = 0;
        for (char pixel : row) ink += pixel != ' ';
        return ink;
    };
    const auto& art = desktop::cursorArt();
    const desktop::CursorArt& up = *art[0].rows;
    const desktop::CursorArt& down = *art[1].rows;
    EXPECT_EQ(inkOf(up[0]), 1);
    int lastDownRow = desktop::kCursorSize - 1;
    while (inkOf(down[static_cast<std::size_t>(lastDownRow)]) == 0) --lastDownRow;
    EXPECT_EQ(inkOf(down[static_cast<std::size_t>(lastDownRow)]), 1);
    // Right ("Sipka3") has its tip in the rightmost inked column, left ("Sipka4") in the leftmost.
    const desktop::CursorArt& right = *art[4].rows;
    const desktop::CursorArt& left = *art[5].rows;
    int rightmost = 0;
    int tipRowsRight = 0;
    for (std::string_view row : right) rightmost = std::max(rightmost, static_cast<int>(row.find_last_not_of(' ')));
    for (std::string_view row : right) tipRowsRight += static_cast<int>(row.find_last_not_of(' ')) == rightmost;
    EXPECT_EQ(tipRowsRight, 1);
    int tipRowsLeft = 0;
    for (std::string_view row : left) tipRowsLeft += row.find_first_not_of(' ') == 0;
    EXPECT_EQ(tipRowsLeft, 1);
}

// The inked pixels of a cursor picture.
std::vector<QPoint> inkOf(const desktop::NamedCursorArt& art) {
    std::vector<QPoint> ink;
    for (int y = 0; y < desktop::kCursorSize; ++y)
        for (int x = 0; x < desktop::kCursorSize; ++x)
            if ((*art.rows)[static_cast<std::size_t>(y)][static_cast<std::size_t>(x)] != ' ') ink.emplace_back(x, y);
    return ink;
}

TEST(Cursors, EachClicksAtItsTipOrItsMiddle) {
    for (const desktop::NamedCursorArt& art : desktop::cursorArt()) {
        const std::vector<QPoint> ink = inkOf(art);
        const QPoint hot(art.hotX, art.hotY);
        EXPECT_NE(std::find(ink.begin(), ink.end(), hot), ink.end()) << art.name << ": the hot spot lies on the picture";
        QRect box;
        for (const QPoint& p : ink) box |= QRect(p, QSize(1, 1));
        switch (art.number) {
            case app::kCursorUp: EXPECT_EQ(hot.y(), box.top()) << art.name; break;
            case app::kCursorDown: EXPECT_EQ(hot.y(), box.bottom()) << art.name; break;
            case app::kCursorRight: EXPECT_EQ(hot.x(), box.right()) << art.name; break;
            case app::kCursorLeft: EXPECT_EQ(hot.x(), box.left()) << art.name; break;
            default:  // the lips and the hand click at their middle
                EXPECT_LE(std::abs(hot.x() - box.center().x()), 1) << art.name;
                EXPECT_LE(std::abs(hot.y() - box.center().y()), 1) << art.name;
        }
        // An arrow's tip is also its middle across the shaft.
        if (art.number == app::kCursorUp || art.number == app::kCursorDown) {
            EXPECT_LE(std::abs(hot.x() - box.center().x()), 1) << art.name;
        }
        if (art.number == app::kCursorRight || art.number == app::kCursorLeft) {
            EXPECT_LE(std::abs(hot.y() - box.center().y()), 1) << art.name;
        }
    }
}

TEST(Cursors, AtAHigherPixelRatioEachArtPixelIsASquareOfScreenPixels) {
    const desktop::CursorTable table;
    for (const double ratio : {2.0, 1.5}) {
        for (const desktop::NamedCursorArt& art : desktop::cursorArt()) {
            const QCursor cursor = table.cursor(art.number, ratio);
            const QPixmap pixmap = cursor.pixmap();
            EXPECT_EQ(pixmap.size(), QSize(desktop::kCursorSize, desktop::kCursorSize) * ratio) << art.name;
            EXPECT_DOUBLE_EQ(pixmap.devicePixelRatio(), ratio) << art.name;
            // Same place on the screen: the hot spot stays in the art's own pixels.
            EXPECT_EQ(cursor.hotSpot(), QPoint(art.hotX, art.hotY)) << art.name;
            if (ratio != 2.0) continue;
            const QImage image = pixmap.toImage();
            for (int y = 0; y < image.height(); ++y)
                for (int x = 0; x < image.width(); ++x) {
                    const char pixel = (*art.rows)[static_cast<std::size_t>(y / 2)][static_cast<std::size_t>(x / 2)];
                    const QColor shown = image.pixelColor(x, y);
                    const QColor wanted = pixel == desktop::kCursorBlack   ? QColor(Qt::black)
                                          : pixel == desktop::kCursorWhite ? QColor(Qt::white)
                                                                           : QColor(Qt::transparent);
                    ASSERT_EQ(shown.alpha() == 0 ? QColor(Qt::transparent) : shown, wanted) << art.name << " at " << x << "," << y;
                }
        }
    }
}

}  // namespace
