// Skies, hills, ground, floors and walls of the scenery toolkit.
#include "scenery.hpp"

#include <QLinearGradient>

#include <cmath>

namespace artgen {

void sky(QPainter& p, const QRectF& area, QColor top, QColor bottom) {
    QLinearGradient g(area.topLeft(), area.bottomLeft());
    g.setColorAt(0, top);
    g.setColorAt(0.65, mix(top, bottom, 0.7));
    g.setColorAt(1, bottom);
    p.fillRect(area, g);
}

void sun(QPainter& p, QPointF centre, qreal radius, QColor colour) {
    glow(p, centre, radius * 4, withAlpha(colour, 110));
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    p.drawEllipse(centre, radius, radius);
    p.restore();
}

void cloud(QPainter& p, QPointF c, qreal s, QColor colour) {
    QPainterPath path;
    path.addEllipse(c + QPointF(-s * 0.9, 0), s * 0.7, s * 0.42);
    path.addEllipse(c + QPointF(-s * 0.3, -s * 0.25), s * 0.6, s * 0.55);
    path.addEllipse(c + QPointF(s * 0.35, -s * 0.15), s * 0.55, s * 0.48);
    path.addEllipse(c + QPointF(s * 0.9, s * 0.05), s * 0.6, s * 0.38);
    path.addRect(QRectF(c.x() - s * 1.3, c.y(), s * 2.6, s * 0.38));
    path = united(path);
    softShadow(p, path, QPointF(2, 4), 8, QColor(80, 60, 60, 40));
    QLinearGradient g(c.x(), c.y() - s * 0.8, c.x(), c.y() + s * 0.4);
    g.setColorAt(0, colour);
    g.setColorAt(1, shade(colour, 0.9));
    p.fillPath(path, g);
}

void stars(QPainter& p, const QRectF& area, int count, std::uint32_t seed) {
    Random r(seed);
    p.save();
    p.setPen(Qt::NoPen);
    for (int i = 0; i < count; ++i) {
        const QPointF at(r.uniform(area.left(), area.right()), r.uniform(area.top(), area.bottom()));
        const qreal size = r.uniform(0.6, 1.8);
        p.setBrush(QColor(255, 250, 220, r.range(120, 255)));
        p.drawEllipse(at, size, size);
    }
    p.restore();
}

void hills(QPainter& p, qreal baseY, qreal height, QColor colour, std::uint32_t seed, qreal width) {
    Random r(seed);
    QPainterPath path(QPointF(-20, baseY + 40));
    path.lineTo(-20, baseY - height * 0.5);
    qreal x = -20;
    qreal y = baseY - height * r.uniform(0.3, 0.9);
    path.lineTo(x, y);
    while (x < width + 20) {
        const qreal step = r.uniform(120, 240);
        const qreal ny = baseY - height * r.uniform(0.25, 1.0);
        path.cubicTo(x + step * 0.4, y, x + step * 0.6, ny, x + step, ny);
        x += step;
        y = ny;
    }
    path.lineTo(width + 20, baseY + 40);
    path.closeSubpath();
    QLinearGradient g(0, baseY - height, 0, baseY);
    g.setColorAt(0, shade(colour, 1.08));
    g.setColorAt(1, shade(colour, 0.92));
    paperShape(p, path, g, 0.6);
}

void ground(QPainter& p, const QRectF& area, QColor far, QColor near) {
    QLinearGradient g(area.topLeft(), area.bottomLeft());
    g.setColorAt(0, far);
    g.setColorAt(1, near);
    p.fillRect(area, g);
}

void cobbles(QPainter& p, const QRectF& area, qreal horizonY, QColor stoneColour, std::uint32_t seed) {
    Random r(seed);
    ground(p, area, shade(stoneColour, 0.95), shade(stoneColour, 0.8));
    p.save();
    p.setClipRect(area, Qt::IntersectClip);
    p.setPen(Qt::NoPen);
    // Rows of stones growing towards the viewer, as seen on a flat square.
    qreal y = area.top();
    while (y < area.bottom()) {
        const qreal depth = std::max(4.0, y - horizonY);
        const qreal rowH = depth * 0.09 + 2;
        const qreal stoneW = rowH * 1.6;
        qreal x = area.left() - r.uniform(0, stoneW);
        while (x < area.right()) {
            const qreal w = stoneW * r.uniform(0.8, 1.2);
            const QColor c = shade(stoneColour, r.uniform(0.86, 1.1));
            p.setBrush(shade(c, 0.75));
            p.drawRoundedRect(QRectF(x + 1, y + 1.5, w - 2, rowH - 1.5), rowH * 0.3, rowH * 0.3);
            p.setBrush(c);
            p.drawRoundedRect(QRectF(x + 1, y + 0.5, w - 2.5, rowH - 2.5), rowH * 0.3, rowH * 0.3);
            x += w;
        }
        y += rowH;
    }
    p.restore();
}

void floorBoards(QPainter& p, const QRectF& area, QColor wood, qreal boardWidth) {
    ground(p, area, shade(wood, 0.85), shade(wood, 1.0));
    p.save();
    p.setClipRect(area, Qt::IntersectClip);
    const qreal vanishX = area.center().x();
    const qreal vanishY = area.top() - area.height() * 1.6;
    p.setPen(QPen(shade(wood, 0.6), 1.6));
    for (qreal x = area.left() - area.width(); x < area.right() + area.width(); x += boardWidth) {
        // Lines converge to a point above the floor, which gives the boards depth.
        const qreal t = (area.top() - vanishY) / (area.bottom() - vanishY);
        const QPointF bottom(x, area.bottom());
        const QPointF top(vanishX + (x - vanishX) * t, area.top());
        p.drawLine(top, bottom);
    }
    p.restore();
}

void tiles(QPainter& p, const QRectF& area, QColor a, QColor b, qreal size) {
    p.save();
    p.setClipRect(area, Qt::IntersectClip);
    p.setPen(Qt::NoPen);
    int row = 0;
    for (qreal y = area.top(); y < area.bottom(); y += size, ++row) {
        int col = 0;
        for (qreal x = area.left(); x < area.right(); x += size, ++col) {
            p.setBrush((row + col) % 2 ? a : b);
            p.drawRect(QRectF(x, y, size, size));
        }
    }
    p.restore();
}

void wallpaper(QPainter& p, const QRectF& area, QColor base, QColor pattern) {
    p.fillRect(area, base);
    p.save();
    p.setClipRect(area, Qt::IntersectClip);
    p.setPen(Qt::NoPen);
    p.setBrush(pattern);
    for (qreal x = area.left() + 12; x < area.right(); x += 48) {
        p.fillRect(QRectF(x, area.top(), 6, area.height()), withAlpha(pattern, pattern.alpha() / 2));
        for (qreal y = area.top() + 20; y < area.bottom(); y += 40) {
            p.drawEllipse(QPointF(x + 27, y), 4, 6);
        }
    }
    p.restore();
}

void stoneWall(QPainter& p, const QRectF& area, QColor stoneColour, std::uint32_t seed, qreal blockHeight) {
    Random r(seed);
    p.fillRect(area, shade(stoneColour, 0.55));
    p.save();
    p.setClipRect(area, Qt::IntersectClip);
    p.setPen(Qt::NoPen);
    int row = 0;
    for (qreal y = area.top(); y < area.bottom(); y += blockHeight, ++row) {
        qreal x = area.left() - (row % 2 ? blockHeight * 0.8 : 0);
        while (x < area.right()) {
            const qreal w = blockHeight * r.uniform(1.2, 2.2);
            const QColor c = shade(stoneColour, r.uniform(0.8, 1.12));
            QLinearGradient g(x, y, x, y + blockHeight);
            g.setColorAt(0, shade(c, 1.06));
            g.setColorAt(1, shade(c, 0.85));
            p.setBrush(g);
            p.drawRoundedRect(QRectF(x + 2, y + 2, w - 4, blockHeight - 4), 5, 5);
            x += w;
        }
    }
    p.restore();
}

}  // namespace artgen
