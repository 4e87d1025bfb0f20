#include "desktop/pace_input.hpp"

#include "desktop/form_view.hpp"

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>

#include <algorithm>

namespace desktop {

PaceInput::PaceInput(QWidget& window, FormView& view, app::TfrmHlavni& form)
    : window_(window), view_(view), form_(form) {
    // Keys go to whichever widget of the window has the focus (the list, say): listen to all.
    QCoreApplication::instance()->installEventFilter(this);
}

PaceInput::~PaceInput() {
    if (QCoreApplication::instance() != nullptr) QCoreApplication::instance()->removeEventFilter(this);
}

void PaceInput::advanceOnClick(QWidget& widget) { clickable_.push_back(&widget); }

void PaceInput::advanceIfShielded() {
    if (!form_.canHurry()) return;
    form_.advance();
    if (afterInput) afterInput();
}

bool PaceInput::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
        case QEvent::KeyPress:
        case QEvent::KeyRelease: {
            auto* widget = qobject_cast<QWidget*>(watched);
            // Only keys meant for the main window itself, not for an open menu or box.
            if (widget == nullptr || widget->window() != &window_ || QApplication::activePopupWidget() != nullptr ||
                QApplication::activeModalWidget() != nullptr)
                return false;
            return keyEvent(event);
        }
        case QEvent::MouseButtonRelease:
            if (static_cast<QMouseEvent*>(event)->button() != Qt::LeftButton || !form_.canHurry() ||
                std::find(clickable_.begin(), clickable_.end(), watched) == clickable_.end())
                return false;
            advanceIfShielded();
            return true;
        case QEvent::WindowDeactivate:
            // A Tab released in another window is never heard: the places are hidden on leaving.
            if (watched == &window_) view_.setRevealHeld(false);
            return false;
        default:
            return false;
    }
}

bool PaceInput::keyEvent(QEvent* event) {
    auto* key = static_cast<QKeyEvent*>(event);
    const bool press = event->type() == QEvent::KeyPress;
    const Qt::KeyboardModifiers modifiers = key->modifiers() & ~Qt::KeypadModifier;
    if (key->key() == Qt::Key_Tab && modifiers == Qt::NoModifier) {
        if (!key->isAutoRepeat()) view_.setRevealHeld(press);
        return true;
    }
    if (modifiers != Qt::NoModifier) return false;
    switch (key->key()) {
        case Qt::Key_Space:
        case Qt::Key_Return:
        case Qt::Key_Enter:
            if (press) advanceIfShielded();
            return true;
        case Qt::Key_Escape:
            if (press) {
                form_.escape();
                if (afterInput) afterInput();
            }
            return true;
        default:
            return false;
    }
}

}  // namespace desktop
