// Street furniture and the things standing about in scenes, and the edges that lead on or back.
#include "scenery.hpp"

#include "palette.hpp"
#include "text.hpp"

#include <QLinearGradient>

namespace artgen {

void lampPost(QPainter& p, QPointF base, qreal height, bool lit) {
    const QColor iron(50, 56, 60);
    QPainterPath post;
    post.addRect(QRectF(base.x() - height * 0.018, base.y() - height, height * 0.036, height));
    post.addRect(QRectF(base.x() - height * 0.05, base.y() - height * 0.06, height * 0.1, height * 0.06));
    paperShape(p, united(post), iron, 0.7);
    const QPointF lamp(base.x(), base.y() - height);
    QPainterPath head;
    head.moveTo(lamp + QPointF(-height * 0.06, -height * 0.02));
    head.lineTo(lamp + QPointF(height * 0.06, -height * 0.02));
    head.lineTo(lamp + QPointF(height * 0.04, -height * 0.12));
    head.lineTo(lamp + QPointF(-height * 0.04, -height * 0.12));
    head.closeSubpath();
    paperShape(p, head, lit ? pal::lampLight : QColor(220, 216, 190), 0.6);
    QPainterPath hat;
    hat.moveTo(lamp + QPointF(-height * 0.075, -height * 0.12));
    hat.lineTo(lamp + QPointF(height * 0.075, -height * 0.12));
    hat.lineTo(lamp + QPointF(0, -height * 0.17));
    hat.closeSubpath();
    p.fillPath(hat, iron);
    if (lit) glow(p, lamp + QPointF(0, -height * 0.07), height * 0.35, QColor(255, 210, 120, 120));
}

void fence(QPainter& p, const QRectF& area, QColor wood, qreal pitch) {
    QPainterPath path;
    for (qreal x = area.left(); x < area.right(); x += pitch) {
        QPainterPath picket;
        picket.moveTo(x, area.bottom());
        picket.lineTo(x, area.top() + pitch * 0.4);
        picket.lineTo(x + pitch * 0.35, area.top());
        picket.lineTo(x + pitch * 0.7, area.top() + pitch * 0.4);
        picket.lineTo(x + pitch * 0.7, area.bottom());
        picket.closeSubpath();
        path.addPath(picket);
    }
    path.addRect(QRectF(area.left(), area.top() + area.height() * 0.25, area.width(), pitch * 0.3));
    path.addRect(QRectF(area.left(), area.top() + area.height() * 0.7, area.width(), pitch * 0.3));
    paperShape(p, united(path), wood, 0.8);
}

void bench(QPainter& p, QPointF base, qreal width) {
    QPainterPath path;
    const qreal h = width * 0.45;
    path.addRect(QRectF(base.x() - width / 2, base.y() - h * 0.55, width, h * 0.1));
    path.addRect(QRectF(base.x() - width / 2, base.y() - h, width, h * 0.1));
    path.addRect(QRectF(base.x() - width / 2, base.y() - h * 0.85, width, h * 0.1));
    path.addRect(QRectF(base.x() - width * 0.42, base.y() - h * 0.55, width * 0.05, h * 0.55));
    path.addRect(QRectF(base.x() + width * 0.37, base.y() - h * 0.55, width * 0.05, h * 0.55));
    path.addRect(QRectF(base.x() - width * 0.42, base.y() - h, width * 0.04, h * 0.5));
    path.addRect(QRectF(base.x() + width * 0.38, base.y() - h, width * 0.04, h * 0.5));
    paperShape(p, united(path), pal::woodMid, 0.8);
}

void signpost(QPainter& p, QPointF base, qreal height, const QString& text, bool pointsRight) {
    QPainterPath post;
    post.addRect(QRectF(base.x() - 3, base.y() - height, 6, height));
    paperShape(p, post, pal::woodDark, 0.6);
    const qreal w = height * 0.9;
    const qreal h = height * 0.2;
    QPainterPath arrow;
    const qreal y = base.y() - height * 0.92;
    const qreal x0 = pointsRight ? base.x() - 6 : base.x() + 6 - w;
    arrow.addRect(QRectF(x0, y, w - h * 0.5, h));
    QPainterPath tip;
    if (pointsRight) {
        tip.moveTo(x0 + w - h * 0.5, y);
        tip.lineTo(x0 + w, y + h / 2);
        tip.lineTo(x0 + w - h * 0.5, y + h);
        arrow.translate(0, 0);
    } else {
        arrow.translate(h * 0.5, 0);
        tip.moveTo(x0 + h * 0.5, y);
        tip.lineTo(x0, y + h / 2);
        tip.lineTo(x0 + h * 0.5, y + h);
    }
    tip.closeSubpath();
    arrow.addPath(tip);
    paperShape(p, united(arrow), pal::signCream, 0.6);
    const QRectF textBox = pointsRight ? QRectF(x0 + 2, y, w - h * 0.6, h) : QRectF(x0 + h * 0.5, y, w - h * 0.6, h);
    fittedText(p, textBox, text, Face::CondensedBold, pal::ink);
}

void crate(QPainter& p, const QRectF& box, QColor wood) {
    QPainterPath path;
    path.addRect(box);
    paperShape(p, path, wood, 0.8);
    p.save();
    p.setPen(QPen(shade(wood, 0.65), std::max(1.5, box.width() * 0.03)));
    const int slats = 4;
    for (int i = 1; i < slats; ++i) {
        const qreal y = box.top() + box.height() * i / slats;
        p.drawLine(QPointF(box.left(), y), QPointF(box.right(), y));
    }
    p.drawRect(box.adjusted(1, 1, -1, -1));
    p.restore();
}

void barrel(QPainter& p, const QRectF& box, QColor wood) {
    QPainterPath path;
    path.moveTo(box.left() + box.width() * 0.1, box.top());
    path.lineTo(box.right() - box.width() * 0.1, box.top());
    path.quadTo(box.right() + box.width() * 0.08, box.center().y(), box.right() - box.width() * 0.1, box.bottom());
    path.lineTo(box.left() + box.width() * 0.1, box.bottom());
    path.quadTo(box.left() - box.width() * 0.08, box.center().y(), box.left() + box.width() * 0.1, box.top());
    QLinearGradient g(box.topLeft(), box.topRight());
    g.setColorAt(0, shade(wood, 0.8));
    g.setColorAt(0.4, shade(wood, 1.15));
    g.setColorAt(1, shade(wood, 0.7));
    paperShape(p, path, g, 0.8);
    p.save();
    p.setClipPath(path, Qt::IntersectClip);
    p.setPen(QPen(QColor(60, 60, 64), box.height() * 0.04));
    for (qreal t : {0.18, 0.82}) p.drawLine(QPointF(box.left(), box.top() + box.height() * t), QPointF(box.right(), box.top() + box.height() * t));
    p.restore();
}

void apple(QPainter& p, QPointF c, qreal radius, QColor colour) {
    QPainterPath path;
    path.addEllipse(c + QPointF(-radius * 0.35, 0), radius * 0.75, radius * 0.85);
    path.addEllipse(c + QPointF(radius * 0.35, 0), radius * 0.75, radius * 0.85);
    path = united(path);
    QRadialGradient g(c + QPointF(-radius * 0.4, -radius * 0.4), radius * 1.4);
    g.setColorAt(0, shade(colour, 1.35));
    g.setColorAt(1, shade(colour, 0.75));
    if (radius > 6) softShadow(p, path, QPointF(radius * 0.15, radius * 0.25), radius * 0.3, QColor(20, 10, 0, 80));
    p.fillPath(path, g);
    if (radius > 3) {
        p.save();
        p.setPen(QPen(pal::trunk, std::max(1.0, radius * 0.12)));
        p.drawLine(c + QPointF(0, -radius * 0.6), c + QPointF(radius * 0.15, -radius * 1.05));
        p.restore();
    }
}

void bottle(QPainter& p, const QRectF& box, QColor glassColour, QColor labelColour) {
    QPainterPath path;
    const qreal neck = box.width() * 0.32;
    path.moveTo(box.center().x() - neck / 2, box.top());
    path.lineTo(box.center().x() + neck / 2, box.top());
    path.lineTo(box.center().x() + neck / 2, box.top() + box.height() * 0.25);
    path.quadTo(box.right(), box.top() + box.height() * 0.32, box.right(), box.top() + box.height() * 0.45);
    path.lineTo(box.right(), box.bottom());
    path.lineTo(box.left(), box.bottom());
    path.lineTo(box.left(), box.top() + box.height() * 0.45);
    path.quadTo(box.left(), box.top() + box.height() * 0.32, box.center().x() - neck / 2, box.top() + box.height() * 0.25);
    path.closeSubpath();
    QLinearGradient g(box.topLeft(), box.topRight());
    g.setColorAt(0, shade(glassColour, 0.8));
    g.setColorAt(0.3, shade(glassColour, 1.3));
    g.setColorAt(1, shade(glassColour, 0.7));
    paperShape(p, path, g, 0.5);
    p.fillRect(QRectF(box.left(), box.top() + box.height() * 0.55, box.width(), box.height() * 0.25), labelColour);
}

void beerGlass(QPainter& p, const QRectF& box, bool full) {
    QPainterPath path;
    path.moveTo(box.topLeft());
    path.lineTo(box.topRight());
    path.lineTo(box.right() - box.width() * 0.1, box.bottom());
    path.lineTo(box.left() + box.width() * 0.1, box.bottom());
    path.closeSubpath();
    paperShape(p, path, QColor(230, 236, 236, 120), 0.5);
    if (full) {
        QLinearGradient beer(box.topLeft(), box.bottomLeft());
        beer.setColorAt(0, QColor(246, 190, 60));
        beer.setColorAt(1, QColor(204, 128, 30));
        QPainterPath liquid;
        liquid.moveTo(box.left() + 1, box.top() + box.height() * 0.2);
        liquid.lineTo(box.right() - 1, box.top() + box.height() * 0.2);
        liquid.lineTo(box.right() - box.width() * 0.1 - 1, box.bottom() - 1);
        liquid.lineTo(box.left() + box.width() * 0.1 + 1, box.bottom() - 1);
        liquid.closeSubpath();
        p.fillPath(liquid, beer);
        QPainterPath foam;
        foam.addRoundedRect(QRectF(box.left() - 1, box.top() - box.height() * 0.06, box.width() + 2, box.height() * 0.28), 4, 4);
        p.fillPath(foam, QColor(252, 248, 236));
    }
    p.save();
    p.setPen(QPen(QColor(255, 255, 255, 120), 1.2));
    p.drawLine(QPointF(box.left() + box.width() * 0.25, box.top() + box.height() * 0.3),
               QPointF(box.left() + box.width() * 0.3, box.bottom() - box.height() * 0.1));
    p.restore();
}

void shelf(QPainter& p, const QRectF& board, QColor wood) {
    QPainterPath path;
    path.addRect(board);
    paperShape(p, path, wood, 0.7);
}

void tableTop(QPainter& p, const QRectF& top, qreal legHeight, QColor wood) {
    QPainterPath legs;
    legs.addRect(QRectF(top.left() + top.width() * 0.06, top.bottom(), top.width() * 0.05, legHeight));
    legs.addRect(QRectF(top.right() - top.width() * 0.11, top.bottom(), top.width() * 0.05, legHeight));
    paperShape(p, legs, shade(wood, 0.75), 0.7);
    QPainterPath board;
    board.addRoundedRect(top, 4, 4);
    QLinearGradient g(top.topLeft(), top.bottomLeft());
    g.setColorAt(0, shade(wood, 1.12));
    g.setColorAt(1, shade(wood, 0.85));
    paperShape(p, board, g, 1.0);
}

void wayBackEdge(QPainter& p, QColor floorColour) {
    const QRectF strip(0, 530, 800, 70);
    QLinearGradient g(strip.topLeft(), strip.bottomLeft());
    g.setColorAt(0, withAlpha(shade(floorColour, 0.6), 0));
    g.setColorAt(0.5, withAlpha(shade(floorColour, 0.5), 140));
    g.setColorAt(1, withAlpha(shade(floorColour, 0.35), 220));
    p.fillRect(strip, g);
    // A worn threshold board: the way back out.
    QPainterPath sill;
    sill.addRect(QRectF(150, 578, 500, 12));
    p.fillPath(sill, withAlpha(shade(floorColour, 0.55), 200));
    p.fillRect(QRectF(150, 578, 500, 2), withAlpha(QColor(255, 255, 255), 40));
}

void wayOnEdge(QPainter& p, bool rightSide, qreal width) {
    const QRectF band = rightSide ? QRectF(800 - width, 0, width, 600) : QRectF(0, 0, width, 600);
    QLinearGradient g(band.topLeft(), band.topRight());
    const QColor dark(20, 14, 8, 70);
    const QColor clear(20, 14, 8, 0);
    g.setColorAt(rightSide ? 0 : 1, clear);
    g.setColorAt(rightSide ? 1 : 0, dark);
    p.fillRect(band, g);
}

}  // namespace artgen
