#include "desktop/cursors.hpp"

#include <QImage>
#include <QPixmap>

#include <algorithm>
#include <cmath>

namespace desktop {

QCursor makeCursor(const NamedCursorArt& art, double pixelRatio) {
    const double ratio = std::max(1.0, pixelRatio);
    const int side = static_cast<int>(std::lround(kCursorSize * ratio));
    QImage image(side, side, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    // Nearest neighbour: each device pixel takes the art pixel its centre lies in.
    for (int y = 0; y < side; ++y) {
        const int artY = std::min(kCursorSize - 1, static_cast<int>((y + 0.5) / ratio));
        const std::string_view row = art.rows->at(static_cast<std::size_t>(artY));
        for (int x = 0; x < side; ++x) {
            const auto artX = static_cast<std::size_t>(std::min(kCursorSize - 1, static_cast<int>((x + 0.5) / ratio)));
            const char pixel = artX < row.size() ? row[artX] : ' ';
            if (pixel == kCursorBlack) image.setPixel(x, y, qRgb(0, 0, 0));
            if (pixel == kCursorWhite) image.setPixel(x, y, qRgb(255, 255, 255));
        }
    }
    QPixmap pixmap = QPixmap::fromImage(image);
    pixmap.setDevicePixelRatio(ratio);
    // The hot spot is given in logical pixels, as the art is.
    return QCursor(pixmap, art.hotX, art.hotY);
}

CursorTable::CursorTable() {
    for (const NamedCursorArt& art : cursorArt()) table_.emplace(std::pair{art.number, 1.0}, makeCursor(art));
}

bool CursorTable::isRegistered(int number) const {
    return std::any_of(cursorArt().begin(), cursorArt().end(), [number](const NamedCursorArt& art) { return art.number == number; });
}

QCursor CursorTable::cursor(int number, double pixelRatio) const {
    const double ratio = std::max(1.0, pixelRatio);
    if (const auto found = table_.find({number, ratio}); found != table_.end()) return found->second;
    for (const NamedCursorArt& art : cursorArt())
        if (art.number == number) return table_.emplace(std::pair{number, ratio}, makeCursor(art, ratio)).first->second;
    return QCursor(Qt::ArrowCursor);
}

}  // namespace desktop
