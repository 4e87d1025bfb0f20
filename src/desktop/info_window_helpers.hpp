// Small helpers shared by the Controls and About windows.
#pragma once

#include "ui/catalogue.hpp"

#include "info/controls_text.hpp"

#include <QLabel>
#include <QWidget>

namespace desktop {

// A label with a text of the information windows in its style, at its design place; a design
// size is kept unless the text needs more, so no text is ever cut off.
QLabel* addPlacedText(const info::PlacedText& text, QWidget* parent, const ui::Catalogue& catalogue);
// Shows a placed text in the catalogue's language where the label stands, grown to the text.
void placeText(QLabel& label, const info::PlacedText& text, const ui::Catalogue& catalogue);

// Centres a window on the screen it is on.
void centreOnScreen(QWidget& window);

}  // namespace desktop
