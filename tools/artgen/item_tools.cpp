// Drawing the things found on the way (nail, hammer, line, wire, rod, nut) and the phone.
#include "canvas.hpp"
#include "item_parts.hpp"
#include "text.hpp"

#include <QPainterPathStroker>

#include <cmath>

namespace artgen::itemart {

namespace {

// A nut's outline: six corners around the centre, the first turned by `turn` radians.
QPainterPath hexagon(QPointF centre, qreal radius, qreal turn) {
    QPainterPath hex;
    for (int i = 0; i < 6; ++i) {
        const qreal a = i * 3.14159265 / 3 + turn;
        const QPointF pt(centre.x() + radius * std::cos(a), centre.y() + radius * std::sin(a));
        if (i == 0) hex.moveTo(pt); else hex.lineTo(pt);
    }
    hex.closeSubpath();
    return hex;
}

QPainterPath stroke(const QPainterPath& line, qreal width, Qt::PenCapStyle cap = Qt::RoundCap) {
    QPainterPathStroker s;
    s.setWidth(width);
    s.setCapStyle(cap);
    s.setJoinStyle(Qt::RoundJoin);
    return s.createStroke(line);
}

}  // namespace

void nail(QPainter& p, qreal lift) {
    QPainterPath shaft;
    shaft.moveTo(40, 96);
    shaft.lineTo(166, 96);
    shaft.lineTo(186, 100);
    shaft.lineTo(166, 104);
    shaft.lineTo(40, 104);
    shaft.closeSubpath();
    QPainterPath head;
    head.addRoundedRect(QRectF(30, 84, 12, 32), 3, 3);
    QPainterPath whole = united(shaft.united(head));
    paperShape(p, whole, steel(QPointF(0, 84), QPointF(0, 116)), lift);
}

void hammer(QPainter& p, qreal lift) {
    QPainterPath handle;
    handle.addRoundedRect(QRectF(40, 92, 150, 18), 8, 8);
    QLinearGradient wood(0, 92, 0, 110);
    wood.setColorAt(0, QColor(210, 160, 100));
    wood.setColorAt(1, QColor(150, 100, 56));
    paperShape(p, handle, wood, lift);
    QPainterPath head;
    head.moveTo(20, 58);
    head.lineTo(60, 58);
    head.lineTo(60, 146);
    head.lineTo(20, 146);
    head.lineTo(24, 120);
    head.lineTo(14, 118);
    head.lineTo(14, 86);
    head.lineTo(24, 84);
    head.closeSubpath();
    paperShape(p, head, steel(QPointF(14, 0), QPointF(60, 0)), lift);
}

void fishingLine(QPainter& p, bool withNut, qreal lift) {
    // The spool.
    QPainterPath spool;
    spool.addEllipse(QPointF(80, 100), 56, 56);
    paperShape(p, spool, QColor(40, 120, 160), lift);
    QPainterPath wound;
    wound.addEllipse(QPointF(80, 100), 44, 44);
    QRadialGradient g(QPointF(70, 90), 50);
    g.setColorAt(0, QColor(236, 246, 250));
    g.setColorAt(1, QColor(170, 200, 214));
    p.fillPath(wound, g);
    p.save();
    p.setPen(QPen(QColor(255, 255, 255, 150), 1));
    p.setBrush(Qt::NoBrush);
    for (qreal r = 20; r < 44; r += 4) p.drawEllipse(QPointF(80, 100), r, r);
    p.restore();
    QPainterPath hub;
    hub.addEllipse(QPointF(80, 100), 16, 16);
    p.fillPath(hub, QColor(30, 90, 120));
    p.fillPath(QPainterPath(), Qt::NoBrush);
    QPainterPath hole;
    hole.addEllipse(QPointF(80, 100), 6, 6);
    p.fillPath(hole, QColor(20, 20, 24));
    // The free end of the line.
    QPainterPath end;
    end.moveTo(124, 100);
    end.cubicTo(160, 96, 150, 150, withNut ? 160 : 186, withNut ? 150 : 170);
    p.save();
    p.setPen(QPen(QColor(220, 236, 246), 2));
    p.setBrush(Qt::NoBrush);
    p.drawPath(end);
    p.restore();
    if (withNut) {
        const QPainterPath hex = hexagon(QPointF(162, 164), 20, 0);
        QPainterPath inner;
        inner.addEllipse(QPointF(162, 164), 9, 9);
        paperShape(p, hex.subtracted(inner), steel(QPointF(140, 144), QPointF(184, 184)), lift);
        p.save();
        p.setPen(QPen(QColor(220, 236, 246), 2));
        p.drawLine(QPointF(160, 150), QPointF(162, 157));
        p.restore();
    }
}

void wire(QPainter& p, qreal lift) {
    QPainterPath coil;
    for (int i = 0; i < 5; ++i) coil.addEllipse(QPointF(90 + i * 6, 100), 52 - i * 2, 40 - i * 2);
    p.save();
    QPen copper(QColor(200, 110, 50), 5);
    p.setPen(copper);
    p.setBrush(Qt::NoBrush);
    softShadow(p, stroke(coil, 5), QPointF(3 * lift, 4 * lift), 4 * lift + 1);
    p.drawPath(coil);
    p.setPen(QPen(QColor(250, 190, 130), 1.5));
    p.drawPath(coil.translated(-1, -1));
    p.restore();
    QPainterPath tail;
    tail.moveTo(140, 110);
    tail.cubicTo(170, 120, 160, 160, 190, 170);
    p.save();
    p.setPen(QPen(QColor(200, 110, 50), 5, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(tail);
    p.restore();
}

void rod(QPainter& p, qreal lift) {
    QPainterPath bar;
    bar.addRoundedRect(QRectF(-90, -9, 180, 18), 4, 4);
    QTransform t;
    t.translate(100, 100);
    t.rotate(-30);
    const QPainterPath placed = t.map(bar);
    QLinearGradient g(t.map(QPointF(0, -9)), t.map(QPointF(0, 9)));
    g.setColorAt(0, QColor(150, 120, 100));
    g.setColorAt(0.4, QColor(110, 84, 70));
    g.setColorAt(1, QColor(70, 50, 40));
    paperShape(p, placed, g, lift);
    p.save();
    p.setTransform(t, true);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(170, 90, 50, 120));
    p.drawEllipse(QPointF(-40, 0), 14, 6);
    p.drawEllipse(QPointF(50, 2), 10, 5);
    p.restore();
}

void nut(QPainter& p, qreal lift) {
    const QPainterPath hex = hexagon(QPointF(100, 100), 70, 0.26);
    QPainterPath hole;
    hole.addEllipse(QPointF(100, 100), 32, 32);
    paperShape(p, hex.subtracted(hole), steel(QPointF(40, 40), QPointF(160, 160)), lift);
    p.save();
    p.setPen(QPen(QColor(90, 96, 104), 2));
    p.setBrush(Qt::NoBrush);
    for (qreal r = 34; r < 42; r += 3) p.drawEllipse(QPointF(100, 100), r, r);
    p.restore();
}

void phone(QPainter& p, qreal lift) {
    QPainterPath body;
    body.addRoundedRect(QRectF(62, 20, 76, 170), 22, 22);
    QPainterPath antenna;
    antenna.addRoundedRect(QRectF(116, 4, 12, 24), 5, 5);
    QLinearGradient g(62, 0, 138, 0);
    g.setColorAt(0, QColor(80, 90, 110));
    g.setColorAt(0.5, QColor(130, 140, 160));
    g.setColorAt(1, QColor(60, 66, 80));
    paperShape(p, united(body.united(antenna)), g, lift);
    const QRectF screen(76, 44, 48, 40);
    p.fillRect(screen.adjusted(-3, -3, 3, 3), QColor(30, 34, 40));
    p.fillRect(screen, QColor(160, 190, 120));
    fittedText(p, QRectF(screen.left(), screen.top() + 2, screen.width(), 14), QStringLiteral("12:05"), Face::Mono, QColor(30, 50, 20));
    p.save();
    p.setPen(QPen(QColor(30, 50, 20), 1.5));
    for (int i = 0; i < 4; ++i) p.drawLine(QPointF(screen.left() + 4 + i * 4, screen.bottom() - 4), QPointF(screen.left() + 4 + i * 4, screen.bottom() - 6 - i * 3));
    p.restore();
    for (int i = 0; i < 12; ++i) {
        QPainterPath key;
        key.addRoundedRect(QRectF(76 + (i % 3) * 17, 104 + (i / 3) * 18, 14, 12), 4, 4);
        p.fillPath(key, QColor(220, 224, 230));
    }
    QPainterPath nav;
    nav.addRoundedRect(QRectF(84, 88, 32, 12), 6, 6);
    p.fillPath(nav, QColor(200, 206, 214));
}

}  // namespace artgen::itemart
