// Small helpers shared by the Controls and About windows.
#pragma once

#include "info/controls_text.hpp"

#include <QLabel>
#include <QWidget>

namespace desktop {

// A label with a text of the information windows in its style, at its design place; a design
// size is kept unless the text needs more, so no text is ever cut off.
QLabel* addPlacedText(const info::PlacedText& text, QWidget* parent);

// Centres a window on the screen it is on.
void centreOnScreen(QWidget& window);

}  // namespace desktop
