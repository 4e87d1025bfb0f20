// How the labels of the picture stack look: the caption in lime, the till digits on white.
#pragma once

#include "desktop/layout_scale.hpp"
#include "info/text_style.hpp"
#include "ui/component.hpp"

#include <QColor>
#include <QFont>
#include <QRect>

#include <optional>
#include <string>

namespace desktop {

struct LabelLook {
    info::TextStyle style;
    std::optional<QColor> background;  // none: transparent
    bool narrow = false;               // the narrow face of the game's font
};

LabelLook labelLook(const std::string& name);
QFont labelFont(const LabelLook& look);
// The label's font at the layout's scale: text is drawn at the size it is shown, never enlarged as a picture.
QFont scaledLabelFont(const LabelLook& look, const LayoutScale& scale);

// The rectangle a label takes: it sizes itself to its text, one line per line feed.
QRect labelRect(const ui::Component& label);

}  // namespace desktop
