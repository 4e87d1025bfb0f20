#include "desktop/label_looks.hpp"

#include "desktop/fonts.hpp"

#include <QFontMetrics>
#include <QString>

namespace desktop {

namespace {
constexpr std::uint32_t kLime = 0x00FF00;
}

LabelLook labelLook(const std::string& name) {
    // The location caption stands at 672 in the 912-pixel-wide scene: in the wide face its
    // first line would run past the picture's right edge.
    if (name == "lblX")
        return {.style = {.pixelSize = 16, .bold = true, .rgb = kLime}, .background = std::nullopt, .narrow = true};
    if (name == "lblkasa1" || name == "lblkasa2")
        return {.style = {.pixelSize = 13, .bold = true, .rgb = info::kBlack}, .background = QColor(Qt::white)};
    return {.style = info::kDefaultText, .background = std::nullopt};
}

QFont labelFont(const LabelLook& look) {
    QFont font = styleFont(look.style);
    if (look.narrow) font.setFamily(kNarrowFontFamily);
    return font;
}

QFont scaledLabelFont(const LabelLook& look, const LayoutScale& scale) {
    QFont font = labelFont(look);
    font.setPixelSize(scale.pixels(look.style.pixelSize));
    return font;
}

QRect labelRect(const ui::Component& label) {
    const QFontMetrics metrics(labelFont(labelLook(label.name())));
    const QSize size = label.text().empty() ? QSize(0, 0) : metrics.size(0, QString::fromStdString(label.text()));
    return {label.rect().left, label.rect().top, size.width(), size.height()};
}

}  // namespace desktop
