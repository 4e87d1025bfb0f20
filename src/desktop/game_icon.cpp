#include "desktop/game_icon.hpp"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace desktop {

QImage renderIcon(int size) {
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / 64.0, size / 64.0);  // drawn on a 64 x 64 grid

    // Night sky in a rounded tile, the moon, and the village's roofs and church tower.
    QPainterPath tile;
    tile.addRoundedRect(QRectF(2, 2, 60, 60), 10, 10);
    QLinearGradient sky(0, 2, 0, 62);
    sky.setColorAt(0, QColor(0x1b, 0x26, 0x4a));
    sky.setColorAt(1, QColor(0x3b, 0x4f, 0x7a));
    p.fillPath(tile, sky);
    p.setClipPath(tile);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xf5, 0xe6, 0xa8));
    p.drawEllipse(QPointF(47, 14), 7, 7);
    p.setBrush(QColor(0x12, 0x16, 0x22));
    p.drawPolygon(QPolygonF({{0, 64}, {0, 44}, {8, 36}, {16, 44}, {16, 40}, {22, 40}, {22, 30}, {25, 22}, {28, 30},
                             {28, 42}, {36, 34}, {44, 42}, {52, 42}, {52, 38}, {58, 38}, {58, 44}, {64, 44}, {64, 64}}));
    p.setBrush(QColor(0xff, 0xd4, 0x5a));
    for (const QRectF& window : {QRectF(6, 46, 3, 4), QRectF(33, 44, 3, 4), QRectF(46, 48, 3, 4), QRectF(24, 34, 2, 3)})
        p.drawRect(window);

    // The magnifying glass of the investigation.
    p.setClipping(false);
    p.setBrush(QColor(255, 255, 255, 60));
    p.setPen(QPen(QColor(0xc8, 0x3c, 0x2c), 4.5));
    p.drawEllipse(QPointF(27, 36), 12, 12);
    p.setPen(QPen(QColor(0xc8, 0x3c, 0x2c), 6.5, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(36, 45), QPointF(50, 58));
    return image;
}

QIcon gameIcon() {
    QIcon icon;
    for (int size : {16, 24, 32, 48, 64, 128, 256}) icon.addPixmap(QPixmap::fromImage(renderIcon(size)));
    return icon;
}

}  // namespace desktop
