#include "bench/click_replay.hpp"

#include "app/component_table.hpp"
#include "bench/picture_widget.hpp"
#include "bench/scenario_file.hpp"
#include "bench/work_directory.hpp"
#include "desktop/cursors.hpp"
#include "desktop/main_window.hpp"
#include "script/session.hpp"

#include <QApplication>
#include <QImage>
#include <QMouseEvent>

#include <chrono>
#include <optional>
#include <stdexcept>
#include <string>

namespace bench {

namespace {

using Clock = std::chrono::steady_clock;

double millisecondsSince(Clock::time_point start) {
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

// Counts the paint events of every widget of one window (its children paint on their own).
class PaintCounter final : public QObject {
public:
    explicit PaintCounter(const QWidget& window) : window_(window) { QCoreApplication::instance()->installEventFilter(this); }
    int paints = 0;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::Paint || !watched->isWidgetType()) return false;
        if (static_cast<QWidget*>(watched)->window() == &window_) ++paints;
        return false;
    }

private:
    const QWidget& window_;
};

// Runs the event loop until the watched widget painted, or a few rounds found nothing to paint.
bool processUntilPainted(const PaintCounter& counter) {
    constexpr int kRounds = 3;
    const int before = counter.paints;
    for (int round = 0; round < kRounds && counter.paints == before; ++round) QCoreApplication::processEvents();
    return counter.paints != before;
}

void sendMouse(QWidget& target, QEvent::Type type, QPoint at, Qt::MouseButtons buttonsAfter) {
    QMouseEvent event(type, QPointF(at), QPointF(target.mapToGlobal(at)), Qt::LeftButton, buttonsAfter, Qt::NoModifier);
    QApplication::sendEvent(&target, &event);
}

struct MouseTarget {
    QWidget* widget = nullptr;
    QPoint at;
    bool doubleClick = false;
};

std::string describe(const script::Action& action) {
    const auto entry = [&] { return action.caption ? "\"" + *action.caption + "\"" : action.position ? "#" + std::to_string(*action.position) : std::string("none"); };
    switch (action.kind) {
        case script::ActionKind::ClickAt: return "click " + std::to_string(action.x) + " " + std::to_string(action.y);
        case script::ActionKind::ClickName: return "click " + action.word;
        case script::ActionKind::Select: return "select " + entry();
        case script::ActionKind::DoubleClick: return "dblclick " + entry();
        case script::ActionKind::Button: return "button " + action.word;
        default: return "";
    }
}

class WindowPlayer {
public:
    // Starts the game as the program does, data.dat as it is in the working directory.
    explicit WindowPlayer(int factor) {
        window_.show();
        // The central area exactly the layout's size times the factor: the layout fills it.
        QWidget& area = *window_.centralWidget();
        window_.resize(window_.size() - area.size() + QSize(app::kWindowWidth, app::kWindowHeight) * factor);
        floor_.factor = factor;
        floor_.setFixedSize(app::kSceneRect.width * factor, app::kSceneRect.height * factor);
        floor_.show();
        QCoreApplication::processEvents();
    }

    [[nodiscard]] double layoutFactor() const { return window_.layoutScale().factor(); }

    void play(const script::Action& action) {
        const std::optional<MouseTarget> target = isPlayerClick(action) ? targetOf(action) : std::nullopt;
        if (!target) {
            session_.execute(action);
            window_.refresh();
            QCoreApplication::processEvents();
            return;
        }
        ClickTiming timing;
        const Clock::time_point start = Clock::now();
        deliver(*target);
        timing.repainted = processUntilPainted(windowPaints_);
        timing.gameMs = millisecondsSince(start);
        timing.picture = session_.form->imgHlavni->picture();
        timing.floorMs = paintFloor(timing.picture);
        timing.action = describe(action);
        result_.clicks.push_back(timing);
    }

    ClickReplay finish() {
        result_.lastStoryTick = session_.form->state.storyTick;
        return result_;
    }

private:
    std::optional<MouseTarget> targetOf(const script::Action& action) {
        app::TfrmHlavni& form = *session_.form;
        switch (action.kind) {
            case script::ActionKind::ClickAt: return inView(QPoint(action.x, action.y));
            case script::ActionKind::ClickName: {
                const ui::Component* target = form.stack.find(action.word);
                if (target == nullptr) return std::nullopt;
                const ui::Point point = form.stack.aimPoint(*target);
                return inView(QPoint(point.x, point.y));
            }
            case script::ActionKind::Button: {
                ui::Component& model = action.word == "Zpět"      ? form.btnZpet
                                       : action.word == "Průzkum" ? form.btnPruzkum
                                                                  : form.btnSpojit;
                QPushButton& button = window_.buttonOf(model);
                return MouseTarget{&button, button.rect().center()};
            }
            case script::ActionKind::Select:
            case script::ActionKind::DoubleClick: return inList(action);
            default: return std::nullopt;
        }
    }

    // A point of the designed layout goes to the child widget lying there, or to the picture stack.
    MouseTarget inView(QPoint layout) {
        desktop::FormView& view = window_.view();
        const QPoint at = view.layoutScale().toLogical({layout.x(), layout.y()}).toPoint();
        QWidget* child = view.childAt(at);
        if (child == nullptr) return {&view, at};
        return {child, child->mapFrom(&view, at)};
    }

    std::optional<MouseTarget> inList(const script::Action& action) {
        desktop::InventoryListWidget& list = window_.inventoryList();
        QWidget* viewport = list.viewport();
        const bool twice = action.kind == script::ActionKind::DoubleClick;
        std::optional<int> row = action.position;
        if (action.caption) {
            row = -1;
            for (int r = 0; r < list.count(); ++r)
                if (list.item(r)->text() == QString::fromStdString(*action.caption)) row = r;
        }
        if (!row) {
            if (twice) return std::nullopt;
            return MouseTarget{viewport, QPoint(viewport->width() / 2, viewport->height() - 2)};  // below the entries
        }
        if (*row < 0 || *row >= list.count()) return std::nullopt;  // no such entry: nothing to click
        return MouseTarget{viewport, list.visualItemRect(list.item(*row)).center(), twice};
    }

    static void deliver(const MouseTarget& target) {
        sendMouse(*target.widget, QEvent::MouseButtonPress, target.at, Qt::LeftButton);
        sendMouse(*target.widget, QEvent::MouseButtonRelease, target.at, Qt::NoButton);
        if (!target.doubleClick) return;
        sendMouse(*target.widget, QEvent::MouseButtonDblClick, target.at, Qt::LeftButton);
        sendMouse(*target.widget, QEvent::MouseButtonRelease, target.at, Qt::NoButton);
    }

    double paintFloor(const std::string& path) {
        const Clock::time_point start = Clock::now();
        floor_.image = path.empty() ? QImage() : QImage(QString::fromStdString(path));
        floor_.update();
        processUntilPainted(floorPaints_);
        return millisecondsSince(start);
    }

    script::Session session_;
    desktop::CursorTable cursors_;
    desktop::MainWindow window_{*session_.form, cursors_, nullptr};
    PictureWidget floor_;
    PaintCounter windowPaints_{window_};
    PaintCounter floorPaints_{floor_};
    ClickReplay result_;
};

}  // namespace

ClickReplay replayClicks(const std::vector<script::Action>& actions, int factor) {
    removeCheckpoint();  // a new game, as the scenario starts
    WindowPlayer player(factor);
    if (player.layoutFactor() != factor)
        throw std::runtime_error("the window could not be made big enough to show the layout at " + std::to_string(factor) + "x");
    for (const script::Action& action : actions) player.play(action);
    return player.finish();
}

}  // namespace bench
