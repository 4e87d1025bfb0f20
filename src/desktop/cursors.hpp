// The screen cursor table: the game's six cursors entered under their numbers 1 to 6, drawn
// sharp at the screen's device pixel ratio.
#pragma once

#include "desktop/cursor_art.hpp"

#include <QCursor>

#include <map>
#include <utility>

namespace desktop {

// A two-colour cursor from its text rows, each art pixel a square of device pixels at that
// ratio, hot spot at the art's hot spot.
QCursor makeCursor(const NamedCursorArt& art, double pixelRatio = 1.0);

class CursorTable {
public:
    // Registers the six cursors; needs the application object.
    CursorTable();

    // The cursor of that number drawn for a screen of that device pixel ratio; the system
    // arrow for 0 and numbers never registered.
    [[nodiscard]] QCursor cursor(int number, double pixelRatio = 1.0) const;
    [[nodiscard]] bool isRegistered(int number) const;

private:
    // By number and ratio; other ratios are drawn the first time a screen asks for them.
    mutable std::map<std::pair<int, double>, QCursor> table_;
};

}  // namespace desktop
