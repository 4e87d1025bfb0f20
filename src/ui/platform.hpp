// Everything the game rules ask of the outside world; the desktop implements it with Qt.
#pragma once

#include <string>

namespace ui {

enum class InfoWindow { Controls, About };

// What a look at a data file found, before anything is loaded from it.
enum class FileHealth {
    Readable,
    Missing,     // no file of that name
    Unreadable,  // there, but cut short, damaged, too large or not readable at all
};

class Platform {
public:
    virtual ~Platform() = default;
    // Looks at a picture or sound file without loading it whole: whether it is there and can be
    // drawn or played. The start-up check asks this of every file the game will need.
    virtual FileHealth checkFile(const std::string& path) = 0;
    // Decodes the picture file; false when it is missing or unreadable.
    virtual bool loadPicture(const std::string& path) = 0;
    // Plays a WAV file without waiting; a new sound cuts off the one playing. False when the
    // file is missing or unreadable (no audio device is not a failure: the game is silent).
    virtual bool playSound(const std::string& path) = 0;
    // An information box with one OK button.
    virtual void inform(const std::string& text) = 0;
    // A Yes/No question box; true for Yes.
    virtual bool ask(const std::string& caption, const std::string& text) = 0;
    // Shows an information window modally.
    virtual void showWindow(InfoWindow which) = 0;
    // Ends the program after the current handler.
    virtual void quit() = 0;
};

}  // namespace ui
