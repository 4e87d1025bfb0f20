// The six cursor pictures of the game as rows of text, with the numbers they are registered under.
#pragma once

#include "app/game_state.hpp"

#include <array>
#include <string_view>

namespace desktop {

inline constexpr int kCursorSize = 32;
inline constexpr int kCursorArtCount = 6;
inline constexpr char kCursorBlack = '#';
inline constexpr char kCursorWhite = '.';

using CursorArt = std::array<std::string_view, kCursorSize>;

struct NamedCursorArt {
    int number;        // app::Cursor
    const char* name;  // the game's name for it
    const CursorArt* rows;
    int hotX;  // the pixel that clicks: an arrow's tip, the middle of the lips or the hand
    int hotY;
};

const std::array<NamedCursorArt, kCursorArtCount>& cursorArt();

}  // namespace desktop
