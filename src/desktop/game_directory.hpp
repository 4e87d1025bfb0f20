// Where the game plays: it reads data/ and writes data.dat in its working directory.
#pragma once

#include <QString>

namespace desktop {

// Stays in the working directory when data/ is there (the build directory). Otherwise, for an
// installed game, moves to the player's own directory, where data.dat can be written, with data/
// linked to the installed pictures and sounds found at installedData. False when neither works;
// the game then runs where it was started and names every picture it cannot read.
bool enterGameDirectory(const QString& installedData);

}  // namespace desktop
