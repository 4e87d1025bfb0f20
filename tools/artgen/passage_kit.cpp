// Cellar rooms, torches, tunnels and apple robots for the secret passage.
#include "passage_kit.hpp"

#include "palette.hpp"
#include "scenery.hpp"

#include <QLinearGradient>
#include <QRadialGradient>

namespace artgen {

void cellar(QPainter& p, qreal floorY, std::uint32_t seed) {
    stoneWall(p, QRectF(0, 0, 800, floorY), shade(pal::stone, 0.72), seed, 38);
    // The vault: darkness gathering under the ceiling.
    QLinearGradient top(0, 0, 0, 200);
    top.setColorAt(0, QColor(10, 10, 12, 220));
    top.setColorAt(1, QColor(10, 10, 12, 0));
    p.fillRect(QRectF(0, 0, 800, 200), top);
    ground(p, QRectF(0, floorY, 800, 600 - floorY), shade(pal::stoneDark, 0.8), shade(pal::stoneDark, 0.5));
    // Dim everywhere but near the middle, where the torches throw their light.
    QRadialGradient dusk(QPointF(400, floorY * 0.6), 560);
    dusk.setColorAt(0, QColor(0, 0, 0, 0));
    dusk.setColorAt(0.6, QColor(0, 0, 0, 60));
    dusk.setColorAt(1, QColor(0, 0, 0, 170));
    p.fillRect(QRectF(0, 0, 800, 600), dusk);
    Random r(seed + 1);
    p.save();
    p.setPen(QPen(QColor(40, 38, 36), 1.5));
    for (int i = 0; i < 30; ++i) {
        const qreal y = r.uniform(floorY + 6, 600);
        const qreal x = r.uniform(0, 800);
        p.drawLine(QPointF(x, y), QPointF(x + r.uniform(10, 40), y + r.uniform(-2, 2)));
    }
    p.restore();
}

void torch(QPainter& p, QPointF mount) {
    glow(p, mount + QPointF(0, -30), 200, QColor(255, 160, 60, 110));
    QPainterPath holder;
    holder.addRect(QRectF(mount.x() - 4, mount.y() - 20, 8, 40));
    paperShape(p, holder, QColor(60, 56, 54), 0.6);
    QPainterPath flame;
    flame.moveTo(mount + QPointF(0, -60));
    flame.cubicTo(mount + QPointF(14, -40), mount + QPointF(12, -24), mount + QPointF(0, -20));
    flame.cubicTo(mount + QPointF(-12, -24), mount + QPointF(-14, -40), mount + QPointF(0, -60));
    QLinearGradient g(mount + QPointF(0, -60), mount + QPointF(0, -20));
    g.setColorAt(0, QColor(255, 240, 160));
    g.setColorAt(1, QColor(240, 110, 40));
    p.fillPath(flame, g);
}

void tunnelMouth(QPainter& p, const QRectF& o) {
    QPainterPath mouth;
    mouth.moveTo(o.left(), o.bottom());
    mouth.lineTo(o.left(), o.top() + o.height() * 0.3);
    mouth.quadTo(o.center().x(), o.top() - o.height() * 0.2, o.right(), o.top() + o.height() * 0.3);
    mouth.lineTo(o.right(), o.bottom());
    mouth.closeSubpath();
    QPainterPath rim = mouth;
    QTransform grow;
    grow.translate(o.center().x(), o.bottom());
    grow.scale(1.12, 1.08);
    grow.translate(-o.center().x(), -o.bottom());
    paperShape(p, grow.map(rim), shade(pal::stone, 0.75), 1.0);
    QLinearGradient g(o.topLeft(), o.bottomLeft());
    g.setColorAt(0, QColor(6, 6, 8));
    g.setColorAt(1, QColor(30, 28, 26));
    p.fillPath(mouth, g);
}

void appleRobot(QPainter& p, QPointF foot, qreal size) {
    p.save();
    p.setPen(QPen(QColor(80, 84, 90), std::max(1.5, size * 0.12), Qt::SolidLine, Qt::RoundCap));
    p.drawLine(foot + QPointF(-size * 0.4, 0), foot + QPointF(-size * 0.25, -size * 0.9));
    p.drawLine(foot + QPointF(size * 0.4, 0), foot + QPointF(size * 0.25, -size * 0.9));
    p.restore();
    const QPointF body = foot + QPointF(0, -size * 1.7);
    apple(p, body, size, QColor(170, 30, 30));
    glow(p, body + QPointF(0, -size * 0.1), size * 0.5, QColor(255, 240, 80, 160));
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 250, 150));
    p.drawEllipse(body + QPointF(0, -size * 0.1), size * 0.16, size * 0.16);
    p.setPen(QPen(QColor(80, 84, 90), std::max(1.0, size * 0.08)));
    p.drawLine(body + QPointF(size * 0.7, 0), body + QPointF(size * 1.2, size * 0.4));
    p.drawLine(body + QPointF(-size * 0.7, 0), body + QPointF(-size * 1.2, size * 0.4));
    p.restore();
}

}  // namespace artgen
