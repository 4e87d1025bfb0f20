#include "desktop/frame_theme.hpp"

#include "app/component_table.hpp"
#include "desktop/fonts.hpp"
#include "inventory/item_catalogue.hpp"

#include <QFontMetrics>
#include <QImage>
#include <QLabel>
#include <QLinearGradient>
#include <QPalette>
#include <QPainter>

#include <algorithm>

#include <cstdint>

namespace desktop {

namespace {

// Colours of the scenes' palette: the village's wood, plaster, signs and roofs.
const QColor kWoodDark(96, 62, 40);
const QColor kWoodMid(140, 96, 58);
const QColor kWoodLight(190, 148, 96);
const QColor kPlasterCream(236, 214, 168);
const QColor kSignCream(246, 236, 206);
const QColor kInk(34, 30, 28);
const QColor kRoofTile(176, 78, 52);
const QColor kStoneDark(92, 88, 84);

constexpr int kButtonFontLayoutPixels = 12;
constexpr int kListFontLayoutPixels = 11;  // the narrow face: "Služební průkaz" on one line
constexpr int kListBorderLayoutPixels = 1;
constexpr int kListSidePaddingLayoutPixels = 0;
constexpr int kItemTextMargins = 8;  // screen pixels the item view and its style keep beside a row's text
constexpr int kGrainTileWidth = 256;  // layout pixels; the grain repeats across the layout
constexpr int kGrainTileHeight = 96;

QString css(const QColor& colour) { return colour.name(QColor::HexRgb); }

// A plank's grain: long streaks along x, darker rings, a little noise; deterministic.
QImage grainTile(const LayoutScale& scale) {
    const QRect device = scale.deviceRect({0, 0, kGrainTileWidth, kGrainTileHeight});
    QImage tile(device.size(), QImage::Format_RGB32);
    std::uint32_t seed = 0x9E3779B9u;
    const auto noise = [&seed] {
        seed ^= seed << 13;
        seed ^= seed >> 17;
        seed ^= seed << 5;
        return static_cast<int>(seed % 9) - 4;
    };
    for (int y = 0; y < tile.height(); ++y) {
        const double v = y / scale.deviceFactor();
        // Rings: a slow wave across the plank, sharpened where it peaks.
        const int ring = static_cast<int>(v * 7) % 23 == 0 ? -14 : (static_cast<int>(v * 3) % 11 == 0 ? -6 : 0);
        auto* line = reinterpret_cast<QRgb*>(tile.scanLine(y));
        for (int x = 0; x < tile.width(); ++x) {
            const int streak = ((x * 7 + y * 131) / std::max(1, static_cast<int>(scale.deviceFactor() * 9))) % 5 == 0 ? -5 : 0;
            const int shade = ring + streak + noise();
            line[x] = qRgb(std::clamp(kWoodDark.red() + shade, 0, 255), std::clamp(kWoodDark.green() + shade, 0, 255),
                           std::clamp(kWoodDark.blue() + shade / 2, 0, 255));
        }
    }
    return tile;
}

}  // namespace

QString frameStyleSheet(const LayoutScale& scale) {
    const int border = scale.pixels(2);
    const int radius = scale.pixels(4);
    const int listBorder = scale.pixels(kListBorderLayoutPixels);
    const int rowPadding = scale.pixels(4);
    const int sidePadding = scale.pixels(kListSidePaddingLayoutPixels);
    return QStringLiteral(
               "QPushButton { color: %1; border: %2px solid %3; border-radius: %4px;"
               " background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 %5, stop:1 %6); }"
               "QPushButton:hover { background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 %7, stop:1 %5); }"
               "QPushButton:pressed { background: %6; }"
               // Held down (Spojit while a combination is armed): shaded from the top, as if sunk.
               "QPushButton:checked { border-color: %13;"
               " background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 %15, stop:0.35 %6, stop:1 %6); }"
               "QPushButton:disabled { color: %8; }"
               "QListWidget#%9 { color: %1; background: %10; border: %14px solid %3; border-radius: %4px; outline: 0; }"
               "QListWidget#%9::item { padding: %11px %12px; border-bottom: 1px solid %7; }"
               "QListWidget#%9::item:selected { color: %10; background: %13; }"
               "QListWidget#%9:disabled { color: %8; }")
        .arg(css(kInk))
        .arg(border)
        .arg(css(kWoodDark))
        .arg(radius)
        .arg(css(kWoodLight.lighter(115)))
        .arg(css(kWoodLight))
        .arg(css(kPlasterCream))
        .arg(css(kStoneDark))
        .arg(QString::fromLatin1(kInventoryListName))
        .arg(css(kSignCream))
        .arg(rowPadding)
        .arg(sidePadding)
        .arg(css(kRoofTile))
        .arg(listBorder)
        .arg(css(kWoodMid));
}

void dressTextPanel(QFrame& panel, const LayoutScale& scale) {
    QLinearGradient plaster(0, 0, 0, 1);
    plaster.setCoordinateMode(QGradient::ObjectMode);
    plaster.setColorAt(0, kSignCream);
    plaster.setColorAt(1, kPlasterCream);
    QPalette palette = panel.palette();
    palette.setBrush(QPalette::Window, plaster);
    palette.setColor(QPalette::WindowText, kWoodDark);  // the edge of a plain frame
    panel.setPalette(palette);
    for (QLabel* text : panel.findChildren<QLabel*>()) {
        QPalette ink = text->palette();
        ink.setColor(QPalette::WindowText, kInk);
        text->setPalette(ink);
    }
    panel.setAutoFillBackground(true);
    panel.setFrameStyle(QFrame::Box | QFrame::Plain);
    panel.setLineWidth(scale.pixels(2));
}

QPixmap frameBackdrop(const LayoutScale& scale) {
    const QRect device = scale.deviceRect({0, 0, app::kWindowWidth, app::kWindowHeight});
    QPixmap backdrop(device.size());
    backdrop.setDevicePixelRatio(scale.pixelRatio());
    QPainter painter(&backdrop);
    QPixmap tile = QPixmap::fromImage(grainTile(scale));
    tile.setDevicePixelRatio(scale.pixelRatio());
    painter.drawTiledPixmap(QRectF(QPointF(0, 0), QSizeF(device.size()) / scale.pixelRatio()), tile);
    // A dark groove around the scene picture sets it into the frame like a painting.
    const ui::Rect& scene = app::kSceneRect;
    const int groove = 3;
    painter.fillRect(scale.logicalRect({scene.left - groove, scene.top, scene.width + 2 * groove, scene.height + groove}),
                     kWoodDark.darker(170));
    return backdrop;
}

QColor letterboxColour() { return kWoodDark.darker(260); }

QFont lineFont(const LayoutScale& scale, bool larger) {
    return gameFont(scale.pixels(larger ? kLargerLineFontLayoutPixels : kLineFontLayoutPixels));
}

QFont buttonFont(const LayoutScale& scale) { return gameFont(scale.pixels(kButtonFontLayoutPixels), true); }

QFont listFont(const LayoutScale& scale, int listWidth) {
    // The list's border, the rows' side padding and the item view's own text margins.
    const int textWidth = listWidth - 2 * scale.pixels(kListBorderLayoutPixels) - 2 * scale.pixels(kListSidePaddingLayoutPixels) -
                          kItemTextMargins;
    QFont font = narrowFont(scale.pixels(kListFontLayoutPixels));
    while (font.pixelSize() > 1) {
        const QFontMetrics metrics(font);
        bool fits = true;
        for (const inventory::CatalogueItem& item : inventory::catalogue())
            fits = fits && metrics.horizontalAdvance(QString::fromUtf8(item.caption)) <= textWidth;
        if (fits) break;
        font.setPixelSize(font.pixelSize() - 1);
    }
    return font;
}

}  // namespace desktop
