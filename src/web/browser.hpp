// What the web front end asks of the page around it: the site's files, sound, boxes and windows.
#pragma once

#include "ui/platform.hpp"

#include <string>

namespace web {

class Browser {
public:
    virtual ~Browser() = default;
    // True when the site carries the data file the game names (the page knows the list).
    virtual bool hasFile(const std::string& path) = 0;
    virtual void playSound(const std::string& path) = 0;
    // A page dialog; each returns only when the player has closed it.
    virtual void inform(const std::string& text) = 0;
    virtual bool ask(const std::string& caption, const std::string& text) = 0;
    // Opens an information window over the page; returns at once.
    virtual void showWindow(ui::InfoWindow which) = 0;
    virtual void quit() = 0;
    // The player's local date and time as a saved position shows it: "9. 12. 2026 14:05".
    virtual std::string savedAtNow() = 0;
};

}  // namespace web
