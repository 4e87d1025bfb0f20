#include "desktop/czech_language.hpp"

#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace desktop {

bool useCzech(QCoreApplication& application) {
    QLocale::setDefault(QLocale(QLocale::Czech, QLocale::Czechia));
    // Loaded by its own name, not by the system's locale: the game speaks Czech everywhere.
    auto* translator = new QTranslator(&application);
    const QString directory = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    if (!translator->load(QStringLiteral("qtbase_cs"), directory) || !QCoreApplication::installTranslator(translator)) {
        delete translator;
        qWarning("Kvelnor: Český překlad Qt (qtbase_cs.qm) v %s chybí, tlačítka oken zůstanou anglicky.",
                 qUtf8Printable(directory));
        return false;
    }
    return true;
}

}  // namespace desktop
