// The game's fonts: DejaVu Sans stands in for the designed "MS Sans Serif"; sizes are in pixels.
#pragma once

#include "info/text_style.hpp"

#include <QColor>
#include <QFont>

namespace desktop {

inline constexpr const char* kFontFamily = "DejaVu Sans";
// The same face, narrower: the 89-pixel inventory list needs it to show "Služební průkaz" on one line.
inline constexpr const char* kNarrowFontFamily = "DejaVu Sans Condensed";
inline constexpr int kDefaultFontPixels = 11;  // the windows' default font
inline constexpr int kLineFontPixels = 13;     // the dialogue line in the text panel

QFont gameFont(int pixelSize, bool bold = false);
QFont narrowFont(int pixelSize);
QFont styleFont(const info::TextStyle& style);
QColor styleColour(const info::TextStyle& style);

}  // namespace desktop
