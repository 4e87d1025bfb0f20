// The power plant's yard, drawn in one-point perspective: the machine hall's wall across the back,
// the storeroom's wall receding along the right with its door, concrete slabs converging on the
// vanishing point, and everything in it sized by its distance.
#include "hotspots.hpp"
#include "palette.hpp"
#include "people.hpp"
#include "power_plant_kit.hpp"
#include "scenery.hpp"
#include "street_kit.hpp"
#include "text.hpp"

#include <QPolygonF>
#include <QTransform>

namespace artgen {

namespace {

// The camera: eye 1.6 m above the yard, looking straight at the machine hall, focal length in pixels.
constexpr qreal kFocal = 800;
constexpr qreal kEyeHeight = 1.6;
constexpr qreal kHorizonY = 275;
constexpr qreal kVanishX = 430;
// The hall's wall stands this far ahead (metres); its foot then lies at y 409, the hall door's sill.
constexpr qreal kHallDistance = kFocal * kEyeHeight / (409 - kHorizonY);
// The storeroom's wall runs towards the viewer this far right of the eye (metres).
constexpr qreal kStoreSide = 2.36;

// A point in the yard: `across` metres right of the eye, `height` above the ground, `distance` ahead.
QPointF project(qreal across, qreal height, qreal distance) {
    return {kVanishX + kFocal * across / distance, kHorizonY + kFocal * (kEyeHeight - height) / distance};
}

// Pixels per metre at a given distance.
qreal scaleAt(qreal distance) { return kFocal / distance; }

// A painter transform that draws on the storeroom's wall: x is centimetres along the wall from the
// hall's corner towards the viewer, y is centimetres down from 4 m above the ground.
QTransform storeWall() {
    constexpr qreal kLength = 600;
    constexpr qreal kTop = 400;
    const QPolygonF wall({QPointF(0, 0), QPointF(kLength, 0), QPointF(kLength, kTop), QPointF(0, kTop)});
    const qreal near = kHallDistance - kLength / 100;
    const QPolygonF screen({project(kStoreSide, kTop / 100, kHallDistance), project(kStoreSide, kTop / 100, near),
                            project(kStoreSide, 0, near), project(kStoreSide, 0, kHallDistance)});
    QTransform t;
    QTransform::quadToQuad(wall, screen, t);
    return t;
}

// The wall's point at `along` metres from the hall's corner and `height` metres up.
QPointF onStoreWall(qreal along, qreal height) { return project(kStoreSide, height, kHallDistance - along); }

void hallWall(QPainter& p, const QRectF& hallDoor) {
    const qreal footY = hallDoor.bottom();
    const qreal cornerX = onStoreWall(0, 0).x();
    const qreal s = scaleAt(kHallDistance);
    facade(p, QRectF(-30, footY - 4.1 * s, cornerX + 30, 4.1 * s), pal::brick, pal::roofSlate, 22, RoofStyle::Flat, 6);
    // A darker plinth along the foot of the wall.
    p.fillRect(QRectF(-30, footY - 0.35 * s, cornerX + 30, 0.35 * s), withAlpha(shade(pal::brick, 0.55), 150));
    // The sliding steel door of the machine hall, open a hand's breadth.
    QPainterPath slide;
    slide.addRect(hallDoor.adjusted(4, 20, -4, 0));
    QLinearGradient steel(hallDoor.topLeft(), hallDoor.topRight());
    steel.setColorAt(0, QColor(128, 148, 138));
    steel.setColorAt(1, QColor(84, 100, 94));
    paperShape(p, slide, steel, 1.0);
    p.save();
    p.setPen(QPen(QColor(62, 76, 70), 2));
    for (qreal y = hallDoor.top() + 36; y < footY; y += 17) p.drawLine(QPointF(hallDoor.left() + 4, y), QPointF(hallDoor.right() - 4, y));
    p.fillRect(QRectF(hallDoor.left() + hallDoor.width() * 0.58, hallDoor.top() + 20, 12, hallDoor.height() - 20), QColor(24, 26, 26));
    p.setPen(QPen(QColor(70, 70, 72), 5, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(hallDoor.left() - 10, hallDoor.top() + 18), QPointF(hallDoor.right() + 40, hallDoor.top() + 18));
    p.restore();
    sign(p, QRectF(hallDoor.left() + 6, hallDoor.top() - 30, hallDoor.width() - 12, 28), QStringLiteral("STROJOVNA"), pal::signCream, pal::ink,
         Face::SansBold);
    // High windows of the hall, and under them a switch box with the warning.
    for (int i = 0; i < 2; ++i) window(p, QRectF(450 + i * 92, footY - 2.9 * s, 0.8 * s, 1.1 * s), QColor(220, 214, 200), false, false, QColor(), false);
    const QRectF box(542 + 0.05 * s, footY - 1.6 * s, 0.7 * s, 0.9 * s);
    QPainterPath boxPath;
    boxPath.addRoundedRect(box, 3, 3);
    paperShape(p, boxPath, QColor(150, 156, 150), 0.8);
    warningTriangle(p, box.center() + QPointF(0, 0.03 * s), 0.42 * s);
    p.save();
    p.setPen(QPen(QColor(70, 72, 76), 4));
    p.drawLine(QPointF(box.center().x(), box.bottom()), QPointF(box.center().x(), footY - 0.3 * s));
    p.restore();
}

void storeroom(QPainter& p) {
    // The wall, from the hall's corner out of the picture on the right.
    QPainterPath wall;
    wall.moveTo(onStoreWall(0, 0));
    wall.lineTo(onStoreWall(0, 3.4));
    wall.lineTo(onStoreWall(7, 3.4));
    wall.lineTo(onStoreWall(7, 0));
    wall.closeSubpath();
    QLinearGradient lit(onStoreWall(0, 1), onStoreWall(5, 1));
    lit.setColorAt(0, QColor(206, 198, 180));
    lit.setColorAt(1, QColor(226, 218, 200));
    paperShape(p, wall, lit, 1.2);
    // Its roof edge, seen from below.
    QPainterPath eave;
    eave.moveTo(onStoreWall(0, 3.4));
    eave.lineTo(onStoreWall(7, 3.4));
    eave.lineTo(onStoreWall(7, 3.6));
    eave.lineTo(onStoreWall(0, 3.6));
    eave.closeSubpath();
    p.fillPath(eave, shade(pal::roofSlate, 0.8));

    p.save();
    p.setTransform(storeWall(), true);
    // x: centimetres along the wall towards the viewer; y: centimetres down from 4 m up.
    p.fillRect(QRectF(0, 365, 600, 35), QColor(150, 146, 136));  // plinth
    p.setPen(QPen(QColor(176, 170, 156), 3));
    for (qreal y = 60; y < 365; y += 45) p.drawLine(QPointF(0, y), QPointF(600, y));  // plaster courses
    p.setPen(Qt::NoPen);
    // The door, 1.3 m wide and 2.4 m high, with its frame, lock plate and handle.
    const QRectF door(304, 160, 131, 240);
    p.fillRect(door.adjusted(-8, -8, 8, 0), QColor(120, 122, 118));
    QLinearGradient green(door.topLeft(), door.topRight());
    green.setColorAt(0, QColor(84, 122, 106));
    green.setColorAt(1, QColor(104, 142, 124));
    p.fillRect(door, green);
    p.setPen(QPen(QColor(62, 92, 80), 3));
    p.drawRect(door.adjusted(12, 14, -12, -14));
    p.drawLine(QPointF(door.left() + 12, door.center().y()), QPointF(door.right() - 12, door.center().y()));
    p.setPen(Qt::NoPen);
    p.fillRect(QRectF(door.left() + 10, 272, 16, 30), QColor(196, 198, 200));
    p.fillRect(QRectF(door.left() + 10, 276, 34, 7), QColor(206, 208, 210));
    p.fillRect(QRectF(door.left() + 15, 288, 5, 10), QColor(24, 24, 26));
    p.restore();
    // The sign over the door, in the wall's perspective.
    p.save();
    p.setTransform(storeWall(), true);
    sign(p, QRectF(312, 108, 115, 40), QStringLiteral("SKLAD"), QColor(250, 210, 40), pal::ink, Face::SansBold);
    p.restore();
    // A drainpipe down the wall's near end.
    p.save();
    p.setPen(QPen(QColor(120, 124, 128), scaleAt(kHallDistance - 5.6) * 0.11, Qt::SolidLine, Qt::FlatCap));
    p.drawLine(onStoreWall(5.6, 3.5), onStoreWall(5.6, 0.1));
    p.restore();
}

void yardFloor(QPainter& p) {
    const qreal footY = onStoreWall(0, 0).y();
    QPainterPath floor;
    floor.moveTo(-10, footY);
    floor.lineTo(onStoreWall(0, 0));
    floor.lineTo(onStoreWall(7, 0));
    floor.lineTo(-10, 610);
    floor.closeSubpath();
    floor.addRect(QRectF(-10, 520, 820, 90));
    const QPainterPath area = united(floor);
    QLinearGradient g(0, footY, 0, 600);
    g.setColorAt(0, shade(pal::concrete, 0.92));
    g.setColorAt(1, shade(pal::concrete, 1.06));
    p.fillPath(area, g);
    p.save();
    p.setClipPath(area, Qt::IntersectClip);
    // Slab joints: lines running away from the viewer meet at the vanishing point.
    p.setPen(QPen(shade(pal::concrete, 0.68), 1.6));
    for (qreal across = -14; across <= kStoreSide; across += 2.2) p.drawLine(project(across, 0, kHallDistance), project(across, 0, 2.0));
    // Lines across, every 2.2 m, closer together with distance.
    for (qreal d = kHallDistance - 2.2; d > 2.0; d -= 2.2) p.drawLine(project(-14, 0, d), project(kStoreSide, 0, d));
    // A soft shadow at the foot of both walls, an oil stain and a drain.
    QLinearGradient foot(0, footY, 0, footY + 26);
    foot.setColorAt(0, QColor(40, 30, 20, 70));
    foot.setColorAt(1, QColor(40, 30, 20, 0));
    p.fillRect(QRectF(-10, footY, 820, 26), foot);
    p.setPen(Qt::NoPen);
    // A ground ellipse of radius r metres at distance d is r * f / d wide and r * f * eye / d^2 high.
    auto onGround = [&](qreal across, qreal distance, qreal radius, QColor colour) {
        p.setBrush(colour);
        p.drawEllipse(project(across, 0, distance), radius * scaleAt(distance), radius * scaleAt(distance) * kEyeHeight / distance);
    };
    onGround(-2.2, 6.4, 0.35, QColor(60, 56, 52, 60));
    onGround(0.5, 4.4, 0.2, QColor(70, 72, 74));
    p.restore();
    grassTufts(p, QRectF(0, footY + 2, 600, 14), QColor(110, 140, 70), 14, 5021);
}

void cableDrum(QPainter& p, qreal across, qreal distance, qreal diameter) {
    const qreal s = scaleAt(distance);
    const QPointF foot = project(across, 0, distance);
    const qreal r = diameter * s / 2;
    const QPointF centre = foot - QPointF(0, r);
    QPainterPath rim;
    rim.addEllipse(centre, r, r);
    paperShape(p, rim, pal::woodMid, 1.0);
    QPainterPath cable;
    cable.addEllipse(centre, r * 0.72, r * 0.72);
    p.fillPath(cable, QColor(44, 44, 46));
    p.save();
    p.setPen(QPen(QColor(70, 70, 72), std::max(1.0, r * 0.04)));
    p.setBrush(Qt::NoBrush);
    for (qreal k = 0.3; k < 0.72; k += 0.1) p.drawEllipse(centre, r * k, r * k);
    p.restore();
    QPainterPath hub;
    hub.addEllipse(centre, r * 0.18, r * 0.18);
    paperShape(p, hub, shade(pal::woodMid, 1.15), 0.4);
}

}  // namespace

void powerPlantYard(QPainter& p) {
    streetSky(p, StreetLight::Warm, 6);
    pylon(p, QPointF(700, 140), 130);
    p.save();
    p.setPen(QPen(QColor(90, 96, 104, 160), 1.2));
    p.drawLine(QPointF(646, 30), QPointF(-10, 70));
    p.drawLine(QPointF(754, 30), QPointF(810, 44));
    p.restore();
    const QRectF hallDoor = sceneRectF("imgCur23");
    hallWall(p, hallDoor);
    yardFloor(p);
    storeroom(p);
    // Two barrels against the hall's wall, the cable drum out in the yard.
    const qreal sHall = scaleAt(kHallDistance - 0.5);
    const QPointF barrelFoot = project(-3.9, 0, kHallDistance - 0.5);
    barrel(p, QRectF(barrelFoot.x() - 0.6 * sHall, barrelFoot.y() - 0.9 * sHall, 0.58 * sHall, 0.9 * sHall), QColor(60, 110, 150));
    barrel(p, QRectF(barrelFoot.x() + 0.05 * sHall, barrelFoot.y() - 0.84 * sHall, 0.55 * sHall, 0.84 * sHall), QColor(170, 60, 40));
    cableDrum(p, 1.15, 6.6, 0.95);
    // The maintenance man, a step in front of the hall's wall, as tall as a man is at that distance.
    const QRectF man = sceneRectF("imgCur19");
    const qreal feetY = man.bottom() - 2;
    const qreal distance = kFocal * kEyeHeight / (feetY - kHorizonY);
    const qreal height = 1.8 * scaleAt(distance);
    drawPerson(p, cast::maintenanceMan(), QRectF(man.left(), feetY - height, man.width(), height),
               Pose{.leftArm = 12, .rightArm = 44, .rightElbow = 84});
    wayBackEdge(p, pal::concrete);
}

}  // namespace artgen
