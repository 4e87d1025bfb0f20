#include "desktop/cursors.hpp"

#include <QBitmap>
#include <QPainter>

namespace desktop {

QCursor makeCursor(const CursorArt& art) {
    // Two bitmaps as the window system takes them: colour (1 black, 0 white) and mask (1 drawn).
    QBitmap colour(kCursorSize, kCursorSize);
    QBitmap mask(kCursorSize, kCursorSize);
    colour.fill(Qt::color0);
    mask.fill(Qt::color0);
    QPainter colourPainter(&colour);
    QPainter maskPainter(&mask);
    colourPainter.setPen(Qt::color1);
    maskPainter.setPen(Qt::color1);
    for (int y = 0; y < kCursorSize; ++y) {
        const std::string_view row = art.at(static_cast<std::size_t>(y));
        for (int x = 0; x < kCursorSize && x < static_cast<int>(row.size()); ++x) {
            const char pixel = row[static_cast<std::size_t>(x)];
            if (pixel == kCursorBlack) colourPainter.drawPoint(x, y);
            if (pixel == kCursorBlack || pixel == kCursorWhite) maskPainter.drawPoint(x, y);
        }
    }
    colourPainter.end();
    maskPainter.end();
    return QCursor(colour, mask, 0, 0);
}

CursorTable::CursorTable() {
    for (const NamedCursorArt& art : cursorArt()) table_.emplace(art.number, makeCursor(*art.rows));
}

QCursor CursorTable::cursor(int number) const {
    const auto found = table_.find(number);
    return found != table_.end() ? found->second : QCursor(Qt::ArrowCursor);
}

}  // namespace desktop
