// Walls, floors and furniture of the indoor scenes.
#include "interior_kit.hpp"

#include "palette.hpp"
#include "scenery.hpp"
#include "text.hpp"

#include <QLinearGradient>

namespace artgen {

void room(QPainter& p, QColor wall, QColor floorColour, qreal floorY, FloorKind kind, std::uint32_t seed) {
    QLinearGradient g(0, 0, 0, floorY);
    g.setColorAt(0, shade(wall, 0.86));
    g.setColorAt(1, shade(wall, 1.04));
    p.fillRect(QRectF(0, 0, 800, floorY), g);
    const QRectF floor(0, floorY, 800, 600 - floorY);
    switch (kind) {
        case FloorKind::Boards: floorBoards(p, floor, floorColour); break;
        case FloorKind::Tiles: {
            ground(p, floor, shade(floorColour, 0.9), floorColour);
            p.save();
            p.setPen(QPen(shade(floorColour, 0.75), 1.5));
            for (qreal y = floorY + 10, step = 12; y < 600; y += step, step *= 1.25) p.drawLine(QPointF(0, y), QPointF(800, y));
            for (int i = -12; i <= 12; ++i) p.drawLine(QPointF(400 + i * 40, floorY), QPointF(400 + i * 120, 600));
            p.restore();
            break;
        }
        case FloorKind::Stone: cobbles(p, floor, floorY - 120, floorColour, seed); break;
        case FloorKind::Carpet: ground(p, floor, shade(floorColour, 0.85), floorColour); break;
    }
    QPainterPath skirting;
    skirting.addRect(QRectF(0, floorY - 10, 800, 12));
    paperShape(p, skirting, shade(wall, 0.62), 0.6);
}

void windowLight(QPainter& p, const QRectF& w, qreal floorY, QColor colour) {
    QPainterPath patch;
    patch.moveTo(w.left() + 20, floorY + 6);
    patch.lineTo(w.right() + 20, floorY + 6);
    patch.lineTo(w.right() + 120, 600);
    patch.lineTo(w.left() + 60, 600);
    patch.closeSubpath();
    p.fillPath(patch, colour);
}

void pottedPlant(QPainter& p, QPointF base, qreal height, std::uint32_t seed) {
    Random r(seed);
    QPainterPath leaves;
    for (int i = 0; i < 9; ++i) {
        const qreal angle = -80 + i * 20 + r.uniform(-6, 6);
        QPainterPath leaf;
        leaf.moveTo(0, 0);
        leaf.quadTo(height * 0.12, -height * 0.3, 0, -height * r.uniform(0.55, 0.75));
        leaf.quadTo(-height * 0.12, -height * 0.3, 0, 0);
        QTransform t;
        t.translate(base.x(), base.y() - height * 0.3);
        t.rotate(angle);
        leaves.addPath(t.map(leaf));
    }
    paperShape(p, united(leaves), pal::foliage, 0.8);
    QPainterPath pot;
    pot.moveTo(base.x() - height * 0.16, base.y() - height * 0.3);
    pot.lineTo(base.x() + height * 0.16, base.y() - height * 0.3);
    pot.lineTo(base.x() + height * 0.12, base.y());
    pot.lineTo(base.x() - height * 0.12, base.y());
    pot.closeSubpath();
    paperShape(p, pot, QColor(186, 96, 60), 0.8);
}

void bookshelf(QPainter& p, const QRectF& f, std::uint32_t seed) {
    Random r(seed);
    QPainterPath body;
    body.addRect(f);
    paperShape(p, body, pal::woodDark, 1.0);
    p.fillRect(f.adjusted(8, 8, -8, -8), shade(pal::woodDark, 0.55));
    const int shelves = std::max(2, static_cast<int>(f.height() / 62));
    const qreal h = (f.height() - 16) / shelves;
    for (int s = 0; s < shelves; ++s) {
        const qreal bottom = f.top() + 8 + h * (s + 1);
        p.fillRect(QRectF(f.left() + 8, bottom - 5, f.width() - 16, 5), pal::woodMid);
        qreal x = f.left() + 10;
        while (x < f.right() - 16) {
            const qreal w = r.uniform(6, 12);
            const qreal bh = h * r.uniform(0.6, 0.85);
            const QColor c = QColor::fromHsv(r.range(0, 40) + (r.range(0, 1) ? 190 : 0), r.range(90, 170), r.range(110, 190));
            p.fillRect(QRectF(x, bottom - 5 - bh, w, bh), c);
            p.fillRect(QRectF(x + 1, bottom - 5 - bh * 0.8, w - 2, 2), shade(c, 1.3));
            x += w + 1;
        }
    }
}

void filingCabinet(QPainter& p, const QRectF& f) {
    QPainterPath body;
    body.addRect(f);
    paperShape(p, body, QColor(150, 160, 150), 1.0);
    p.save();
    for (int i = 0; i < 4; ++i) {
        const QRectF drawer(f.left() + 6, f.top() + 6 + i * (f.height() - 12) / 4, f.width() - 12, (f.height() - 12) / 4 - 5);
        p.setPen(QPen(QColor(110, 120, 110), 1.5));
        p.setBrush(QColor(170, 180, 170));
        p.drawRect(drawer);
        p.fillRect(QRectF(drawer.center().x() - 12, drawer.top() + 8, 24, 5), QColor(90, 90, 90));
    }
    p.restore();
}

void desk(QPainter& p, const QRectF& f, QColor wood) {
    QPainterPath front;
    front.addRect(QRectF(f.left() + 6, f.top() + 12, f.width() - 12, f.height() - 12));
    QLinearGradient g(f.topLeft(), f.bottomLeft());
    g.setColorAt(0, shade(wood, 0.95));
    g.setColorAt(1, shade(wood, 0.7));
    paperShape(p, front, g, 1.4);
    p.save();
    p.setPen(QPen(shade(wood, 0.55), 2));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(f.left() + 24, f.top() + 32, f.width() * 0.3, f.height() - 52));
    p.drawRect(QRectF(f.right() - 24 - f.width() * 0.3, f.top() + 32, f.width() * 0.3, f.height() - 52));
    p.restore();
    QPainterPath top;
    top.addRoundedRect(QRectF(f.left(), f.top(), f.width(), 16), 3, 3);
    paperShape(p, top, shade(wood, 1.15), 1.0);
}

void chairBack(QPainter& p, const QRectF& f, QColor colour) {
    QPainterPath back;
    back.addRoundedRect(f, f.width() * 0.2, f.width() * 0.2);
    paperShape(p, back, colour, 0.8);
    p.save();
    p.setClipPath(back, Qt::IntersectClip);
    p.fillRect(QRectF(f.left(), f.top(), f.width(), f.height() * 0.2), shade(colour, 1.15));
    p.restore();
}

void hangingLamp(QPainter& p, QPointF hook, qreal length, bool lit) {
    p.save();
    p.setPen(QPen(QColor(40, 36, 30), 2));
    p.drawLine(hook, hook + QPointF(0, length));
    p.restore();
    const QPointF c = hook + QPointF(0, length);
    if (lit) glow(p, c + QPointF(0, 16), 140, QColor(255, 210, 130, 70));
    QPainterPath shadeShape;
    shadeShape.moveTo(c + QPointF(-10, 0));
    shadeShape.lineTo(c + QPointF(10, 0));
    shadeShape.lineTo(c + QPointF(36, 26));
    shadeShape.lineTo(c + QPointF(-36, 26));
    shadeShape.closeSubpath();
    paperShape(p, shadeShape, QColor(60, 100, 70), 0.6);
    if (lit) {
        QPainterPath bulb;
        bulb.addEllipse(c + QPointF(0, 28), 10, 6);
        p.fillPath(bulb, pal::lampLight);
    }
}

void framedPicture(QPainter& p, const QRectF& f, QColor top, QColor bottom) {
    QPainterPath frame;
    frame.addRect(f);
    paperShape(p, frame, QColor(170, 130, 60), 0.8);
    const QRectF inner = f.adjusted(6, 6, -6, -6);
    sky(p, inner, top, bottom);
    QPainterPath hill;
    hill.moveTo(inner.left(), inner.bottom());
    hill.quadTo(inner.center().x(), inner.top() + inner.height() * 0.3, inner.right(), inner.bottom() - inner.height() * 0.2);
    hill.lineTo(inner.bottomRight());
    hill.closeSubpath();
    p.fillPath(hill, pal::hillNear);
}

void noticeBoard(QPainter& p, const QRectF& f, const QString& heading, std::uint32_t seed) {
    Random r(seed);
    QPainterPath board;
    board.addRect(f);
    paperShape(p, board, pal::woodMid, 1.0);
    p.fillRect(f.adjusted(6, 6, -6, -6), QColor(200, 170, 120));
    fittedText(p, QRectF(f.left() + 8, f.top() + 8, f.width() - 16, 22), heading, Face::CondensedBold, pal::ink);
    for (int i = 0; i < 5; ++i) {
        const QRectF sheet(f.left() + 12 + r.uniform(0, f.width() - 70), f.top() + 36 + r.uniform(0, f.height() - 90), 46, 56);
        QPainterPath paper;
        paper.addRect(sheet);
        paperShape(p, paper, QColor(248, 246, 236), 0.5);
        p.save();
        p.setPen(QPen(QColor(120, 120, 130), 1));
        for (qreal y = sheet.top() + 10; y < sheet.bottom() - 6; y += 6) p.drawLine(QPointF(sheet.left() + 5, y), QPointF(sheet.right() - 5 - r.uniform(0, 12), y));
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(200, 40, 40));
        p.drawEllipse(QPointF(sheet.center().x(), sheet.top() + 3), 3, 3);
        p.restore();
    }
}

void wallClock(QPainter& p, QPointF c, qreal radius) {
    QPainterPath face;
    face.addEllipse(c, radius, radius);
    paperShape(p, face, QColor(250, 248, 240), 0.8);
    p.save();
    p.setPen(QPen(pal::ink, radius * 0.08));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(c, radius, radius);
    p.drawLine(c, c + QPointF(0, -radius * 0.7));
    p.drawLine(c, c + QPointF(radius * 0.5, radius * 0.1));
    p.restore();
}

void coatRack(QPainter& p, QPointF base, qreal height, QColor coat) {
    QPainterPath pole;
    pole.addRect(QRectF(base.x() - 3, base.y() - height, 6, height));
    pole.addRect(QRectF(base.x() - 20, base.y() - 6, 40, 6));
    paperShape(p, pole, pal::woodDark, 0.7);
    QPainterPath c;
    c.moveTo(base.x() - 6, base.y() - height + 10);
    c.lineTo(base.x() + 14, base.y() - height + 10);
    c.lineTo(base.x() + 26, base.y() - height * 0.35);
    c.lineTo(base.x() - 10, base.y() - height * 0.35);
    c.closeSubpath();
    paperShape(p, c, coat, 0.8);
}

}  // namespace artgen
