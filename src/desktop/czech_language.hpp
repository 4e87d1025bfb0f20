// Qt's own texts in Czech: the buttons of the question and message boxes, and whatever else the
// toolkit itself may show a player.
#pragma once

#include <QCoreApplication>

namespace desktop {

// Makes Czech the language of the application whatever the system's locale: installs Qt's own
// Czech translation and makes Czech the default locale. False when the translation is not
// installed; Qt's standard texts then stay in English, and a warning says so.
bool useCzech(QCoreApplication& application);

}  // namespace desktop
