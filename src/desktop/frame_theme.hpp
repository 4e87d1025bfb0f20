// The game's frame around the scene: the buttons, the inventory list and the text panel dressed
// in the village's own colours (wood, cream plaster, ink, roof-tile red) through a style sheet, the
// layout's backdrop a wood grain, all sized for the layout's scale.
#pragma once

#include "desktop/layout_scale.hpp"

#include <QColor>
#include <QFont>
#include <QFrame>
#include <QPixmap>
#include <QString>

namespace desktop {

inline constexpr const char* kTextPanelName = "textPanel";
inline constexpr const char* kInventoryListName = "inventoryList";

// The dialogue line's size in layout pixels, normal and with "Větší písmo". The larger size is
// the largest at which every line, broken again where it is too long, still fits the panel.
inline constexpr int kLineFontLayoutPixels = 14;
inline constexpr int kLargerLineFontLayoutPixels = 17;

// The style sheet for the layout's buttons and list at that scale.
QString frameStyleSheet(const LayoutScale& scale);

// The text panel in cream plaster with a wood edge, by its palette: it is on screen from the
// first frame, before any style sheet is needed.
void dressTextPanel(QFrame& panel, const LayoutScale& scale);

// The layout's background at that scale, covering the whole layout (the scene lies on it).
QPixmap frameBackdrop(const LayoutScale& scale);

// The colour around the letterboxed layout.
QColor letterboxColour();

// Fonts of the frame at that scale.
QFont lineFont(const LayoutScale& scale, bool larger);
QFont buttonFont(const LayoutScale& scale);
// The list's narrow face at the scale, a pixel smaller where the longest item caption would
// otherwise need two lines in the list's width (text sizes do not shrink exactly with the scale).
QFont listFont(const LayoutScale& scale, int listWidth);

}  // namespace desktop
