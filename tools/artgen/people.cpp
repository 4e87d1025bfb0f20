// Drawing a person from cut-out shapes: legs, clothes, arms, head, face, hair and hat.
#include "people.hpp"

#include "canvas.hpp"

#include <QLinearGradient>
#include <QPainterPathStroker>
#include <QtMath>

#include <cmath>

namespace artgen {

namespace {

struct Body {
    qreal h;        // figure height
    qreal cx;       // centre line
    qreal top;      // head top
    qreal headY;    // head centre
    qreal headRx, headRy;
    qreal shoulderY, hipY, feetY;
    qreal shoulderHalf, hipHalf;
    qreal armWidth;
};

Body measure(const Character& who, const QRectF& box) {
    Body b{};
    b.h = box.height();
    b.cx = box.center().x();
    b.top = box.top();
    const qreal scale = who.female ? 0.94 : 1.0;
    b.headRx = 0.062 * b.h * scale;
    b.headRy = 0.078 * b.h * scale;
    b.headY = b.top + b.headRy * 1.05;
    b.shoulderY = b.top + 0.19 * b.h;
    b.hipY = b.top + 0.52 * b.h;
    b.feetY = box.bottom();
    switch (who.build) {
        case Build::Slim: b.shoulderHalf = 0.098 * b.h; break;
        case Build::Average: b.shoulderHalf = 0.112 * b.h; break;
        case Build::Stout: b.shoulderHalf = 0.122 * b.h; break;
        case Build::Big: b.shoulderHalf = 0.14 * b.h; break;
    }
    if (who.female) b.shoulderHalf *= 0.9;
    b.hipHalf = b.shoulderHalf * (who.female ? 0.95 : 0.82);
    b.armWidth = (who.build == Build::Big ? 0.066 : 0.056) * b.h;
    return b;
}

QPainterPath polyline(std::initializer_list<QPointF> points, qreal width) {
    QPainterPath line;
    bool first = true;
    for (const QPointF& pt : points) {
        if (first) line.moveTo(pt); else line.lineTo(pt);
        first = false;
    }
    QPainterPathStroker stroker;
    stroker.setWidth(width);
    stroker.setCapStyle(Qt::RoundCap);
    stroker.setJoinStyle(Qt::RoundJoin);
    return united(stroker.createStroke(line));
}

void part(QPainter& p, const QPainterPath& path, QColor colour, qreal lift) {
    QLinearGradient g(path.boundingRect().topLeft(), path.boundingRect().bottomRight());
    g.setColorAt(0, shade(colour, 1.08));
    g.setColorAt(1, shade(colour, 0.86));
    paperShape(p, path, g, lift);
}

QColor faceColour(const Character& who, const Pose& pose) {
    return pose.sick ? mix(who.skin, QColor(150, 196, 120), 0.5) : who.skin;
}

bool rolledSleeves(Outfit o) { return o == Outfit::ShirtAndApron || o == Outfit::Overalls; }

QColor sleeveColour(const Character& who) {
    if (who.outfit == Outfit::ShirtAndApron || who.outfit == Outfit::Overalls || who.outfit == Outfit::Shirt) return who.shirt;
    return who.outer;
}

void drawLegs(QPainter& p, const Character& who, const Body& b, qreal lift) {
    const qreal legW = b.hipHalf * 0.86;
    const qreal gap = b.h * 0.012;
    const bool skirt = who.female && (who.outfit == Outfit::Blouse || who.outfit == Outfit::ShopCoat);
    const QColor legColour = skirt ? shade(who.skin, 0.85) : who.trousers;
    const qreal legTop = b.hipY - b.h * 0.03;
    const qreal w = skirt ? legW * 0.6 : legW;
    for (int side : {-1, 1}) {
        const qreal x = side < 0 ? b.cx - gap / 2 - w - (skirt ? legW * 0.2 : 0) : b.cx + gap / 2 + (skirt ? legW * 0.2 : 0);
        QPainterPath leg;
        leg.addRoundedRect(QRectF(x, legTop, w, b.feetY - legTop - b.h * 0.02), w * 0.3, w * 0.3);
        part(p, leg, legColour, lift);
        QPainterPath shoe;
        const qreal shoeW = legW * 1.15;
        const qreal sx = side < 0 ? x + w - shoeW + w * 0.1 : x - w * 0.1;
        shoe.addRoundedRect(QRectF(sx, b.feetY - b.h * 0.035, shoeW, b.h * 0.04), b.h * 0.018, b.h * 0.018);
        part(p, shoe, who.shoes, lift * 0.5);
    }
}

QPainterPath torsoPath(const Character& who, const Body& b, qreal bottomY) {
    const qreal sw = b.shoulderHalf;
    const qreal hw = b.hipHalf;
    QPainterPath t;
    t.moveTo(b.cx - sw, b.shoulderY + b.h * 0.04);
    t.quadTo(b.cx - sw, b.shoulderY, b.cx - sw * 0.7, b.shoulderY - b.h * 0.004);
    t.lineTo(b.cx + sw * 0.7, b.shoulderY - b.h * 0.004);
    t.quadTo(b.cx + sw, b.shoulderY, b.cx + sw, b.shoulderY + b.h * 0.04);
    const bool belly = who.build == Build::Stout || who.build == Build::Big;
    const qreal bulge = belly ? sw * 1.16 : sw * 0.98;
    t.quadTo(b.cx + bulge, b.top + 0.42 * b.h, b.cx + hw, b.hipY);
    if (bottomY > b.hipY) t.lineTo(b.cx + hw * 1.18, bottomY);
    if (bottomY > b.hipY) t.lineTo(b.cx - hw * 1.18, bottomY);
    t.lineTo(b.cx - hw, b.hipY);
    t.quadTo(b.cx - bulge, b.top + 0.42 * b.h, b.cx - sw, b.shoulderY + b.h * 0.04);
    t.closeSubpath();
    return t;
}

void drawTorso(QPainter& p, const Character& who, const Body& b, const Pose& pose, qreal lift) {
    qreal bottom = b.hipY + b.h * 0.02;
    QColor colour = who.outer;
    switch (who.outfit) {
        case Outfit::TrenchCoat: bottom = b.top + 0.78 * b.h; break;
        case Outfit::ShopCoat: bottom = b.top + 0.74 * b.h; break;
        case Outfit::Rags: bottom = b.top + 0.72 * b.h; break;
        case Outfit::Suit:
        case Outfit::LeatherJacket: bottom = b.hipY + b.h * 0.05; break;
        case Outfit::ShirtAndApron:
        case Outfit::Shirt: colour = who.shirt; break;
        case Outfit::Blouse: bottom = b.hipY + b.h * 0.01; break;
        case Outfit::Overalls: break;
    }
    if (who.female && who.outfit == Outfit::Blouse) {
        // The skirt under the blouse.
        QPainterPath skirt;
        skirt.moveTo(b.cx - b.hipHalf, b.hipY - b.h * 0.02);
        skirt.lineTo(b.cx + b.hipHalf, b.hipY - b.h * 0.02);
        skirt.lineTo(b.cx + b.hipHalf * 1.3, b.top + 0.76 * b.h);
        skirt.lineTo(b.cx - b.hipHalf * 1.3, b.top + 0.76 * b.h);
        skirt.closeSubpath();
        part(p, skirt, who.trousers, lift);
    }
    const QPainterPath torso = torsoPath(who, b, bottom);
    part(p, torso, colour, lift);
    p.save();
    p.setClipPath(torso, Qt::IntersectClip);
    const qreal collarY = b.shoulderY;
    if (pose.back) {
        if (who.outfit == Outfit::TrenchCoat) {
            p.fillRect(QRectF(b.cx - b.hipHalf * 1.2, b.top + 0.47 * b.h, b.hipHalf * 2.4, b.h * 0.03), shade(colour, 0.75));
            p.setPen(QPen(shade(colour, 0.7), b.h * 0.004));
            p.drawLine(QPointF(b.cx, b.top + 0.55 * b.h), QPointF(b.cx, bottom));
        }
        p.restore();
        return;
    }
    auto vNeck = [&](qreal depth, QColor inner) {
        QPainterPath v;
        v.moveTo(b.cx - b.shoulderHalf * 0.38, collarY - b.h * 0.01);
        v.lineTo(b.cx + b.shoulderHalf * 0.38, collarY - b.h * 0.01);
        v.lineTo(b.cx, collarY + depth);
        v.closeSubpath();
        p.fillPath(v, inner);
    };
    auto tie = [&](qreal length) {
        QPainterPath t;
        t.moveTo(b.cx - b.h * 0.01, collarY + b.h * 0.005);
        t.lineTo(b.cx + b.h * 0.01, collarY + b.h * 0.005);
        t.lineTo(b.cx + b.h * 0.016, collarY + length - b.h * 0.02);
        t.lineTo(b.cx, collarY + length);
        t.lineTo(b.cx - b.h * 0.016, collarY + length - b.h * 0.02);
        t.closeSubpath();
        p.fillPath(t, who.accent);
    };
    switch (who.outfit) {
        case Outfit::TrenchCoat: {
            vNeck(b.h * 0.12, who.shirt);
            if (who.tie) tie(b.h * 0.11);
            // Lapels, belt and buttons.
            QPainterPath lapel;
            lapel.moveTo(b.cx - b.shoulderHalf * 0.42, collarY - b.h * 0.01);
            lapel.lineTo(b.cx - b.shoulderHalf * 0.05, collarY + b.h * 0.13);
            lapel.lineTo(b.cx - b.shoulderHalf * 0.5, collarY + b.h * 0.06);
            lapel.closeSubpath();
            p.fillPath(lapel, shade(colour, 0.82));
            QTransform m;
            m.translate(2 * b.cx, 0);
            m.scale(-1, 1);
            p.fillPath(m.map(lapel), shade(colour, 0.82));
            p.fillRect(QRectF(b.cx - b.shoulderHalf * 1.3, b.top + 0.47 * b.h, b.shoulderHalf * 2.6, b.h * 0.03), shade(colour, 0.72));
            p.fillRect(QRectF(b.cx - b.h * 0.015, b.top + 0.465 * b.h, b.h * 0.03, b.h * 0.04), QColor(180, 150, 80));
            p.setPen(QPen(shade(colour, 0.7), std::max(1.0, b.h * 0.004)));
            p.drawLine(QPointF(b.cx + b.h * 0.01, b.top + 0.5 * b.h), QPointF(b.cx + b.h * 0.02, bottom));
            break;
        }
        case Outfit::Suit: {
            vNeck(b.h * 0.16, who.shirt);
            if (who.tie) tie(b.h * 0.15);
            p.setPen(QPen(shade(colour, 0.65), std::max(1.0, b.h * 0.005)));
            p.drawLine(QPointF(b.cx - b.shoulderHalf * 0.38, collarY), QPointF(b.cx - b.h * 0.01, collarY + b.h * 0.17));
            p.drawLine(QPointF(b.cx + b.shoulderHalf * 0.38, collarY), QPointF(b.cx + b.h * 0.01, collarY + b.h * 0.17));
            p.setBrush(shade(colour, 0.6));
            p.setPen(Qt::NoPen);
            for (qreal y : {0.4, 0.46}) p.drawEllipse(QPointF(b.cx + b.h * 0.012, b.top + y * b.h), b.h * 0.007, b.h * 0.007);
            break;
        }
        case Outfit::Overalls: {
            p.fillRect(QRectF(b.cx - b.shoulderHalf, b.shoulderY - b.h * 0.01, b.shoulderHalf * 2, b.h * 0.1), who.shirt);
            QPainterPath bib;
            bib.addRoundedRect(QRectF(b.cx - b.shoulderHalf * 0.55, b.shoulderY + b.h * 0.06, b.shoulderHalf * 1.1, b.h * 0.14), 3, 3);
            p.fillPath(bib, shade(colour, 1.05));
            p.setPen(QPen(shade(colour, 0.8), b.h * 0.022));
            p.drawLine(QPointF(b.cx - b.shoulderHalf * 0.45, b.shoulderY + b.h * 0.07), QPointF(b.cx - b.shoulderHalf * 0.6, b.shoulderY));
            p.drawLine(QPointF(b.cx + b.shoulderHalf * 0.45, b.shoulderY + b.h * 0.07), QPointF(b.cx + b.shoulderHalf * 0.6, b.shoulderY));
            p.fillRect(QRectF(b.cx - b.shoulderHalf * 0.25, b.shoulderY + b.h * 0.1, b.shoulderHalf * 0.5, b.h * 0.04), shade(colour, 0.85));
            if (who.accent.isValid()) p.fillRect(QRectF(b.cx - b.shoulderHalf * 0.18, b.shoulderY + b.h * 0.105, b.shoulderHalf * 0.36, b.h * 0.028), who.accent);
            break;
        }
        case Outfit::ShirtAndApron: {
            vNeck(b.h * 0.05, who.skin);
            QPainterPath apron;
            apron.addRoundedRect(QRectF(b.cx - b.hipHalf * 1.05, b.shoulderY + b.h * 0.1, b.hipHalf * 2.1, b.h * 0.6), 4, 4);
            p.fillPath(apron, who.accent);
            p.setPen(QPen(shade(who.accent, 0.8), b.h * 0.008));
            p.drawLine(QPointF(b.cx - b.hipHalf * 1.1, b.hipY - b.h * 0.05), QPointF(b.cx + b.hipHalf * 1.1, b.hipY - b.h * 0.05));
            break;
        }
        case Outfit::Blouse: {
            vNeck(b.h * 0.06, who.skin);
            p.setPen(QPen(shade(colour, 0.75), std::max(1.0, b.h * 0.004)));
            p.drawLine(QPointF(b.cx, b.shoulderY + b.h * 0.06), QPointF(b.cx, b.hipY));
            p.setPen(Qt::NoPen);
            p.setBrush(who.accent);
            p.drawEllipse(QPointF(b.cx, b.shoulderY + b.h * 0.02), b.h * 0.012, b.h * 0.012);
            break;
        }
        case Outfit::ShopCoat: {
            vNeck(b.h * 0.08, who.shirt);
            p.setPen(Qt::NoPen);
            p.setBrush(shade(colour, 0.7));
            for (qreal y : {0.32, 0.42, 0.52, 0.62}) p.drawEllipse(QPointF(b.cx + b.h * 0.01, b.top + y * b.h), b.h * 0.007, b.h * 0.007);
            p.fillRect(QRectF(b.cx + b.shoulderHalf * 0.3, b.top + 0.3 * b.h, b.shoulderHalf * 0.4, b.h * 0.05), shade(colour, 0.85));
            p.fillRect(QRectF(b.cx + b.shoulderHalf * 0.33, b.top + 0.29 * b.h, b.h * 0.006, b.h * 0.035), QColor(30, 30, 140));
            break;
        }
        case Outfit::Rags: {
            vNeck(b.h * 0.1, who.shirt);
            p.setPen(Qt::NoPen);
            p.fillRect(QRectF(b.cx - b.shoulderHalf * 0.8, b.top + 0.4 * b.h, b.shoulderHalf * 0.4, b.h * 0.06), shade(who.accent, 0.9));
            p.fillRect(QRectF(b.cx + b.shoulderHalf * 0.3, b.top + 0.58 * b.h, b.shoulderHalf * 0.5, b.h * 0.05), QColor(140, 130, 90));
            // A torn hem.
            QPainterPath teeth;
            for (int i = 0; i < 8; ++i) {
                const qreal x = b.cx - b.hipHalf * 1.2 + i * b.hipHalf * 0.3;
                teeth.moveTo(x, bottom + 1);
                teeth.lineTo(x + b.hipHalf * 0.15, bottom - b.h * 0.03);
                teeth.lineTo(x + b.hipHalf * 0.3, bottom + 1);
            }
            p.fillPath(teeth, shade(who.outer, 0.62));
            break;
        }
        case Outfit::LeatherJacket: {
            vNeck(b.h * 0.08, who.shirt);
            p.setPen(QPen(QColor(150, 150, 150), std::max(1.0, b.h * 0.004)));
            p.drawLine(QPointF(b.cx + b.h * 0.02, b.shoulderY + b.h * 0.08), QPointF(b.cx + b.h * 0.02, b.hipY + b.h * 0.05));
            QPainterPath shine;
            shine.addEllipse(QPointF(b.cx - b.shoulderHalf * 0.55, b.shoulderY + b.h * 0.12), b.shoulderHalf * 0.15, b.h * 0.06);
            p.fillPath(shine, QColor(255, 255, 255, 40));
            break;
        }
        case Outfit::Shirt: {
            vNeck(b.h * 0.05, who.skin);
            if (who.accent.isValid() && who.outer == who.shirt) {
                // Checks or stripes, in the accent colour.
                p.setPen(QPen(withAlpha(who.accent, 150), std::max(1.0, b.h * 0.008)));
                for (qreal x = b.cx - b.shoulderHalf * 1.2; x < b.cx + b.shoulderHalf * 1.2; x += b.h * 0.03)
                    p.drawLine(QPointF(x, b.shoulderY), QPointF(x, b.hipY + b.h * 0.03));
                if (who.build == Build::Stout)
                    for (qreal y = b.shoulderY + b.h * 0.02; y < b.hipY; y += b.h * 0.03)
                        p.drawLine(QPointF(b.cx - b.shoulderHalf * 1.3, y), QPointF(b.cx + b.shoulderHalf * 1.3, y));
            }
            p.fillRect(QRectF(b.cx - b.hipHalf * 1.1, b.hipY - b.h * 0.015, b.hipHalf * 2.2, b.h * 0.02), QColor(60, 40, 30));
            break;
        }
    }
    if (who.sash) {
        // White, red and blue, from the right shoulder down to the left hip.
        const QColor stripes[] = {QColor(246, 246, 246), QColor(206, 30, 40), QColor(20, 60, 150)};
        const qreal w = b.h * 0.014;
        for (int i = 0; i < 3; ++i) {
            QPainterPath band;
            const qreal off = (i - 1) * w;
            band.moveTo(b.cx + b.shoulderHalf * 0.8 + off, b.shoulderY - b.h * 0.01);
            band.lineTo(b.cx + b.shoulderHalf * 0.8 + off + w, b.shoulderY - b.h * 0.01);
            band.lineTo(b.cx - b.hipHalf * 1.1 + off + w, b.hipY + b.h * 0.02);
            band.lineTo(b.cx - b.hipHalf * 1.1 + off, b.hipY + b.h * 0.02);
            band.closeSubpath();
            p.fillPath(band, stripes[i]);
        }
    }
    p.restore();
}

struct ArmJoints {
    QPointF shoulder, elbow, wrist, hand;
    QPointF lower;  // the forearm's direction
};

ArmJoints armJoints(const Body& b, int side, qreal angleDeg, qreal elbowDeg) {
    auto direction = [side](qreal degrees) {
        const qreal a = qDegreesToRadians(degrees);
        return QPointF(side * std::sin(a), std::cos(a));
    };
    ArmJoints j;
    j.shoulder = QPointF(b.cx + side * (b.shoulderHalf - b.armWidth * 0.45), b.shoulderY + b.armWidth * 0.45);
    j.lower = direction(angleDeg - elbowDeg);
    j.elbow = j.shoulder + direction(angleDeg) * (b.h * 0.155);
    j.wrist = j.elbow + j.lower * (b.h * 0.135);
    j.hand = j.wrist + j.lower * (b.armWidth * 0.35);
    return j;
}

void drawArm(QPainter& p, const Character& who, const Body& b, int side, qreal angleDeg, qreal elbowDeg, qreal lift) {
    const ArmJoints j = armJoints(b, side, angleDeg, elbowDeg);
    const QPointF shoulder = j.shoulder;
    const QPointF elbow = j.elbow;
    const QPointF wrist = j.wrist;
    const QPointF hand = j.hand;
    const QPointF lower = j.lower;
    if (rolledSleeves(who.outfit)) {
        part(p, polyline({elbow, wrist}, b.armWidth * 0.8), who.skin, lift);
        part(p, polyline({shoulder, elbow + lower * (b.h * 0.02)}, b.armWidth), sleeveColour(who), lift);
    } else {
        part(p, polyline({shoulder, elbow, wrist}, b.armWidth), sleeveColour(who), lift);
        // The cuff.
        p.save();
        p.setPen(QPen(shade(sleeveColour(who), 0.72), std::max(1.0, b.armWidth * 0.14), Qt::SolidLine, Qt::RoundCap));
        const QPointF across(-lower.y(), lower.x());
        const QPointF cuff = wrist - lower * (b.armWidth * 0.12);
        p.drawLine(cuff - across * (b.armWidth * 0.45), cuff + across * (b.armWidth * 0.45));
        p.restore();
    }
    // A mitten hand with its thumb on the side towards the body.
    QPainterPath palm;
    palm.addEllipse(hand, b.armWidth * 0.5, b.armWidth * 0.55);
    const QPointF thumb = hand + QPointF(-side * b.armWidth * 0.38, 0) - lower * (b.armWidth * 0.12);
    palm.addEllipse(thumb, b.armWidth * 0.2, b.armWidth * 0.26);
    part(p, united(palm), who.skin, lift * 0.5);
}

void drawPhoneArm(QPainter& p, const Character& who, const Body& b, qreal lift) {
    const QPointF shoulder(b.cx - (b.shoulderHalf - b.armWidth * 0.45), b.shoulderY + b.armWidth * 0.45);
    const QPointF elbow(b.cx - b.shoulderHalf - b.h * 0.03, b.shoulderY + b.h * 0.13);
    const QPointF hand(b.cx - b.headRx * 1.05, b.headY + b.headRy * 0.2);
    part(p, polyline({shoulder, elbow, hand}, b.armWidth), sleeveColour(who), lift);
    QPainterPath phone;
    phone.addRoundedRect(QRectF(hand.x() - b.h * 0.012, hand.y() - b.h * 0.045, b.h * 0.024, b.h * 0.06), 2, 2);
    p.fillPath(phone, QColor(30, 34, 40));
    QPainterPath palm;
    palm.addEllipse(hand + QPointF(-b.h * 0.006, b.h * 0.01), b.armWidth * 0.5, b.armWidth * 0.55);
    part(p, palm, who.skin, lift * 0.5);
}

void drawHandToMouth(QPainter& p, const Character& who, const Body& b, qreal lift) {
    const QPointF shoulder(b.cx + (b.shoulderHalf - b.armWidth * 0.45), b.shoulderY + b.armWidth * 0.45);
    const QPointF elbow(b.cx + b.shoulderHalf + b.h * 0.02, b.shoulderY + b.h * 0.14);
    const QPointF hand(b.cx + b.headRx * 0.2, b.headY + b.headRy * 0.6);
    part(p, polyline({shoulder, elbow, hand}, b.armWidth), sleeveColour(who), lift);
    QPainterPath palm;
    palm.addEllipse(hand, b.armWidth * 0.6, b.armWidth * 0.55);
    part(p, palm, who.skin, lift * 0.5);
}

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

}  // namespace

void drawPerson(QPainter& p, const Character& who, const QRectF& box, const Pose& pose) {
    const Body b = measure(who, box);
    p.save();
    // The shadow on the ground.
    QPainterPath floorShadow;
    floorShadow.addEllipse(QPointF(b.cx, b.feetY - b.h * 0.005), b.shoulderHalf * 1.5, b.h * 0.02);
    softShadow(p, floorShadow, QPointF(b.h * 0.02, 0), b.h * 0.02, QColor(20, 10, 0, 110));
    const qreal lift = std::clamp(b.h / 300.0, 0.3, 1.4);
    drawLegs(p, who, b, lift);
    if (pose.bentForward) {
        // Lean the upper body over from the hips.
        p.translate(b.cx, b.hipY);
        p.rotate(-16);
        p.translate(-b.cx, -b.hipY);
    }
    if (pose.back) {
        drawArm(p, who, b, -1, pose.leftArm, pose.leftElbow, lift);
        drawArm(p, who, b, 1, pose.rightArm, pose.rightElbow, lift);
        drawTorso(p, who, b, pose, lift);
        drawHead(p, who, b, pose);
    } else {
        drawTorso(p, who, b, pose, lift);
        drawHead(p, who, b, pose);
        if (pose.leftHandToEar) drawPhoneArm(p, who, b, lift);
        else drawArm(p, who, b, -1, pose.leftArm, pose.leftElbow, lift);
        if (pose.rightHandToMouth) drawHandToMouth(p, who, b, lift);
        else drawArm(p, who, b, 1, pose.rightArm, pose.rightElbow, lift);
    }
    p.restore();
}

QPointF handPosition(const Character& who, const QRectF& box, const Pose& pose, int side) {
    const Body b = measure(who, box);
    return side < 0 ? armJoints(b, -1, pose.leftArm, pose.leftElbow).hand : armJoints(b, 1, pose.rightArm, pose.rightElbow).hand;
}

void drawPortrait(QPainter& p, const Character& who, const QRectF& box, const Pose& pose) {
    p.save();
    p.setClipRect(box, Qt::IntersectClip);
    const qreal h = box.height() * 2.3;
    drawPerson(p, who, QRectF(box.center().x() - h / 2, box.top() + box.height() * 0.12, h, h), pose);
    p.restore();
}

}  // namespace artgen
