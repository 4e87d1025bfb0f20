#include "desktop/info_window_helpers.hpp"

#include "desktop/fonts.hpp"

#include <QScreen>

#include <algorithm>

namespace desktop {

QLabel* addPlacedText(const info::PlacedText& text, QWidget* parent, const ui::Catalogue& catalogue) {
    auto* label = new QLabel(parent);
    label->setObjectName(text.name);
    label->setTextFormat(Qt::PlainText);
    label->setFont(styleFont(text.style));
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, styleColour(text.style));
    label->setPalette(palette);
    label->move(text.rect.left, text.rect.top);
    placeText(*label, text, catalogue);
    return label;
}

void placeText(QLabel& label, const info::PlacedText& text, const ui::Catalogue& catalogue) {
    label.setText(QString::fromStdString(catalogue.translate(text.text)));
    label.adjustSize();
    // Where it stands now: the About window's texts slide in from the right.
    label.setGeometry(label.x(), text.rect.top,
                      std::max(text.rect.width, label.width()), std::max(text.rect.height, label.height()));
}

void centreOnScreen(QWidget& window) {
    const QScreen* screen = window.screen();
    if (screen == nullptr) return;
    const QRect available = screen->availableGeometry();
    window.move(available.center() - QPoint(window.width() / 2, window.height() / 2));
}

}  // namespace desktop
