// The screen cursor table: the game's six cursors entered under their numbers 1 to 6.
#pragma once

#include "desktop/cursor_art.hpp"

#include <QCursor>

#include <map>

namespace desktop {

// A two-colour cursor from its text rows, hot spot at the top-left pixel.
QCursor makeCursor(const CursorArt& art);

class CursorTable {
public:
    // Registers the six cursors; needs the application object.
    CursorTable();

    // The cursor of that number; the system arrow for 0 and numbers never registered.
    [[nodiscard]] QCursor cursor(int number) const;
    [[nodiscard]] bool isRegistered(int number) const { return table_.contains(number); }

private:
    std::map<int, QCursor> table_;
};

}  // namespace desktop
