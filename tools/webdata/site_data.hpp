// The game's data made ready for the browser: every picture as WebP (decoded by every current
// browser) under its own name with the extension changed, the sounds and the translation
// catalogues (lang/) as they are, and a list
// that maps each name the game asks for to the file the page fetches.
#pragma once

#include <QString>

#include <optional>

namespace webdata {

struct Converted {
    int pictures = 0;
    int sounds = 0;
    int catalogues = 0;
    qint64 bytes = 0;  // written, list included
};

// Converts DATA_DIR's files into SITE_DATA_DIR and writes SITE_DATA_DIR/files.json, whose keys
// are "data/NAME" as the game names them. Nothing when a file cannot be read or written; the
// message names it.
std::optional<Converted> convert(const QString& dataDir, const QString& siteDataDir, QString& message);

}  // namespace webdata
