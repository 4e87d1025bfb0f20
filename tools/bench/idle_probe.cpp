#include "bench/idle_probe.hpp"

#include "bench/child_figures.hpp"
#include "bench/process_usage.hpp"
#include "bench/work_directory.hpp"
#include "desktop/game.hpp"
#include "desktop/game_icon.hpp"

#include <QApplication>
#include <QEventLoop>
#include <QTimer>

#include <chrono>
#include <cstdio>

namespace bench {

namespace {

constexpr int kPausePollMs = 50;
constexpr int kPauseTimeoutMs = 60'000;
constexpr int kExitNoCheckpoint = 3;
constexpr int kExitNoPausePoint = 4;

// Counts the timer and paint events of the whole application, except those of one timer.
class EventTally final : public QObject {
public:
    explicit EventTally(const QObject& ignored) : ignored_(ignored) { QCoreApplication::instance()->installEventFilter(this); }
    int timers = 0;
    int paints = 0;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == &ignored_) return false;
        if (event->type() == QEvent::Timer) ++timers;
        if (event->type() == QEvent::Paint) ++paints;
        return false;
    }

private:
    const QObject& ignored_;
};

// Runs the event loop until the condition holds (checked every kPausePollMs) or the time runs out.
bool runUntil(const std::function<bool()>& condition, int timeoutMs) {
    QEventLoop loop;
    QTimer poll;
    poll.setInterval(kPausePollMs);
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
    QObject::connect(&poll, &QTimer::timeout, &loop, [&] {
        if (condition() || std::chrono::steady_clock::now() > deadline) loop.quit();
    });
    poll.start();
    loop.exec();
    return condition();
}

}  // namespace

int runIdleAtPausePoint(int argc, char** argv, int idleMs) {
    QApplication application(argc, argv);
    QApplication::setApplicationName(desktop::kApplicationTitle);
    QApplication::setWindowIcon(desktop::gameIcon());
    desktop::Game game;
    game.start();
    QCoreApplication::processEvents();
    if (!game.form.mmNahrat->enabled()) {
        std::fputs("kvelnor-bench: the checkpoint is not offered; data.dat must hold 1\n", stderr);
        return kExitNoCheckpoint;
    }
    ui::Menu::click(*game.form.mmNahrat);
    game.mainWindow.refresh();
    if (!runUntil([&] { return !game.form.sequenceRunning(); }, kPauseTimeoutMs)) {
        std::fputs("kvelnor-bench: the game never reached the pause point\n", stderr);
        return kExitNoPausePoint;
    }

    QTimer stop;
    stop.setSingleShot(true);
    EventTally tally(stop);
    QEventLoop idle;
    QObject::connect(&stop, &QTimer::timeout, &idle, &QEventLoop::quit);
    const double processorBefore = processorMs();
    const auto wallBefore = std::chrono::steady_clock::now();
    stop.start(idleMs);
    idle.exec();
    const double wall = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - wallBefore).count();
    const double processor = processorMs() - processorBefore;

    const MemoryUse memory = memoryUse();
    printFigure("idle_ms", wall);
    printFigure("processor_ms", processor);
    printFigure("timer_events", tally.timers);
    printFigure("paint_events", tally.paints);
    printFigure("resident_kib", static_cast<double>(memory.residentKiB));
    printFigure("peak_resident_kib", static_cast<double>(memory.peakResidentKiB));
    printFigure("story_tick", game.form.state.storyTick);
    return 0;
}

IdleFigures measureIdle(const std::string& self, int idleMs) {
    writeCheckpoint("1");
    ChildFigures child = runChildForFigures(self, {"--child", "idle", std::to_string(idleMs)},
                                            idleMs + 2 * kPauseTimeoutMs, "processor_ms", "the idle game did not report");
    removeCheckpoint();
    if (!child.error.empty()) return {.error = child.error};
    std::map<std::string, double>& v = child.values;
    return {.idleMs = v["idle_ms"], .processorMs = v["processor_ms"], .timerEvents = v["timer_events"],
            .paintEvents = v["paint_events"], .residentKiB = v["resident_kib"], .peakResidentKiB = v["peak_resident_kib"]};
}

}  // namespace bench
