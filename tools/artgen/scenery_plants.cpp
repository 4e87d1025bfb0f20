// Trees, bushes, grass and flowers of the scenery toolkit.
#include "scenery.hpp"

#include "palette.hpp"

#include <QLinearGradient>

#include <cmath>

namespace artgen {

void tree(QPainter& p, QPointF base, qreal height, QColor leaves, std::uint32_t seed, bool apples) {
    Random r(seed);
    const qreal trunkW = height * 0.07;
    QPainterPath trunkPath;
    trunkPath.moveTo(base + QPointF(-trunkW, 0));
    trunkPath.cubicTo(base + QPointF(-trunkW * 0.6, -height * 0.3), base + QPointF(-trunkW * 0.4, -height * 0.45),
                      base + QPointF(-trunkW * 0.3, -height * 0.6));
    trunkPath.lineTo(base + QPointF(trunkW * 0.3, -height * 0.6));
    trunkPath.cubicTo(base + QPointF(trunkW * 0.4, -height * 0.45), base + QPointF(trunkW * 0.6, -height * 0.3),
                      base + QPointF(trunkW, 0));
    trunkPath.closeSubpath();
    paperShape(p, trunkPath, pal::trunk, 0.7);
    // The crown: overlapping round cut-outs, darker below and lighter where the sun falls.
    const QPointF crown = base + QPointF(0, -height * 0.66);
    const qreal radius = height * 0.36;
    QPainterPath whole;
    for (int i = 0; i < 9; ++i) {
        const qreal a = r.uniform(0, 6.283);
        const qreal d = r.uniform(0.2, 0.62) * radius;
        const qreal blob = radius * r.uniform(0.42, 0.6);
        whole.addEllipse(crown + QPointF(std::cos(a) * d, std::sin(a) * d * 0.8), blob, blob);
    }
    whole.addEllipse(crown, radius * 0.6, radius * 0.6);
    whole = united(whole);
    QLinearGradient g(crown.x() - radius, crown.y() - radius, crown.x() + radius * 0.5, crown.y() + radius);
    g.setColorAt(0, shade(leaves, 1.18));
    g.setColorAt(1, shade(leaves, 0.78));
    paperShape(p, whole, g, 1.0);
    p.save();
    p.setPen(Qt::NoPen);
    p.setClipPath(whole, Qt::IntersectClip);
    for (int i = 0; i < 5; ++i) {
        const QPointF at = crown + QPointF(r.uniform(-radius, radius * 0.3), r.uniform(-radius, 0));
        p.setBrush(withAlpha(shade(leaves, 1.3), 70));
        p.drawEllipse(at, radius * 0.3, radius * 0.22);
    }
    p.restore();
    if (apples) {
        for (int i = 0; i < 12; ++i) {
            const QPointF at = crown + QPointF(r.uniform(-radius * 0.8, radius * 0.8), r.uniform(-radius * 0.6, radius * 0.7));
            if (whole.contains(at)) apple(p, at, std::max(2.5, height * 0.022), pal::appleRed);
        }
    }
}

void bush(QPainter& p, QPointF base, qreal width, QColor leaves, std::uint32_t seed) {
    Random r(seed);
    QPainterPath path;
    const int blobs = 5;
    for (int i = 0; i < blobs; ++i) {
        const qreal x = base.x() - width / 2 + width * (i + 0.5) / blobs;
        const qreal rad = width * r.uniform(0.16, 0.24);
        path.addEllipse(QPointF(x, base.y() - rad * r.uniform(0.6, 1.1)), rad, rad);
    }
    path.addRect(QRectF(base.x() - width / 2 + width * 0.1, base.y() - width * 0.12, width * 0.8, width * 0.12));
    path = united(path);
    QLinearGradient g(base.x(), base.y() - width * 0.4, base.x(), base.y());
    g.setColorAt(0, shade(leaves, 1.15));
    g.setColorAt(1, shade(leaves, 0.8));
    paperShape(p, path, g, 0.7);
}

void grassTufts(QPainter& p, const QRectF& area, QColor colour, int count, std::uint32_t seed) {
    Random r(seed);
    p.save();
    for (int i = 0; i < count; ++i) {
        const QPointF at(r.uniform(area.left(), area.right()), r.uniform(area.top(), area.bottom()));
        const qreal h = 4 + (at.y() - area.top()) / std::max(1.0, area.height()) * 12;
        p.setPen(QPen(shade(colour, r.uniform(0.8, 1.2)), 1.4));
        for (int b = -2; b <= 2; ++b) p.drawLine(at, at + QPointF(b * h * 0.25, -h * r.uniform(0.7, 1.0)));
    }
    p.restore();
}

void flowers(QPainter& p, const QRectF& area, int count, std::uint32_t seed) {
    Random r(seed);
    const QColor colours[] = {QColor(230, 80, 70), QColor(250, 220, 90), QColor(240, 240, 250), QColor(170, 110, 200)};
    p.save();
    p.setPen(Qt::NoPen);
    for (int i = 0; i < count; ++i) {
        const QPointF at(r.uniform(area.left(), area.right()), r.uniform(area.top(), area.bottom()));
        const qreal s = 1.5 + (at.y() - area.top()) / std::max(1.0, area.height()) * 2.5;
        p.setBrush(colours[r.range(0, 3)]);
        p.drawEllipse(at, s, s);
    }
    p.restore();
}

}  // namespace artgen
