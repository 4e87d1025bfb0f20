#include "bench/startup_probe.hpp"

#include "app/component_table.hpp"
#include "bench/child_process.hpp"
#include "bench/picture_widget.hpp"
#include "bench/statistics.hpp"
#include "desktop/game.hpp"

#include <QApplication>
#include <QMainWindow>
#include <QSettings>
#include <QStandardPaths>
#include <QTimer>

#include <cstdio>
#include <cstdlib>
#include <memory>
#include <vector>

namespace bench {

namespace {

constexpr int kChildTimeoutMs = 60'000;
const char* const kIntroPicture = "data/Uvod.bmp";

// Reports the window's first paint once it has reached the screen, and ends the process there.
class FirstFrameWatcher final : public QObject {
public:
    explicit FirstFrameWatcher(const QWidget& window) : window_(window) { QCoreApplication::instance()->installEventFilter(this); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (painted_ || event->type() != QEvent::Paint || !watched->isWidgetType()) return false;
        if (static_cast<QWidget*>(watched)->window() != &window_) return false;
        painted_ = true;
        // Queued: runs once the whole frame is painted and handed to the window system.
        QTimer::singleShot(0, [] {
            std::puts(kFirstFrameLine);
            std::fflush(stdout);
            std::_Exit(0);
        });
        return false;
    }

private:
    const QWidget& window_;
    bool painted_ = false;
};

}  // namespace

int runGameToFirstFrame(int argc, char** argv) {
    // As the program starts, settings and all, but never with the player's own settings.
    QStandardPaths::setTestModeEnabled(true);
    QApplication application(argc, argv);
    QApplication::setApplicationName(desktop::kApplicationTitle);
    desktop::Game game(std::make_unique<QSettings>(QStringLiteral("bench-view.ini"), QSettings::IniFormat));
    FirstFrameWatcher watcher(game.mainWindow);
    game.start();
    return QApplication::exec();
}

int runBareWindowToFirstFrame(int argc, char** argv) {
    QApplication application(argc, argv);
    QMainWindow window;
    auto* picture = new PictureWidget(&window);
    picture->image = QImage(QString::fromLatin1(kIntroPicture));
    window.setCentralWidget(picture);
    window.resize(app::kWindowWidth, app::kWindowHeight);
    FirstFrameWatcher watcher(window);
    window.showMaximized();
    return QApplication::exec();
}

StartupFigures measureStartup(const std::string& self, int runs) {
    StartupFigures figures;
    std::vector<double> game;
    std::vector<double> floor;
    for (int round = 0; round <= runs; ++round) {
        const ChildRun gameRun = runChild(self, {"--child", "startup-game"}, kChildTimeoutMs);
        const ChildRun floorRun = runChild(self, {"--child", "startup-floor"}, kChildTimeoutMs);
        for (const ChildRun* run : {&gameRun, &floorRun}) {
            if (run->firstLineMs < 0 || run->exitCode != 0) {
                figures.error = run == &gameRun ? "the game never painted its first frame" : "the bare window never painted";
                return figures;
            }
        }
        if (round == 0) continue;  // the first round warms the file cache
        game.push_back(gameRun.firstLineMs);
        floor.push_back(floorRun.firstLineMs);
    }
    figures.gameMs = median(game);
    figures.floorMs = median(floor);
    figures.runs = runs;
    return figures;
}

}  // namespace bench
