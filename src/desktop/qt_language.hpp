// Qt's own texts in the game's language: the buttons of the question and message boxes, and
// whatever else the toolkit itself may show a player.
#pragma once

#include <QCoreApplication>

#include <string>

namespace desktop {

// Makes the language (a code: "cs", "en") the application's, whatever the system's locale:
// installs Qt's own translation into it (English needs none) in place of the one before, and
// makes it the default locale. False when Qt's translation is not installed; Qt's standard
// texts then stay in English, and a warning says so.
bool useQtLanguage(QCoreApplication& application, const std::string& language);

// Czech, the game's own language.
inline bool useCzech(QCoreApplication& application) { return useQtLanguage(application, "cs"); }

}  // namespace desktop
