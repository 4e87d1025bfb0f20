// Sky, houses, doors, flag, street exits and shop windows for the outdoor scenes.
#include "street_kit.hpp"

#include "palette.hpp"
#include "scenery.hpp"

#include <QLinearGradient>

namespace artgen {

void streetSky(QPainter& p, StreetLight light, std::uint32_t seed) {
    const QRectF area(0, 0, 800, 340);
    Random r(seed);
    switch (light) {
        case StreetLight::Warm:
            sky(p, area, pal::skyWarmTop, pal::skyWarmBottom);
            sun(p, QPointF(130 + r.uniform(-30, 30), 70), 24, pal::sun);
            break;
        case StreetLight::Cool:
            sky(p, area, pal::skyCoolTop, pal::skyCoolBottom);
            sun(p, QPointF(660, 120), 20, QColor(255, 246, 214));
            break;
        case StreetLight::Dusk:
            sky(p, area, QColor(70, 70, 130), QColor(250, 160, 110));
            sun(p, QPointF(620, 280), 30, QColor(255, 190, 120));
            break;
        case StreetLight::Night:
            sky(p, area, pal::skyNightTop, pal::skyNightBottom);
            stars(p, QRectF(0, 0, 800, 220), 90, seed);
            p.save();
            p.setPen(Qt::NoPen);
            glow(p, QPointF(640, 80), 60, QColor(230, 230, 200, 80));
            p.setBrush(QColor(244, 240, 214));
            p.drawEllipse(QPointF(640, 80), 22, 22);
            p.restore();
            return;
    }
    const QColor cloudColour = light == StreetLight::Dusk ? QColor(250, 200, 180) : pal::cloud;
    for (int i = 0; i < 3; ++i) cloud(p, QPointF(r.uniform(200, 760), r.uniform(60, 170)), r.uniform(26, 42), cloudColour);
}

void house(QPainter& p, const QRectF& wall, QColor plaster, QColor roof, std::uint32_t seed) {
    Random r(seed);
    const qreal roofH = wall.width() * r.uniform(0.32, 0.45);
    if (r.range(0, 1)) chimney(p, QRectF(wall.left() + wall.width() * 0.7, wall.top() - roofH * 0.8, 14, roofH * 0.6), pal::brick);
    facade(p, wall, plaster, roof, roofH, r.range(0, 2) ? RoofStyle::Gable : RoofStyle::Hip, 10);
    const int columns = std::max(1, static_cast<int>(wall.width() / 60));
    const qreal step = wall.width() / columns;
    const bool twoStoreys = wall.height() > 120;
    for (int i = 0; i < columns; ++i) {
        const qreal x = wall.left() + step * i + step / 2 - 13;
        window(p, QRectF(x, wall.top() + 22, 26, 34), QColor(246, 242, 230), false, r.range(0, 2) == 0,
               r.range(0, 1) ? QColor(70, 110, 80) : QColor(120, 70, 50));
        if (twoStoreys && i != columns / 2) window(p, QRectF(x, wall.top() + 80, 26, 34), QColor(246, 242, 230));
    }
    if (twoStoreys) door(p, QRectF(wall.left() + step * (columns / 2) + step / 2 - 16, wall.bottom() - 62, 32, 50), pal::woodDark);
}

void townDoor(QPainter& p, const QRectF& frame) {
    // Steps in front.
    for (int i = 0; i < 3; ++i) {
        QPainterPath step;
        step.addRect(QRectF(frame.left() - 20 - i * 8, frame.bottom() - 12 + i * 6, frame.width() + 40 + i * 16, 8));
        paperShape(p, step, shade(pal::stone, 1.1 - i * 0.06), 0.6);
    }
    const QRectF leafArea = frame.adjusted(6, 6, -6, -18);
    QPainterPath surround;
    surround.addRect(frame.adjusted(0, 0, 0, -12));
    paperShape(p, surround, shade(pal::stone, 1.15), 0.9);
    const qreal half = leafArea.width() / 2;
    for (int side = 0; side < 2; ++side) {
        const QRectF leaf(leafArea.left() + side * half, leafArea.top(), half, leafArea.height());
        QLinearGradient g(leaf.topLeft(), leaf.topRight());
        g.setColorAt(0, shade(pal::woodDark, 1.15));
        g.setColorAt(1, shade(pal::woodDark, 0.85));
        p.fillRect(leaf, g);
        p.save();
        p.setPen(QPen(shade(pal::woodDark, 0.6), 2));
        p.drawRect(leaf.adjusted(6, 8, -6, -leaf.height() * 0.55));
        p.drawRect(leaf.adjusted(6, leaf.height() * 0.52, -6, -8));
        p.restore();
    }
    p.fillRect(QRectF(leafArea.center().x() - 1, leafArea.top(), 2, leafArea.height()), QColor(40, 24, 14));
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(220, 186, 90));
    p.drawEllipse(QPointF(leafArea.center().x() - 8, leafArea.center().y()), 3, 3);
    p.drawEllipse(QPointF(leafArea.center().x() + 8, leafArea.center().y()), 3, 3);
    p.restore();
}

void czechFlag(QPainter& p, QPointF mount, qreal width) {
    const qreal h = width * 0.66;
    p.save();
    p.setPen(QPen(QColor(70, 60, 50), 3, Qt::SolidLine, Qt::RoundCap));
    const QPointF tip = mount + QPointF(width * 0.2, -width * 0.45);
    p.drawLine(mount, tip);
    p.restore();
    const QRectF cloth(tip.x(), tip.y(), width, h);
    QPainterPath flag;
    flag.addRect(cloth);
    softShadow(p, flag, QPointF(3, 4), 4);
    p.fillRect(QRectF(cloth.left(), cloth.top(), width, h / 2), QColor(250, 250, 250));
    p.fillRect(QRectF(cloth.left(), cloth.top() + h / 2, width, h / 2), QColor(214, 30, 40));
    QPainterPath wedge;
    wedge.moveTo(cloth.topLeft());
    wedge.lineTo(cloth.left() + width / 2, cloth.center().y());
    wedge.lineTo(cloth.bottomLeft());
    wedge.closeSubpath();
    p.fillPath(wedge, QColor(20, 66, 150));
}

void streetExit(QPainter& p, bool rightSide, qreal groundY) {
    // A lighter lane of road curving out of the picture.
    QPainterPath lane;
    const qreal edge = rightSide ? 800 : 0;
    const qreal inner = rightSide ? 560 : 240;
    lane.moveTo(inner, 600);
    lane.cubicTo(inner, groundY + 60, (inner + edge) / 2, groundY + 20, edge, groundY + 4);
    lane.lineTo(edge, groundY + 70);
    lane.cubicTo((inner + edge) / 2 + (rightSide ? 40 : -40), groundY + 110, inner + (rightSide ? 120 : -120), 560,
                 inner + (rightSide ? 140 : -140), 600);
    lane.closeSubpath();
    QLinearGradient g(0, groundY, 0, 600);
    g.setColorAt(0, QColor(196, 180, 150, 150));
    g.setColorAt(1, QColor(150, 132, 108, 110));
    p.fillPath(lane, g);
}

void shopWindow(QPainter& p, const QRectF& frame, std::uint32_t seed) {
    Random r(seed);
    QPainterPath box;
    box.addRect(frame.adjusted(-6, -6, 6, 6));
    paperShape(p, box, pal::woodDark, 0.8);
    QLinearGradient g(frame.topLeft(), frame.bottomLeft());
    g.setColorAt(0, QColor(70, 80, 86));
    g.setColorAt(1, QColor(40, 46, 50));
    p.fillRect(frame, g);
    for (int s = 0; s < 3; ++s) {
        const qreal y = frame.top() + frame.height() * (s + 1) / 3.6;
        p.fillRect(QRectF(frame.left(), y, frame.width(), 4), pal::woodLight);
        for (qreal x = frame.left() + 6; x < frame.right() - 12; x += r.uniform(12, 18)) {
            const QColor c = QColor::fromHsv(r.range(0, 359), 140, 220);
            p.fillRect(QRectF(x, y - r.uniform(12, 22), 10, 22), c);
        }
    }
    QPainterPath shine;
    shine.moveTo(frame.left() + frame.width() * 0.6, frame.top());
    shine.lineTo(frame.left() + frame.width() * 0.8, frame.top());
    shine.lineTo(frame.left() + frame.width() * 0.4, frame.bottom());
    shine.lineTo(frame.left() + frame.width() * 0.2, frame.bottom());
    shine.closeSubpath();
    p.fillPath(shine, QColor(255, 255, 255, 45));
}

}  // namespace artgen

namespace artgen {

void edgeSignpost(QPainter& p, bool rightSide, const QString& text, qreal groundY) {
    constexpr qreal kHeight = 110;
    const qreal boardWidth = kHeight * 0.9;
    const qreal x = rightSide ? 800 - boardWidth - 6 : boardWidth + 6;
    signpost(p, QPointF(x, groundY), kHeight, text, rightSide);
}

}  // namespace artgen
