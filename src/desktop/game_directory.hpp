// Where the game plays: it reads data/ and writes data.dat in its working directory.
#pragma once

#include <QString>

namespace desktop {

// The command-line word of the installed launcher: always play in the player's own directory.
inline constexpr const char* kPlayerDirectoryOption = "--player-directory";
// The command-line word of the play command (scripts/play.sh): play where a start by hand plays,
// and give that directory a first checkpoint file as the player's own directory gets.
inline constexpr const char* kFirstCheckpointOption = "--first-checkpoint";

// The player's own directory of the installed game: $XDG_DATA_HOME/kvelnor, by default
// ~/.local/share/kvelnor.
QString playerDirectory();

// Writes a data.dat holding 0 into directory when it has none, so that start-up finds a checkpoint
// file that offers nothing instead of naming a missing file. An existing data.dat is never touched.
void makeFirstCheckpoint(const QString& directory);

// Moves to the player's own directory, making it on the first start: data/ linked to the
// installed pictures and sounds found at installedData (a stale link is replaced), and a data.dat
// holding 0 so that the first start-up finds a checkpoint file that offers nothing. An existing
// data.dat is never touched. False when the directory cannot be made or entered.
bool enterPlayerDirectory(const QString& installedData);

// Stays in the working directory when data/ is there (the build directory, or a copy of the
// game). Otherwise moves to the player's own directory as above. False when neither works; the
// game then runs where it was started and names every picture it cannot read.
bool enterGameDirectory(const QString& installedData);

}  // namespace desktop
