// Looks at a Windows bitmap or WAV file without decoding it: its header is one the game can draw
// or play, and the file holds all the data the header announces (no file cut short).
#pragma once

#include "ui/platform.hpp"

#include <string>

namespace ui {

// By the file's extension, .bmp or .wav; any other file only has to exist and be readable.
FileHealth checkDataFile(const std::string& path);

}  // namespace ui
