#include "desktop/after_first_frame.hpp"

#include <QEvent>
#include <QPointer>
#include <QTimer>

#include <utility>

namespace desktop {

namespace {

class FirstPaintWatcher final : public QObject {
public:
    FirstPaintWatcher(QWidget& widget, std::function<void()> job) : QObject(&widget), job_(std::move(job)) {
        widget.installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::Paint) return false;
        watched->removeEventFilter(this);
        // Queued: the frame is finished and handed to the window system first.
        QTimer::singleShot(0, parent(), [job = std::move(job_)] { job(); });
        deleteLater();
        return false;
    }

private:
    std::function<void()> job_;
};

}  // namespace

void afterFirstFrame(QWidget& widget, std::function<void()> job) { new FirstPaintWatcher(widget, std::move(job)); }

}  // namespace desktop
