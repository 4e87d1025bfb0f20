#include "desktop/letterbox_area.hpp"

#include "desktop/frame_theme.hpp"

#include <QPaintEvent>
#include <QPainter>

#include <algorithm>

namespace desktop {

LetterboxArea::LetterboxArea(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void LetterboxArea::setContent(QWidget* content) {
    content_ = content;
    placeContent();
}

void LetterboxArea::placeContent() {
    if (content_ == nullptr) return;
    content_->move(std::max(0, (width() - content_->width()) / 2), std::max(0, (height() - content_->height()) / 2));
}

void LetterboxArea::resizeEvent(QResizeEvent* /*event*/) {
    if (onResize) onResize();
    placeContent();
}

bool LetterboxArea::event(QEvent* event) {
    // Moved to a screen of another pixel ratio: the layout is drawn for the new one.
    if (event->type() == QEvent::ScreenChangeInternal) {
        if (onResize) onResize();
        placeContent();
    }
    return QWidget::event(event);
}

void LetterboxArea::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    const QRegion bars = QRegion(rect()) - QRegion(content_ != nullptr ? content_->geometry() : QRect());
    for (const QRect& bar : bars & event->region()) painter.fillRect(bar, letterboxColour());
}

}  // namespace desktop
