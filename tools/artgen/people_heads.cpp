// Drawing a person's head: neck and ears, the face with its features, hair and hat.
#include "canvas.hpp"
#include "person_parts.hpp"

#include <QRadialGradient>

#include <cmath>

namespace artgen::figure {

namespace {

void drawBackHair(QPainter& p, const Character& who, const Body& b, const Pose& pose) {
    if (pose.back) return;
    const QPointF c(b.cx, b.headY);
    QPainterPath hair;
    if (who.hairStyle == HairStyle::Long) {
        hair.addRoundedRect(QRectF(c.x() - b.headRx * 1.2, c.y() - b.headRy * 0.6, b.headRx * 2.4, b.headRy * 2.1), b.headRx * 0.6, b.headRx * 0.6);
    } else if (who.hairStyle == HairStyle::Curly) {
        for (int i = 0; i < 10; ++i) {
            const qreal a = -2.9 + i * 0.64;
            hair.addEllipse(c + QPointF(std::cos(a) * b.headRx * 1.05, std::sin(a) * b.headRy * 1.0 + b.headRy * 0.1), b.headRx * 0.42, b.headRx * 0.42);
        }
    } else if (who.hairStyle == HairStyle::Wild) {
        hair.moveTo(c + QPointF(b.headRx * 1.5, b.headRy * 0.3));
        for (int i = 0; i <= 14; ++i) {
            const qreal a = -0.2 - i * (3.54 / 14);
            const qreal r = (i % 2 ? 1.7 : 1.2);
            hair.lineTo(c + QPointF(std::cos(a) * b.headRx * r, std::sin(a) * b.headRy * r));
        }
        hair.closeSubpath();
    } else {
        return;
    }
    part(p, united(hair), who.hair, 0.6);
}

void drawFrontHair(QPainter& p, const Character& who, const Body& b, const Pose& pose) {
    const QPointF c(b.cx, b.headY);
    const qreal rx = b.headRx;
    const qreal ry = b.headRy;
    if (pose.back) {
        QPainterPath head;
        head.addEllipse(c, rx * 1.02, ry * 1.02);
        if (who.hairStyle == HairStyle::Bald) {
            QPainterPath band;
            band.addRect(QRectF(c.x() - rx * 1.1, c.y(), rx * 2.2, ry * 0.6));
            p.fillPath(head.intersected(band), who.hair);
        } else if (who.hairStyle != HairStyle::Shaved) {
            QPainterPath cover;
            cover.addRect(QRectF(c.x() - rx * 1.1, c.y() - ry * 1.2, rx * 2.2, ry * 1.9));
            p.fillPath(head.intersected(cover), who.hair);
        }
        return;
    }
    QPainterPath hair;
    switch (who.hairStyle) {
        case HairStyle::Bald: {
            hair.addEllipse(c + QPointF(-rx * 0.92, ry * 0.05), rx * 0.22, ry * 0.35);
            hair.addEllipse(c + QPointF(rx * 0.92, ry * 0.05), rx * 0.22, ry * 0.35);
            p.fillPath(hair, who.hair);
            QPainterPath shine;
            shine.addEllipse(c + QPointF(-rx * 0.3, -ry * 0.65), rx * 0.25, ry * 0.12);
            p.fillPath(shine, QColor(255, 255, 255, 70));
            return;
        }
        case HairStyle::Shaved: {
            QPainterPath top;
            top.addEllipse(c, rx * 1.01, ry * 1.01);
            QPainterPath cut;
            cut.addRect(QRectF(c.x() - rx * 1.1, c.y() - ry * 1.1, rx * 2.2, ry * 0.6));
            p.fillPath(top.intersected(cut), withAlpha(who.hair, 90));
            return;
        }
        case HairStyle::Short:
        case HairStyle::Slick:
        case HairStyle::Bun:
        case HairStyle::Long:
        case HairStyle::Curly:
        case HairStyle::Wild: {
            hair.moveTo(c + QPointF(-rx * 1.06, ry * 0.1));
            hair.cubicTo(c + QPointF(-rx * 1.15, -ry * 1.3), c + QPointF(rx * 1.15, -ry * 1.3), c + QPointF(rx * 1.06, ry * 0.1));
            if (who.hairStyle == HairStyle::Slick) {
                hair.quadTo(c + QPointF(rx * 0.9, -ry * 0.5), c + QPointF(rx * 0.2, -ry * 0.62));
                hair.quadTo(c + QPointF(-rx * 0.6, -ry * 0.55), c + QPointF(-rx * 1.06, ry * 0.1));
            } else {
                hair.quadTo(c + QPointF(rx * 0.7, -ry * 0.3), c + QPointF(rx * 0.3, -ry * 0.5));
                hair.quadTo(c + QPointF(-rx * 0.2, -ry * 0.25), c + QPointF(-rx * 0.5, -ry * 0.45));
                hair.quadTo(c + QPointF(-rx * 0.9, -ry * 0.2), c + QPointF(-rx * 1.06, ry * 0.1));
            }
            hair.closeSubpath();
            if (who.hairStyle == HairStyle::Bun) hair.addEllipse(c + QPointF(0, -ry * 1.12), rx * 0.45, rx * 0.4);
            part(p, united(hair), who.hair, 0.4);
            if (who.hairStyle == HairStyle::Slick) {
                p.save();
                p.setPen(QPen(shade(who.hair, 0.7), std::max(1.0, rx * 0.05)));
                p.drawLine(c + QPointF(-rx * 0.35, -ry * 0.95), c + QPointF(-rx * 0.3, -ry * 0.6));
                p.restore();
            }
            return;
        }
    }
}

void drawHat(QPainter& p, const Character& who, const Body& b) {
    const QPointF c(b.cx, b.headY);
    const qreal rx = b.headRx;
    const qreal ry = b.headRy;
    const QColor col = who.hatColour;
    switch (who.hat) {
        case Hat::None: return;
        case Hat::Fedora: {
            QPainterPath crown;
            crown.moveTo(c + QPointF(-rx * 0.95, -ry * 0.5));
            crown.cubicTo(c + QPointF(-rx * 1.0, -ry * 1.5), c + QPointF(-rx * 0.2, -ry * 1.35), c + QPointF(0, -ry * 1.2));
            crown.cubicTo(c + QPointF(rx * 0.2, -ry * 1.35), c + QPointF(rx * 1.0, -ry * 1.5), c + QPointF(rx * 0.95, -ry * 0.5));
            crown.closeSubpath();
            part(p, crown, col, 0.6);
            p.fillRect(QRectF(c.x() - rx * 0.97, c.y() - ry * 0.72, rx * 1.94, ry * 0.2), shade(col, 0.55));
            QPainterPath brim;
            brim.addEllipse(c + QPointF(0, -ry * 0.5), rx * 1.55, ry * 0.2);
            part(p, brim, shade(col, 0.9), 0.6);
            return;
        }
        case Hat::Cap: {
            QPainterPath dome;
            dome.moveTo(c + QPointF(-rx * 1.05, -ry * 0.35));
            dome.cubicTo(c + QPointF(-rx * 1.1, -ry * 1.4), c + QPointF(rx * 1.1, -ry * 1.4), c + QPointF(rx * 1.05, -ry * 0.35));
            dome.closeSubpath();
            part(p, dome, col, 0.5);
            QPainterPath visor;
            visor.addEllipse(c + QPointF(0, -ry * 0.35), rx * 0.95, ry * 0.16);
            part(p, visor, shade(col, 0.75), 0.5);
            return;
        }
        case Hat::StrawHat: {
            QPainterPath brim;
            brim.addEllipse(c + QPointF(0, -ry * 0.55), rx * 1.9, ry * 0.28);
            part(p, brim, col, 0.6);
            QPainterPath crown;
            crown.addRoundedRect(QRectF(c.x() - rx * 0.9, c.y() - ry * 1.35, rx * 1.8, ry * 0.8), rx * 0.4, rx * 0.4);
            part(p, crown, shade(col, 1.05), 0.5);
            p.fillRect(QRectF(c.x() - rx * 0.9, c.y() - ry * 0.8, rx * 1.8, ry * 0.16), QColor(170, 50, 40));
            return;
        }
        case Hat::FlatCap: {
            QPainterPath capPath;
            capPath.moveTo(c + QPointF(-rx * 1.08, -ry * 0.4));
            capPath.cubicTo(c + QPointF(-rx * 1.2, -ry * 1.25), c + QPointF(rx * 1.3, -ry * 1.3), c + QPointF(rx * 1.15, -ry * 0.45));
            capPath.lineTo(c + QPointF(rx * 0.9, -ry * 0.3));
            capPath.lineTo(c + QPointF(-rx * 0.9, -ry * 0.3));
            capPath.closeSubpath();
            part(p, capPath, col, 0.5);
            return;
        }
    }
}

void drawFace(QPainter& p, const Character& who, const Body& b, const Pose& pose) {
    const QPointF c(b.cx, b.headY);
    const qreal rx = b.headRx;
    const qreal ry = b.headRy;
    const QColor skin = faceColour(who, pose);
    const QColor dark(40, 30, 28);
    p.save();
    p.setPen(Qt::NoPen);
    // Cheeks.
    p.setBrush(withAlpha(QColor(230, 110, 100), pose.sick ? 0 : 60));
    p.drawEllipse(c + QPointF(-rx * 0.55, ry * 0.3), rx * 0.2, ry * 0.12);
    p.drawEllipse(c + QPointF(rx * 0.55, ry * 0.3), rx * 0.2, ry * 0.12);
    // Stubble and beard first, the features on top.
    if (who.beard == Beard::Stubble) {
        QPainterPath jaw;
        jaw.addEllipse(c, rx, ry);
        QPainterPath low;
        low.addRect(QRectF(c.x() - rx, c.y() + ry * 0.3, rx * 2, ry));
        p.fillPath(jaw.intersected(low), withAlpha(shade(who.hair, 0.8), 55));
    }
    if (who.beard == Beard::Full) {
        QPainterPath beard;
        beard.moveTo(c + QPointF(-rx * 0.98, ry * 0.05));
        beard.cubicTo(c + QPointF(-rx * 0.9, ry * 1.5), c + QPointF(rx * 0.9, ry * 1.5), c + QPointF(rx * 0.98, ry * 0.05));
        beard.quadTo(c + QPointF(rx * 0.5, ry * 0.5), c + QPointF(0, ry * 0.38));
        beard.quadTo(c + QPointF(-rx * 0.5, ry * 0.5), c + QPointF(-rx * 0.98, ry * 0.05));
        p.fillPath(beard, who.hair);
    }
    // Eyes.
    const qreal eyeY = c.y() - ry * 0.02;
    for (int side : {-1, 1}) {
        const QPointF eye(c.x() + side * rx * 0.38, eyeY);
        if (pose.eyesClosed) {
            p.setPen(QPen(dark, std::max(1.0, rx * 0.07)));
            p.setBrush(Qt::NoBrush);
            p.drawArc(QRectF(eye.x() - rx * 0.14, eye.y() - ry * 0.06, rx * 0.28, ry * 0.14), 180 * 16, 180 * 16);
            p.setPen(Qt::NoPen);
        } else {
            p.setBrush(QColor(250, 250, 246));
            p.drawEllipse(eye, rx * 0.15, ry * 0.1);
            p.setBrush(dark);
            p.drawEllipse(eye + QPointF(0, ry * 0.01), rx * 0.08, ry * 0.08);
        }
        // Brows.
        p.setPen(QPen(shade(who.hair, 0.7), std::max(1.0, rx * 0.08), Qt::SolidLine, Qt::RoundCap));
        const qreal tilt = pose.frown ? side * -ry * 0.06 : 0;
        p.drawLine(eye + QPointF(-rx * 0.17, -ry * 0.22 - tilt), eye + QPointF(rx * 0.17, -ry * 0.22 + tilt));
        p.setPen(Qt::NoPen);
    }
    // Nose.
    p.setBrush(who.redNose ? QColor(214, 90, 80) : shade(skin, 0.85));
    const qreal noseR = who.redNose ? rx * 0.17 : rx * 0.11;
    p.drawEllipse(c + QPointF(0, ry * 0.2), noseR, noseR * 1.1);
    // Moustache.
    if (who.beard == Beard::Moustache || who.beard == Beard::Full) {
        QPainterPath m;
        m.moveTo(c + QPointF(-rx * 0.5, ry * 0.45));
        m.quadTo(c + QPointF(-rx * 0.25, ry * 0.24), c + QPointF(0, ry * 0.32));
        m.quadTo(c + QPointF(rx * 0.25, ry * 0.24), c + QPointF(rx * 0.5, ry * 0.45));
        m.quadTo(c + QPointF(0, ry * 0.4), c + QPointF(-rx * 0.5, ry * 0.45));
        p.fillPath(m, shade(who.hair, 0.9));
    }
    // Mouth.
    const QPointF mouth = c + QPointF(0, ry * 0.55);
    if (pose.mouthOpen) {
        p.setBrush(QColor(110, 30, 30));
        p.drawEllipse(mouth, rx * 0.2, ry * 0.13);
    } else if (pose.sick) {
        p.setPen(QPen(QColor(90, 60, 50), std::max(1.0, rx * 0.06)));
        QPainterPath wave;
        wave.moveTo(mouth + QPointF(-rx * 0.25, 0));
        wave.quadTo(mouth + QPointF(-rx * 0.12, -ry * 0.06), mouth + QPointF(0, 0));
        wave.quadTo(mouth + QPointF(rx * 0.12, ry * 0.06), mouth + QPointF(rx * 0.25, 0));
        p.setBrush(Qt::NoBrush);
        p.drawPath(wave);
        p.setPen(Qt::NoPen);
    } else {
        p.setPen(QPen(QColor(130, 60, 50), std::max(1.0, rx * 0.06), Qt::SolidLine, Qt::RoundCap));
        p.setBrush(Qt::NoBrush);
        const qreal curve = pose.smile ? ry * 0.1 : (pose.frown ? -ry * 0.08 : ry * 0.02);
        QPainterPath line;
        line.moveTo(mouth + QPointF(-rx * 0.22, 0));
        line.quadTo(mouth + QPointF(0, curve), mouth + QPointF(rx * 0.22, 0));
        p.drawPath(line);
        p.setPen(Qt::NoPen);
    }
    // Glasses.
    if (who.glasses) {
        p.setPen(QPen(QColor(50, 40, 36), std::max(1.0, rx * 0.06)));
        p.setBrush(QColor(255, 255, 255, 30));
        p.drawEllipse(QPointF(c.x() - rx * 0.38, eyeY), rx * 0.26, ry * 0.2);
        p.drawEllipse(QPointF(c.x() + rx * 0.38, eyeY), rx * 0.26, ry * 0.2);
        p.drawLine(QPointF(c.x() - rx * 0.12, eyeY), QPointF(c.x() + rx * 0.12, eyeY));
    }
    if (who.sunglasses) {
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(20, 20, 24));
        p.drawRoundedRect(QRectF(c.x() - rx * 0.72, eyeY - ry * 0.14, rx * 0.62, ry * 0.26), 3, 3);
        p.drawRoundedRect(QRectF(c.x() + rx * 0.1, eyeY - ry * 0.14, rx * 0.62, ry * 0.26), 3, 3);
        p.fillRect(QRectF(c.x() - rx * 0.12, eyeY - ry * 0.08, rx * 0.24, ry * 0.05), QColor(20, 20, 24));
    }
    p.restore();
}

}  // namespace

void drawHead(QPainter& p, const Character& who, const Body& b, const Pose& pose) {
    const QColor skin = faceColour(who, pose);
    QPainterPath neck;
    neck.addRect(QRectF(b.cx - b.headRx * 0.42, b.headY + b.headRy * 0.5, b.headRx * 0.84, b.shoulderY - b.headY - b.headRy * 0.3));
    part(p, neck, shade(who.skin, 0.88), 0.3);
    drawBackHair(p, who, b, pose);
    QPainterPath ears;
    ears.addEllipse(QPointF(b.cx - b.headRx * 0.98, b.headY + b.headRy * 0.05), b.headRx * 0.16, b.headRy * 0.2);
    ears.addEllipse(QPointF(b.cx + b.headRx * 0.98, b.headY + b.headRy * 0.05), b.headRx * 0.16, b.headRy * 0.2);
    part(p, ears, shade(skin, 0.92), 0.3);
    QPainterPath head;
    head.addEllipse(QPointF(b.cx, b.headY), b.headRx, b.headRy);
    QRadialGradient g(QPointF(b.cx - b.headRx * 0.3, b.headY - b.headRy * 0.3), b.headRx * 1.6);
    g.setColorAt(0, shade(skin, 1.06));
    g.setColorAt(1, shade(skin, 0.88));
    paperShape(p, head, g, 0.6);
    if (!pose.back) drawFace(p, who, b, pose);
    drawFrontHair(p, who, b, pose);
    drawHat(p, who, b);
}

}  // namespace artgen::figure
