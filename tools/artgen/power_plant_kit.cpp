// Pieces the power plant's pictures share: the high-voltage warning and the pylons behind the plant.
#include "power_plant_kit.hpp"

#include "palette.hpp"

#include <algorithm>

namespace artgen {

void warningTriangle(QPainter& p, QPointF centre, qreal size) {
    QPainterPath tri;
    tri.moveTo(centre + QPointF(0, -size * 0.55));
    tri.lineTo(centre + QPointF(size * 0.6, size * 0.45));
    tri.lineTo(centre + QPointF(-size * 0.6, size * 0.45));
    tri.closeSubpath();
    paperShape(p, tri, QColor(250, 210, 40), 0.5);
    p.save();
    p.setPen(QPen(pal::ink, size * 0.07));
    p.setBrush(Qt::NoBrush);
    p.drawPath(tri);
    QPainterPath bolt;
    bolt.moveTo(centre + QPointF(size * 0.05, -size * 0.3));
    bolt.lineTo(centre + QPointF(-size * 0.12, size * 0.08));
    bolt.lineTo(centre + QPointF(size * 0.04, size * 0.05));
    bolt.lineTo(centre + QPointF(-size * 0.06, size * 0.32));
    bolt.lineTo(centre + QPointF(size * 0.14, -size * 0.04));
    bolt.lineTo(centre + QPointF(-size * 0.02, -size * 0.01));
    bolt.closeSubpath();
    p.setPen(Qt::NoPen);
    p.fillPath(bolt, pal::ink);
    p.restore();
}

void pylon(QPainter& p, QPointF base, qreal height) {
    p.save();
    p.setPen(QPen(QColor(110, 116, 124), std::max(1.0, height * 0.012)));
    const QPointF top = base + QPointF(0, -height);
    p.drawLine(base + QPointF(-height * 0.15, 0), top);
    p.drawLine(base + QPointF(height * 0.15, 0), top);
    for (qreal t = 0.2; t < 1; t += 0.2) {
        const qreal w = height * 0.15 * (1 - t);
        p.drawLine(base + QPointF(-w, -height * t), base + QPointF(w, -height * (t + 0.1)));
        p.drawLine(base + QPointF(w, -height * t), base + QPointF(-w, -height * (t + 0.1)));
    }
    p.drawLine(top + QPointF(-height * 0.18, height * 0.15), top + QPointF(height * 0.18, height * 0.15));
    p.restore();
}

}  // namespace artgen
