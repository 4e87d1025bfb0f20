// Drawing the gun, its magazine and the cartridges.
#include "canvas.hpp"
#include "item_parts.hpp"

namespace artgen::itemart {

namespace {

QPainterPath magazineOutline(QPointF topLeft) {
    QPainterPath m;
    m.moveTo(topLeft);
    m.lineTo(topLeft + QPointF(26, 0));
    m.lineTo(topLeft + QPointF(36, 96));
    m.lineTo(topLeft + QPointF(8, 96));
    m.closeSubpath();
    return m;
}

void cartridge(QPainter& p, QPointF base, qreal angle, qreal lift) {
    QTransform t;
    t.translate(base.x(), base.y());
    t.rotate(angle);
    QPainterPath casePath;
    casePath.addRoundedRect(QRectF(-9, -36, 18, 36), 2, 2);
    QPainterPath bullet;
    bullet.moveTo(-8, -36);
    bullet.cubicTo(-8, -52, 8, -52, 8, -36);
    bullet.closeSubpath();
    paperShape(p, t.map(casePath), brass(t.map(QPointF(-9, 0)), t.map(QPointF(9, 0))), lift);
    QLinearGradient copper(t.map(QPointF(-8, 0)), t.map(QPointF(8, 0)));
    copper.setColorAt(0, QColor(220, 140, 90));
    copper.setColorAt(1, QColor(140, 70, 40));
    p.fillPath(t.map(bullet), copper);
    p.save();
    p.setTransform(t, true);
    p.setPen(QPen(QColor(140, 100, 40), 1.5));
    p.drawLine(QPointF(-9, -5), QPointF(9, -5));
    p.restore();
}

}  // namespace

void gun(QPainter& p, bool withMagazine, qreal lift) {
    // The slide and frame of a pistol, the grip hanging down at the back.
    QPainterPath body;
    body.moveTo(20, 60);
    body.lineTo(180, 60);
    body.lineTo(180, 92);
    body.lineTo(92, 92);
    body.lineTo(88, 104);
    body.quadTo(84, 114, 74, 114);
    body.lineTo(72, 100);
    body.lineTo(62, 100);
    body.lineTo(66, 168);
    body.lineTo(24, 168);
    body.lineTo(28, 100);
    body.lineTo(20, 92);
    body.closeSubpath();
    QLinearGradient g(0, 60, 0, 168);
    g.setColorAt(0, QColor(90, 94, 100));
    g.setColorAt(0.2, QColor(60, 64, 70));
    g.setColorAt(1, QColor(30, 32, 36));
    paperShape(p, body, g, lift);
    // Trigger guard and trigger.
    QPainterPath guard;
    guard.moveTo(64, 100);
    guard.quadTo(66, 126, 92, 120);
    guard.lineTo(96, 94);
    p.save();
    p.setPen(QPen(QColor(40, 42, 46), 5));
    p.setBrush(Qt::NoBrush);
    p.drawPath(guard);
    p.setPen(QPen(QColor(70, 74, 80), 4, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(78, 96), QPointF(74, 110));
    // Slide serrations and the ejection port.
    p.setPen(QPen(QColor(30, 32, 36), 1.5));
    for (int i = 0; i < 6; ++i) p.drawLine(QPointF(34 + i * 5, 64), QPointF(34 + i * 5, 78));
    p.restore();
    p.fillRect(QRectF(110, 64, 36, 8), QColor(30, 32, 36));
    p.fillRect(QRectF(20, 80, 160, 3), QColor(110, 116, 124));
    // Grip panels.
    QPainterPath panel;
    panel.moveTo(34, 106);
    panel.lineTo(58, 106);
    panel.lineTo(60, 150);
    panel.lineTo(34, 150);
    panel.closeSubpath();
    p.fillPath(panel, QColor(90, 60, 40));
    p.save();
    p.setClipPath(panel, Qt::IntersectClip);
    p.setPen(QPen(QColor(60, 40, 26), 1));
    for (int i = -10; i < 20; ++i) p.drawLine(QPointF(30 + i * 4, 106), QPointF(30 + i * 4 + 44, 150));
    p.restore();
    if (withMagazine) {
        // The magazine's floor plate closing the grip, with the seam where it slid in.
        QPainterPath plate;
        plate.addRoundedRect(QRectF(22, 162, 48, 12), 3, 3);
        paperShape(p, plate, steel(QPointF(0, 162), QPointF(0, 174)), lift * 0.5);
        p.fillRect(QRectF(26, 154, 40, 2), QColor(20, 20, 22));
    } else {
        // The grip stands open: the empty well where the magazine belongs.
        QPainterPath well;
        well.moveTo(30, 168);
        well.lineTo(32, 140);
        well.lineTo(60, 140);
        well.lineTo(62, 168);
        well.closeSubpath();
        p.fillPath(well, QColor(8, 8, 10));
        p.save();
        p.setPen(QPen(QColor(120, 126, 134), 1.5));
        p.setBrush(Qt::NoBrush);
        p.drawPath(well);
        p.restore();
    }
}

void magazine(QPainter& p, bool loaded, qreal lift) {
    const QPointF tl(78, 48);
    QTransform scaleUp;
    scaleUp.translate(tl.x(), tl.y());
    scaleUp.scale(1.3, 1.1);
    scaleUp.translate(-tl.x(), -tl.y());
    const QPainterPath m = scaleUp.map(magazineOutline(tl));
    paperShape(p, m, steel(QPointF(70, 0), QPointF(130, 0)), lift);
    p.fillRect(QRectF(84, 152, 44, 8), QColor(40, 42, 46));
    // Witness holes along the side.
    p.save();
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 6; ++i) {
        p.setBrush(loaded ? QColor(200, 150, 60) : QColor(20, 20, 22));
        p.drawEllipse(QPointF(96 + i * 1.6, 70 + i * 13), 3, 3);
    }
    p.restore();
    if (loaded) {
        QPainterPath top;
        top.addRoundedRect(QRectF(80, 34, 32, 16), 7, 7);
        p.fillPath(top, brass(QPointF(80, 34), QPointF(80, 50)));
        QPainterPath tip;
        tip.addEllipse(QRectF(100, 36, 18, 12));
        p.fillPath(tip, QColor(170, 100, 60));
    } else {
        p.fillRect(QRectF(82, 46, 32, 6), QColor(120, 124, 130));
    }
}

void cartridges(QPainter& p, qreal lift) {
    const qreal angles[] = {-20, 5, 30, -8, 18};
    const QPointF bases[] = {{60, 130}, {100, 120}, {140, 140}, {80, 170}, {125, 178}};
    for (int i = 0; i < 5; ++i) cartridge(p, bases[i], angles[i], lift);
}

}  // namespace artgen::itemart
