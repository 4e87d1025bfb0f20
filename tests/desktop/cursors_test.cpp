// The six game cursors: registered under 1 to 6, 32 x 32, two colours, hot spot at the top left.
#include "desktop/cursors.hpp"

#include <QBitmap>
#include <QImage>

#include <gtest/gtest.h>

#include <set>
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
        EXPECT_EQ(cursor.hotSpot(), QPoint(0, 0)) << art.name;
        EXPECT_EQ(cursor.bitmap().size(), QSize(desktop::kCursorSize, desktop::kCursorSize)) << art.name;
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

}  // namespace
