#include "desktop/form_view.hpp"

#include "app/component_table.hpp"
#include "desktop/fonts.hpp"
#include "desktop/label_looks.hpp"

#include <QHelpEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QToolTip>

namespace desktop {

FormView::FormView(app::TfrmHlavni& form, const CursorTable& cursors, PictureStore* pictures, QWidget* parent)
    : QWidget(parent), form_(form), cursors_(cursors), store_(pictures) {
    setFixedSize(app::kWindowWidth, app::kWindowHeight);
    setMouseTracking(true);
    setFont(gameFont(kDefaultFontPixels));
    refresh();
}

void FormView::refresh() {
    for (const auto& component : form_.stack.all()) {
        DecodedPicture& decoded = pictures_[component.get()];
        if (decoded.loads == component->pictureLoads()) continue;
        decoded.loads = component->pictureLoads();
        const std::string& path = component->picture();
        if (path.empty())
            decoded.image = QImage();
        else
            decoded.image = store_ != nullptr ? store_->take(path) : decodePicture(path);
    }
    update();
}

QImage FormView::imageOf(const ui::Component& component) const {
    const auto found = pictures_.find(&component);
    return found != pictures_.end() ? found->second.image : QImage();
}

ui::Component* FormView::componentAt(QPoint point) const { return form_.stack.hitTest(point.x(), point.y()); }

void FormView::showCursorAt(QPoint point) {
    const ui::Component* under = componentAt(point);
    setCursor(cursors_.cursor(under != nullptr ? under->cursor() : app::kCursorDefault));
}

void FormView::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    for (const auto& component : form_.stack.all()) {
        if (!component->visible()) continue;
        if (component->kind() == ui::ComponentKind::Label) {
            paintLabel(painter, *component);
            continue;
        }
        const auto found = pictures_.find(component.get());
        if (found == pictures_.end() || found->second.image.isNull()) continue;
        // Unscaled from the top-left corner, cut to the component's rectangle.
        const ui::Rect& r = component->rect();
        const QImage& image = found->second.image;
        painter.drawImage(QPoint(r.left, r.top), image,
                          QRect(0, 0, std::min(r.width, image.width()), std::min(r.height, image.height())));
    }
}

void FormView::paintLabel(QPainter& painter, const ui::Component& label) const {
    if (label.text().empty()) return;
    const LabelLook look = labelLook(label.name());
    const QRect area = labelRect(label);
    if (look.background) painter.fillRect(area, *look.background);
    painter.setFont(labelFont(look));
    painter.setPen(styleColour(look.style));
    painter.drawText(area, Qt::AlignLeft | Qt::AlignTop, QString::fromStdString(label.text()));
}

bool FormView::event(QEvent* event) {
    if (event->type() != QEvent::ToolTip) return QWidget::event(event);
    auto* help = static_cast<QHelpEvent*>(event);
    const ui::Component* under = componentAt(help->pos());
    if (under == nullptr || under->hint().empty()) {
        QToolTip::hideText();
        event->ignore();
        return true;
    }
    const ui::Rect& r = under->rect();
    QToolTip::showText(help->globalPos(), QString::fromStdString(under->hint()), this, QRect(r.left, r.top, r.width, r.height));
    return true;
}

void FormView::mouseMoveEvent(QMouseEvent* event) {
    const QPoint point = event->position().toPoint();
    form_.stack.move(point.x(), point.y());
    if (afterInput) afterInput();
    showCursorAt(point);
}

void FormView::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return;
    pressed_ = componentAt(event->position().toPoint());
}

void FormView::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return;
    // A click is a press and a release on the same component, as the window system counts it.
    const QPoint point = event->position().toPoint();
    ui::Component* under = componentAt(point);
    ui::Component* pressed = pressed_;
    pressed_ = nullptr;
    if (under == nullptr || under != pressed || !under->onClick) return;
    form_.stack.click(point.x(), point.y());
    if (afterInput) afterInput();
    showCursorAt(point);
}

}  // namespace desktop
