// House fronts, gables, windows, doors and chimneys of the scenery toolkit.
#include "scenery.hpp"

#include "palette.hpp"

#include <QLinearGradient>

namespace artgen {

void facade(QPainter& p, const QRectF& wall, QColor plaster, QColor roofColour, qreal roofHeight, RoofStyle style,
            qreal overhang) {
    QPainterPath roof;
    const qreal l = wall.left() - overhang;
    const qreal r = wall.right() + overhang;
    const qreal t = wall.top();
    switch (style) {
        case RoofStyle::Gable:
            roof.moveTo(l, t);
            roof.lineTo(wall.center().x(), t - roofHeight);
            roof.lineTo(r, t);
            break;
        case RoofStyle::Hip:
            roof.moveTo(l, t);
            roof.lineTo(wall.left() + roofHeight * 0.9, t - roofHeight);
            roof.lineTo(wall.right() - roofHeight * 0.9, t - roofHeight);
            roof.lineTo(r, t);
            break;
        case RoofStyle::Gambrel:
            roof.moveTo(l, t);
            roof.lineTo(wall.left() + roofHeight * 0.25, t - roofHeight * 0.6);
            roof.lineTo(wall.left() + roofHeight * 0.7, t - roofHeight);
            roof.lineTo(wall.right() - roofHeight * 0.7, t - roofHeight);
            roof.lineTo(wall.right() - roofHeight * 0.25, t - roofHeight * 0.6);
            roof.lineTo(r, t);
            break;
        case RoofStyle::Flat:
            roof.addRect(QRectF(l, t - roofHeight, r - l, roofHeight));
            break;
    }
    roof.closeSubpath();
    QPainterPath body;
    body.addRect(wall);
    QLinearGradient wallGrad(wall.topLeft(), wall.bottomLeft());
    wallGrad.setColorAt(0, shade(plaster, 1.04));
    wallGrad.setColorAt(1, shade(plaster, 0.9));
    paperShape(p, body, wallGrad, 1.0);
    // A darker band under the eaves where the roof casts its shadow.
    QLinearGradient eaves(0, t, 0, t + 26);
    eaves.setColorAt(0, QColor(40, 20, 10, 80));
    eaves.setColorAt(1, QColor(40, 20, 10, 0));
    p.fillRect(QRectF(wall.left(), t, wall.width(), 26), eaves);
    // Plinth.
    p.fillRect(QRectF(wall.left(), wall.bottom() - 14, wall.width(), 14), shade(plaster, 0.72));
    QLinearGradient roofGrad(0, t - roofHeight, 0, t);
    roofGrad.setColorAt(0, shade(roofColour, 1.1));
    roofGrad.setColorAt(1, shade(roofColour, 0.85));
    paperShape(p, roof, roofGrad, 1.0);
    // Rows of tiles.
    if (style != RoofStyle::Flat) {
        p.save();
        p.setClipPath(roof, Qt::IntersectClip);
        p.setPen(QPen(shade(roofColour, 0.7), 1.2));
        for (qreal y = t - 6; y > t - roofHeight; y -= 9) p.drawLine(QPointF(l, y), QPointF(r, y));
        p.restore();
    }
}

void gableFront(QPainter& p, const QRectF& wall, qreal gableHeight, QColor plaster, QColor roofColour) {
    QPainterPath gable;
    gable.moveTo(wall.bottomLeft());
    gable.lineTo(wall.topLeft());
    gable.lineTo(wall.center().x(), wall.top() - gableHeight);
    gable.lineTo(wall.topRight());
    gable.lineTo(wall.bottomRight());
    gable.closeSubpath();
    QLinearGradient g(wall.topLeft(), wall.bottomLeft());
    g.setColorAt(0, shade(plaster, 1.05));
    g.setColorAt(1, shade(plaster, 0.9));
    paperShape(p, gable, g, 1.0);
    QPainterPath eave;
    const qreal w = 12;
    eave.moveTo(wall.left() - 10, wall.top() + 6);
    eave.lineTo(wall.center().x(), wall.top() - gableHeight - 8);
    eave.lineTo(wall.right() + 10, wall.top() + 6);
    eave.lineTo(wall.right() + 10 - w * 0.7, wall.top() + 6 + w * 0.7);
    eave.lineTo(wall.center().x(), wall.top() - gableHeight - 8 + w);
    eave.lineTo(wall.left() - 10 + w * 0.7, wall.top() + 6 + w * 0.7);
    eave.closeSubpath();
    paperShape(p, eave, roofColour, 0.8);
    p.fillRect(QRectF(wall.left(), wall.bottom() - 14, wall.width(), 14), shade(plaster, 0.72));
}

void window(QPainter& p, const QRectF& f, QColor frameColour, bool lit, bool shutters, QColor shutterColour, bool curtains) {
    if (shutters) {
        const qreal sw = f.width() * 0.45;
        for (const QRectF& s : {QRectF(f.left() - sw - 2, f.top(), sw, f.height()), QRectF(f.right() + 2, f.top(), sw, f.height())}) {
            QPainterPath sp;
            sp.addRect(s);
            paperShape(p, sp, shutterColour, 0.6);
            p.save();
            p.setPen(QPen(shade(shutterColour, 0.7), 1));
            for (qreal y = s.top() + 5; y < s.bottom() - 2; y += 6) p.drawLine(QPointF(s.left() + 2, y), QPointF(s.right() - 2, y));
            p.restore();
        }
    }
    QPainterPath framePath;
    framePath.addRect(f.adjusted(-4, -4, 4, 4));
    paperShape(p, framePath, frameColour, 0.7);
    const QRectF pane = f.adjusted(2, 2, -2, -2);
    QLinearGradient g(pane.topLeft(), pane.bottomRight());
    if (lit) {
        g.setColorAt(0, QColor(255, 226, 150));
        g.setColorAt(1, QColor(236, 170, 90));
    } else {
        g.setColorAt(0, shade(pal::glass, 1.15));
        g.setColorAt(0.55, pal::glassDark);
        g.setColorAt(1, shade(pal::glassDark, 0.8));
    }
    p.fillRect(pane, g);
    if (curtains) {
        const QColor c = lit ? QColor(230, 150, 90, 200) : QColor(236, 230, 214, 210);
        QPainterPath left;
        left.moveTo(pane.topLeft());
        left.lineTo(pane.left() + pane.width() * 0.28, pane.top());
        left.quadTo(pane.left() + pane.width() * 0.12, pane.center().y(), pane.left() + pane.width() * 0.2, pane.bottom());
        left.lineTo(pane.bottomLeft());
        left.closeSubpath();
        QTransform mirror;
        mirror.translate(pane.center().x() * 2, 0);
        mirror.scale(-1, 1);
        p.fillPath(left, c);
        p.fillPath(mirror.map(left), c);
    }
    // A reflection and the glazing bars.
    if (!lit) {
        QPainterPath shine;
        shine.moveTo(pane.left() + pane.width() * 0.55, pane.top());
        shine.lineTo(pane.left() + pane.width() * 0.75, pane.top());
        shine.lineTo(pane.left() + pane.width() * 0.35, pane.bottom());
        shine.lineTo(pane.left() + pane.width() * 0.15, pane.bottom());
        shine.closeSubpath();
        p.fillPath(shine, QColor(255, 255, 255, 40));
    }
    p.save();
    p.setPen(QPen(frameColour, std::max(2.0, f.width() * 0.05)));
    p.drawLine(QPointF(f.center().x(), f.top()), QPointF(f.center().x(), f.bottom()));
    p.drawLine(QPointF(f.left(), f.top() + f.height() * 0.4), QPointF(f.right(), f.top() + f.height() * 0.4));
    p.restore();
    // Sill.
    QPainterPath sill;
    sill.addRect(QRectF(f.left() - 8, f.bottom() + 3, f.width() + 16, 6));
    paperShape(p, sill, shade(frameColour, 0.9), 0.6);
}

namespace {

// A door's opening, square or with a round head as wide as the door.
QPainterPath doorOutline(const QRectF& f, bool arched) {
    QPainterPath outline;
    if (arched) {
        outline.moveTo(f.bottomLeft());
        outline.lineTo(f.left(), f.top() + f.width() / 2);
        outline.arcTo(QRectF(f.left(), f.top(), f.width(), f.width()), 180, -180);
        outline.lineTo(f.bottomRight());
        outline.closeSubpath();
    } else {
        outline.addRect(f);
    }
    return outline;
}

}  // namespace

void door(QPainter& p, const QRectF& f, QColor wood, bool arched, bool glazed, bool open) {
    const QPainterPath outline = doorOutline(f, arched);
    // The stone or plaster surround.
    QPainterPath surround = outline;
    QTransform grow;
    grow.translate(f.center().x(), f.bottom());
    grow.scale(1 + 16 / f.width(), 1 + 10 / f.height());
    grow.translate(-f.center().x(), -f.bottom());
    paperShape(p, grow.map(surround), QColor(210, 200, 184), 0.8);
    if (open) {
        QLinearGradient dark(f.topLeft(), f.bottomLeft());
        dark.setColorAt(0, QColor(30, 22, 18));
        dark.setColorAt(1, QColor(70, 54, 40));
        p.fillPath(outline, dark);
        return;
    }
    QLinearGradient g(f.topLeft(), f.topRight());
    g.setColorAt(0, shade(wood, 1.1));
    g.setColorAt(1, shade(wood, 0.85));
    p.fillPath(outline, g);
    p.save();
    p.setClipPath(outline, Qt::IntersectClip);
    p.setPen(QPen(shade(wood, 0.65), 2));
    p.setBrush(Qt::NoBrush);
    const qreal inset = f.width() * 0.12;
    if (glazed) {
        const QRectF pane(f.left() + inset, f.top() + inset + (arched ? f.width() * 0.2 : 0), f.width() - 2 * inset, f.height() * 0.4);
        QLinearGradient gg(pane.topLeft(), pane.bottomRight());
        gg.setColorAt(0, shade(pal::glass, 1.1));
        gg.setColorAt(1, pal::glassDark);
        p.fillRect(pane, gg);
        p.drawRect(pane);
        p.drawRect(QRectF(f.left() + inset, f.top() + f.height() * 0.58, f.width() - 2 * inset, f.height() * 0.34));
    } else {
        p.drawRect(QRectF(f.left() + inset, f.top() + inset + (arched ? f.width() * 0.3 : 0), f.width() - 2 * inset, f.height() * 0.38));
        p.drawRect(QRectF(f.left() + inset, f.top() + f.height() * 0.56, f.width() - 2 * inset, f.height() * 0.36));
    }
    p.restore();
    // Handle.
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(214, 180, 90));
    p.drawEllipse(QPointF(f.right() - f.width() * 0.16, f.top() + f.height() * 0.52), f.width() * 0.045 + 1.5, f.width() * 0.045 + 1.5);
    p.restore();
}

void doorway(QPainter& p, const QRectF& f, QColor inside, bool arched) {
    const QPainterPath outline = doorOutline(f, arched);
    QLinearGradient g(f.topLeft(), f.bottomLeft());
    g.setColorAt(0, shade(inside, 0.5));
    g.setColorAt(1, inside);
    p.fillPath(outline, g);
    p.save();
    p.setClipPath(outline, Qt::IntersectClip);
    // The inner edge casts a shadow into the opening: it reads as depth.
    QPainterPath inner = outline.translated(8, 6);
    QPainterPath edge = outline.subtracted(inner);
    p.fillPath(edge, QColor(0, 0, 0, 90));
    p.restore();
    p.save();
    p.setPen(QPen(QColor(0, 0, 0, 60), 2));
    p.drawPath(outline);
    p.restore();
}

void chimney(QPainter& p, const QRectF& body, QColor brickColour) {
    QPainterPath path;
    path.addRect(body);
    paperShape(p, path, brickColour, 0.7);
    QPainterPath cap;
    cap.addRect(QRectF(body.left() - 3, body.top() - 5, body.width() + 6, 6));
    paperShape(p, cap, shade(brickColour, 0.7), 0.5);
}

}  // namespace artgen
