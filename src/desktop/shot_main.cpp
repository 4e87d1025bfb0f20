// kvelnor-shot SCENARIO OUT.png: plays a kvelnor-script scenario without a window, then draws the
// real main window in that state, as a player would see it, into a PNG.
#include "app/component_table.hpp"
#include "desktop/cursors.hpp"
#include "desktop/main_window.hpp"
#include "script/action.hpp"
#include "script/session.hpp"

#include <QApplication>
#include <QMenuBar>
#include <QPixmap>

#include <fstream>
#include <iostream>
#include <string>
#include <vector>

namespace {

constexpr int kExitMalformed = 2;
constexpr int kExitCannotWrite = 1;
// The picture shows the layout down to the text panel and a margin below it.
constexpr int kShotMargin = 8;

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

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::cerr << "usage: kvelnor-shot SCENARIO OUT.png\n"
                     "Plays the kvelnor-script SCENARIO in the current directory (which holds data/),\n"
                     "then saves the main window as the player would see it.\n";
        return kExitMalformed;
    }
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);

    std::vector<script::Action> actions;
    if (!readActions(argv[1], actions)) return kExitMalformed;
    script::Session session;
    for (const script::Action& action : actions) session.execute(action);

    const desktop::CursorTable cursors;
    desktop::MainWindow window(*session.form, cursors, nullptr);
    window.refresh();
    const int layoutBottom = app::kPanelRect.top + app::kPanelRect.height + kShotMargin;
    window.resize(app::kWindowWidth, window.menuBar()->sizeHint().height() + layoutBottom);
    window.show();
    QApplication::processEvents();
    if (!window.grab().save(QString::fromLocal8Bit(argv[2]), "PNG")) {
        std::cerr << "kvelnor-shot: cannot write " << argv[2] << "\n";
        return kExitCannotWrite;
    }
    return 0;
}
