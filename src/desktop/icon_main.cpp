// kvelnor-icon OUT.png [SIZE]: writes the game's icon for the desktop menu entry.
#include "desktop/game_icon.hpp"

#include <QGuiApplication>

#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv) {
    if (argc < 2 || argc > 3) {
        std::fputs("usage: kvelnor-icon OUT.png [SIZE]\n", stderr);
        return 2;
    }
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    const int size = argc == 3 ? std::atoi(argv[2]) : 256;
    if (size < 16 || size > 1024) {
        std::fputs("kvelnor-icon: SIZE is 16 to 1024\n", stderr);
        return 2;
    }
    if (!desktop::renderIcon(size).save(QString::fromLocal8Bit(argv[1]), "PNG")) {
        std::fprintf(stderr, "kvelnor-icon: cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
