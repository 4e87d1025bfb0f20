// kvelnor: the game in its desktop window.
#include "desktop/game.hpp"
#include "desktop/game_directory.hpp"
#include "desktop/game_icon.hpp"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    QApplication::setApplicationName(desktop::kApplicationTitle);
    QApplication::setWindowIcon(desktop::gameIcon());
    desktop::enterGameDirectory(QApplication::applicationDirPath() + QStringLiteral("/" KVELNOR_DATA_FROM_PROGRAM));
    desktop::Game game;
    game.start();
    return QApplication::exec();
}
