// Trees, houses, windows, doors and street furniture of the scenery toolkit.
#include "scenery.hpp"

#include "palette.hpp"
#include "text.hpp"

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
