// kvelnor: the game in its desktop window.
#include "desktop/qt_language.hpp"
#include "desktop/game.hpp"
#include "desktop/game_directory.hpp"
#include "desktop/view_settings.hpp"

#include <QApplication>
#include <QDir>

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    QApplication::setApplicationName(desktop::kApplicationTitle);
    desktop::useCzech(application);
    const QString installedData = QApplication::applicationDirPath() + QStringLiteral("/" KVELNOR_DATA_FROM_PROGRAM);
    const QStringList arguments = QApplication::arguments();
    // The installed launcher always plays in the player's own directory, wherever it is started.
    if (arguments.contains(QString::fromLatin1(desktop::kPlayerDirectoryOption)))
        desktop::enterPlayerDirectory(installedData);
    else
        desktop::enterGameDirectory(installedData);
    if (arguments.contains(QString::fromLatin1(desktop::kFirstCheckpointOption)))
        desktop::makeFirstCheckpoint(QDir::currentPath());
    desktop::Game game(desktop::playerSettings());
    // "--language en": this run (and the next, as if chosen in the menu) in that language.
    const qsizetype language = arguments.indexOf(QStringLiteral("--language"));
    if (language > 0 && language + 1 < arguments.size()) game.setLanguage(arguments.at(language + 1).toStdString());
    game.start();
    return QApplication::exec();
}
