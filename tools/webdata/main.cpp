// kvelnor-webdata DATA_DIR SITE_DATA_DIR: the game's pictures and sounds made ready for the page.
#include "site_data.hpp"


#include <QCoreApplication>

#include <cstdio>

int main(int argc, char** argv) {
    const QCoreApplication application(argc, argv);  // finds Qt's image format plugins
    if (argc != 3) {
        std::fprintf(stderr, "Použití: kvelnor-webdata DATA_DIR SITE_DATA_DIR\n");
        return 2;
    }
    QString message;
    const auto done = webdata::convert(QString::fromLocal8Bit(argv[1]), QString::fromLocal8Bit(argv[2]), message);
    if (!done) {
        std::fprintf(stderr, "%s\n", message.toUtf8().constData());
        return 1;
    }
    std::printf("%d pictures, %d sounds, %d catalogues, %lld bytes\n", done->pictures, done->sounds, done->catalogues,
                static_cast<long long>(done->bytes));
    return 0;
}
