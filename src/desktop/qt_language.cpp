#include "desktop/qt_language.hpp"

#include <QLibraryInfo>
#include <QLocale>
#include <QPointer>
#include <QTranslator>

namespace desktop {

bool useQtLanguage(QCoreApplication& application, const std::string& language) {
    static QPointer<QTranslator> installed;
    const QString code = QString::fromStdString(language);
    QLocale::setDefault(QLocale(code));
    if (installed != nullptr) {
        QCoreApplication::removeTranslator(installed);
        delete installed;
    }
    // Qt's texts are written in English.
    if (language == "en") return true;
    // Loaded by the game's language, not by the system's locale.
    auto* translator = new QTranslator(&application);
    const QString directory = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    if (!translator->load(QStringLiteral("qtbase_") + code, directory) || !QCoreApplication::installTranslator(translator)) {
        delete translator;
        qWarning("Kvelnor: Qt translation qtbase_%s.qm is missing in %s, the windows' buttons stay in English.",
                 qUtf8Printable(code), qUtf8Printable(directory));
        return false;
    }
    installed = translator;
    return true;
}

}  // namespace desktop
