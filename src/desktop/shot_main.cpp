// kvelnor-shot [--size WxH] [--scale F] SCENARIO OUT.png: plays a kvelnor-script scenario without a
// window, then draws the real main window in that state, as a player would see it, into a PNG:
// by default the layout at its designed size, with --size a window of that size (the layout
// scaled into it), with --scale on a screen of that device pixel ratio.
#include "app/component_table.hpp"
#include "desktop/cursors.hpp"
#include "desktop/main_window.hpp"
#include "desktop/view_menu.hpp"
#include "script/action.hpp"
#include "script/session.hpp"

#include <QApplication>
#include <QMenuBar>
#include <QPixmap>

#include <fstream>
#include <iostream>
#include <optional>
#include <string>
#include <vector>

namespace {

constexpr int kExitMalformed = 2;
constexpr int kExitCannotWrite = 1;

bool readActions(const std::string& file, std::vector<script::Action>& actions) {
    std::ifstream in(file);
    if (!in) {
        std::cerr << "kvelnor-shot: cannot read " << file << "\n";
        return false;
    }
    std::string line;
    for (int number = 1; std::getline(in, line); ++number) {
        const script::ParseResult parsed = script::parseAction(line);
        if (!parsed.error.empty()) {
            std::cerr << file << ":" << number << ": " << parsed.error << ": " << line << "\n";
            return false;
        }
        if (parsed.action) actions.push_back(*parsed.action);
    }
    return true;
}

constexpr const char* kUsage =
    "usage: kvelnor-shot [--size WxH] [--scale F] SCENARIO OUT.png\n"
    "Plays the kvelnor-script SCENARIO in the current directory (which holds data/),\n"
    "then saves the main window as the player would see it.\n"
    "  --size WxH  the window's size in screen pixels (default: the layout's own size)\n"
    "  --scale F   the screen's device pixel ratio, 1 to 4 (default 1); the picture has\n"
    "              F times the pixels of the window, as on a high-density screen\n";

struct ShotOptions {
    std::optional<QSize> size;
    double scale = 1.0;
    std::string scenario;
    std::string out;
    std::string error;
};

ShotOptions parseOptions(const std::vector<std::string>& args) {
    constexpr int kLargest = 16384;
    constexpr double kMostScale = 4.0;
    ShotOptions options;
    std::vector<std::string> files;
    for (std::size_t n = 0; n < args.size(); ++n) {
        const std::string& arg = args[n];
        if (arg != "--size" && arg != "--scale") {
            files.push_back(arg);
            continue;
        }
        if (n + 1 >= args.size()) {
            options.error = arg + " needs a value";
            return options;
        }
        const QString value = QString::fromStdString(args[++n]);
        bool ok = false;
        if (arg == "--size") {
            const QStringList parts = value.split(QLatin1Char('x'));
            bool okHeight = false;
            const int width = parts.size() == 2 ? parts[0].toInt(&ok) : 0;
            const int height = parts.size() == 2 ? parts[1].toInt(&okHeight) : 0;
            if (!ok || !okHeight || width < 1 || height < 1 || width > kLargest || height > kLargest) {
                options.error = "--size wants WIDTHxHEIGHT in pixels, like 1920x1080, not " + value.toStdString();
                return options;
            }
            options.size = QSize(width, height);
        } else {
            options.scale = value.toDouble(&ok);
            if (!ok || options.scale < 1.0 || options.scale > kMostScale) {
                options.error = "--scale wants a number from 1 to 4, not " + value.toStdString();
                return options;
            }
        }
    }
    if (files.size() != 2) {
        options.error = "wants a scenario and an output file";
        return options;
    }
    options.scenario = files[0];
    options.out = files[1];
    return options;
}

}  // namespace

int main(int argc, char** argv) {
    const ShotOptions options = parseOptions(std::vector<std::string>(argv + 1, argv + argc));
    if (!options.error.empty()) {
        std::cerr << "kvelnor-shot: " << options.error << "\n" << kUsage;
        return kExitMalformed;
    }
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    // The screen's pixel ratio is Qt's to set, and only before the application exists.
    if (options.scale != 1.0) qputenv("QT_SCALE_FACTOR", QByteArray::number(options.scale));
    QApplication application(argc, argv);

    std::vector<script::Action> actions;
    if (!readActions(options.scenario, actions)) return kExitMalformed;
    script::Session session;
    for (const script::Action& action : actions) session.execute(action);

    const desktop::CursorTable cursors;
    desktop::MainWindow window(*session.form, cursors, nullptr);
    window.viewMenu().retranslate(session.form->catalogue());
    window.refresh();
    if (options.size) {
        // Logical pixels: the window covers that many screen pixels at the ratio.
        window.resize(static_cast<int>(options.size->width() / options.scale),
                      static_cast<int>(options.size->height() / options.scale));
    } else {
        window.resize(app::kWindowWidth, window.menuBar()->sizeHint().height() + app::kWindowHeight);
    }
    window.show();
    QApplication::processEvents();
    if (!window.grab().save(QString::fromStdString(options.out), "PNG")) {
        std::cerr << "kvelnor-shot: cannot write " << options.out << "\n";
        return kExitCannotWrite;
    }
    return 0;
}
