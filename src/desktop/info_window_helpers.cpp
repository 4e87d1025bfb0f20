#include "desktop/info_window_helpers.hpp"

#include "desktop/fonts.hpp"

#include <QScreen>

#include <algorithm>

namespace desktop {

QLabel* addPlacedText(const info::PlacedText& text, QWidget* parent) {
    auto* label = new QLabel(QString::fromUtf8(text.text), parent);
    label->setObjectName(text.name);
    label->setTextFormat(Qt::PlainText);
    label->setFont(styleFont(text.style));
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, styleColour(text.style));
    label->setPalette(palette);
    label->adjustSize();
    label->setGeometry(text.rect.left, text.rect.top, std::max(text.rect.width, label->width()),
                       std::max(text.rect.height, label->height()));
    return label;
}

void centreOnScreen(QWidget& window) {
    const QScreen* screen = window.screen();
    if (screen == nullptr) return;
    const QRect available = screen->availableGeometry();
    window.move(available.center() - QPoint(window.width() / 2, window.height() / 2));
}

}  // namespace desktop
