#include "desktop/fonts.hpp"

namespace desktop {

QFont gameFont(int pixelSize, bool bold) {
    QFont font(kFontFamily);
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    return font;
}

QFont narrowFont(int pixelSize) {
    QFont font(kNarrowFontFamily);
    font.setPixelSize(pixelSize);
    return font;
}

QFont styleFont(const info::TextStyle& style) { return gameFont(style.pixelSize, style.bold); }

QColor styleColour(const info::TextStyle& style) { return QColor::fromRgb(static_cast<QRgb>(style.rgb)); }

}  // namespace desktop
