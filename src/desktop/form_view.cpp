#include "desktop/form_view.hpp"

#include "app/component_table.hpp"
#include "app/localized_picture.hpp"
#include "desktop/fonts.hpp"
#include "desktop/frame_theme.hpp"
#include "desktop/held_view.hpp"
#include "desktop/label_looks.hpp"

#include <QHelpEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QToolTip>

#include <cmath>

namespace desktop {

FormView::FormView(app::TfrmHlavni& form, const CursorTable& cursors, PictureStore* pictures, QWidget* parent)
    : QWidget(parent), form_(form), cursors_(cursors), store_(pictures) {
    setFixedSize(scale_.logicalSize());
    setMouseTracking(true);
    setFont(gameFont(kDefaultFontPixels));
    refresh();
}

namespace {
ui::Rect toRect(const QRect& r) { return {r.x(), r.y(), r.width(), r.height()}; }
}  // namespace

void FormView::refresh() {
    const std::string& language = form_.catalogue().language();
    const bool languageChanged = language != drawnLanguage_;
    drawnLanguage_ = language;
    for (const auto& component : form_.stack.all()) {
        DecodedPicture& decoded = pictures_[component.get()];
        const std::string& path = component->picture();
        // A change of language draws a worded picture again, though the game loaded nothing.
        if (decoded.loads == component->pictureLoads() && !(languageChanged && app::isLocalizedPicture(path))) continue;
        decoded.loads = component->pictureLoads();
        decoded.scaled = QImage();
        if (path.empty()) {
            decoded.image = QImage();
        } else {
            const auto decode = [this](const std::string& file) { return store_ != nullptr ? store_->take(file) : decodePicture(file); };
            const std::string shown = app::shownPicture(path, language);
            decoded.image = decode(shown);
            // A damaged drawing in the language falls back to the game's own picture.
            if (decoded.image.isNull() && shown != path) decoded.image = decode(path);
        }
    }
    // Only the scene and whatever is drawn beyond it (a held picture near the scene's edge) is
    // painted again: the frame and the widgets on it stay as they are.
    const QRect scene = scale_.widgetRect(app::kSceneRect);
    QRegion beyond;
    for (const auto& component : form_.stack.all()) {
        if (!component->visible()) continue;
        const ui::Rect drawn = component->kind() == ui::ComponentKind::Label ? toRect(labelRect(*component)) : component->rect();
        const QRect shown = scale_.widgetRect(drawn).adjusted(-1, -1, 1, 1);
        if (!scene.contains(shown)) beyond += shown;
    }
    update(QRegion(scene) + beyond + drawnBeyondScene_);
    drawnBeyondScene_ = beyond;
}

void FormView::setLayoutScale(const LayoutScale& scale) {
    if (scale == scale_) return;
    scale_ = scale;
    for (auto& [component, decoded] : pictures_) decoded.scaled = QImage();
    backdrop_ = QPixmap();
    setFixedSize(scale_.logicalSize());
    update();
}

QImage FormView::imageOf(const ui::Component& component) const {
    const auto found = pictures_.find(&component);
    return found != pictures_.end() ? found->second.image : QImage();
}

ui::Component* FormView::componentAt(ui::Point point) const { return form_.stack.hitTest(point.x, point.y); }

void FormView::showCursorAt(ui::Point point) {
    const ui::Component* under = componentAt(point);
    setCursor(cursors_.cursor(under != nullptr ? under->cursor() : app::kCursorDefault, devicePixelRatioF()));
}

const QPixmap& FormView::backdrop() {
    if (backdrop_.isNull()) backdrop_ = frameBackdrop(scale_);
    return backdrop_;
}

void FormView::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    // The frame's wood only where the scene picture does not cover it.
    QRegion frame = event->region();
    const auto scene = pictures_.find(form_.imgHlavni);
    if (form_.imgHlavni->visible() && scene != pictures_.end() &&
        scene->second.image.size() == QSize(app::kSceneRect.width, app::kSceneRect.height))
        frame -= scale_.logicalRect(app::kSceneRect).toAlignedRect().marginsRemoved(QMargins(1, 1, 1, 1));
    const double ratio = scale_.pixelRatio();
    for (const QRect& part : frame)
        painter.drawPixmap(part, backdrop(), QRectF(QPointF(part.topLeft()) * ratio, QSizeF(part.size()) * ratio).toRect());
    // The held picture stands for what is in the hand: it is drawn above the whole scene.
    const ui::Component* held = heldPicture(form_);
    for (const auto& component : form_.stack.all()) {
        if (!component->visible() || component.get() == held) continue;
        if (component->kind() == ui::ComponentKind::Label)
            paintLabel(painter, *component);
        else
            paintPicture(painter, *component, pictures_[component.get()]);
    }
    if (held != nullptr && held->visible()) paintPicture(painter, *held, pictures_[held]);
    if (revealing()) paintReveal(painter);
}

void FormView::setRevealHeld(bool held) {
    if (held == revealHeld_) return;
    const bool was = revealing();
    revealHeld_ = held;
    if (revealing() != was) update(scale_.widgetRect(app::kSceneRect));
}

void FormView::setRevealChosen(bool chosen) {
    if (chosen == revealChosen_) return;
    const bool was = revealing();
    revealChosen_ = chosen;
    if (revealing() != was) update(scale_.widgetRect(app::kSceneRect));
}

std::vector<const ui::Component*> FormView::revealedSpots() const {
    if (!revealing()) return {};
    return form_.reachableSpots();
}

void FormView::paintReveal(QPainter& painter) const {
    const double px = scale_.factor();
    const QColor dark(0, 0, 0, 200);
    const QColor bright(255, 214, 0);
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    const QFont font = gameFont(static_cast<int>(std::lround(13 * px)), true);
    painter.setFont(font);
    for (const ui::Component* spot : revealedSpots()) {
        const QRectF r = scale_.logicalRect(spot->rect());
        // A dark edge under a bright one shows on light and dark scenery alike.
        painter.setBrush(Qt::NoBrush);
        painter.setPen(QPen(dark, 4 * px));
        painter.drawRect(r.adjusted(2 * px, 2 * px, -2 * px, -2 * px));
        painter.setPen(QPen(bright, 2 * px, Qt::DashLine));
        painter.drawRect(r.adjusted(2 * px, 2 * px, -2 * px, -2 * px));
        if (spot->hint().empty()) continue;
        const QString hint = QString::fromStdString(spot->hint());
        const QSizeF size = QFontMetricsF(font).size(0, hint) + QSizeF(8 * px, 4 * px);
        const QRectF label(r.left() + 4 * px, r.top() + 4 * px, size.width(), size.height());
        painter.fillRect(label, dark);
        painter.setPen(bright);
        painter.drawText(label, Qt::AlignCenter, hint);
    }
    painter.restore();
}

void FormView::paintPicture(QPainter& painter, const ui::Component& component, DecodedPicture& decoded) {
    if (decoded.image.isNull()) return;
    // Unscaled in layout pixels from the top-left corner, cut to the component's rectangle.
    const ui::Rect& r = component.rect();
    const QRect source(0, 0, std::min(r.width, decoded.image.width()), std::min(r.height, decoded.image.height()));
    const ui::Rect shown{r.left, r.top, source.width(), source.height()};
    if (scale_.factor() == 1.0 && scale_.pixelRatio() == 1.0) {
        painter.drawImage(QPoint(r.left, r.top), decoded.image, source);
        return;
    }
    const QRect device = scale_.deviceRect(shown);
    if (device.isEmpty()) return;
    if (decoded.scaled.isNull() || decoded.scaled.size() != device.size()) {
        // Whole multiples stay crisp pixel art; any other factor is smoothed. Scaled once per
        // picture and scale, so moving the held picture costs only a copy.
        const Qt::TransformationMode mode = scale_.isWholeMultiple() ? Qt::FastTransformation : Qt::SmoothTransformation;
        const QImage& part = source == decoded.image.rect() ? decoded.image : decoded.image.copy(source);
        decoded.scaled = part.scaled(device.size(), Qt::IgnoreAspectRatio, mode);
        decoded.scaled.setDevicePixelRatio(scale_.pixelRatio());
    }
    painter.drawImage(QPointF(device.x() / scale_.pixelRatio(), device.y() / scale_.pixelRatio()), decoded.scaled);
}

void FormView::paintLabel(QPainter& painter, const ui::Component& label) const {
    if (label.text().empty()) return;
    const LabelLook look = labelLook(label.name());
    const QFont font = scaledLabelFont(look, scale_);
    const QString text = QString::fromStdString(label.text());
    const QRectF place = scale_.logicalRect(label.rect());
    const QRectF area(place.topLeft(), QFontMetricsF(font).size(0, text));
    if (look.background) painter.fillRect(area, *look.background);
    painter.setFont(font);
    painter.setPen(styleColour(look.style));
    painter.drawText(area, Qt::AlignLeft | Qt::AlignTop, text);
}

bool FormView::event(QEvent* event) {
    if (event->type() != QEvent::ToolTip) return QWidget::event(event);
    auto* help = static_cast<QHelpEvent*>(event);
    const ui::Component* under = componentAt(scale_.toLayout(help->pos()));
    if (under == nullptr || under->hint().empty()) {
        QToolTip::hideText();
        event->ignore();
        return true;
    }
    QToolTip::showText(help->globalPos(), QString::fromStdString(under->hint()), this, scale_.widgetRect(under->rect()));
    return true;
}

void FormView::mouseMoveEvent(QMouseEvent* event) {
    pointer_ = event->position();
    const ui::Point point = scale_.toLayout(event->position());
    delivering_ = true;
    form_.stack.move(point.x, point.y);
    if (afterInput) afterInput();
    delivering_ = false;
    showCursorAt(point);
}

void FormView::mousePressEvent(QMouseEvent* event) {
    pointer_ = event->position();
    if (event->button() != Qt::LeftButton) return;
    pressed_ = componentAt(scale_.toLayout(event->position()));
}

void FormView::mouseReleaseEvent(QMouseEvent* event) {
    pointer_ = event->position();
    if (event->button() != Qt::LeftButton) return;
    // A click is a press and a release on the same component, as the window system counts it.
    const ui::Point point = scale_.toLayout(event->position());
    ui::Component* under = componentAt(point);
    ui::Component* pressed = pressed_;
    pressed_ = nullptr;
    // A click on the shielded scene during a cutscene, caption or remark: the line is done.
    if (under != nullptr && under == pressed && under == form_.imgClona && form_.canHurry()) {
        form_.advance();
        if (afterInput) afterInput();
        showCursorAt(point);
        return;
    }
    if (under == nullptr || under != pressed || !under->onClick) return;
    form_.stack.click(point.x, point.y);
    if (afterInput) afterInput();
    showCursorAt(point);
}

void FormView::leaveEvent(QEvent* event) {
    pointer_.reset();
    QWidget::leaveEvent(event);
}

void FormView::replayPointer() {
    if (delivering_ || !pointer_ || !rect().contains(pointer_->toPoint())) return;
    const ui::Point point = scale_.toLayout(*pointer_);
    delivering_ = true;
    form_.stack.move(point.x, point.y);
    delivering_ = false;
    showCursorAt(point);
}

}  // namespace desktop
