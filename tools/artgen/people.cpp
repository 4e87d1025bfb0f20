// Drawing a person from cut-out shapes: the body's measures, legs and arms, and the whole figure.
#include "people.hpp"

#include "canvas.hpp"
#include "person_parts.hpp"

#include <QLinearGradient>
#include <QPainterPathStroker>
#include <QtMath>

#include <cmath>

namespace artgen {

namespace figure {

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

}  // namespace figure

namespace {

using namespace figure;

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
