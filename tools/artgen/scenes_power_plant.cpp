// The power plant: the gate, the machine hall and the back room (the yard and the storeroom lock have
// files of their own).
#include "catalogue.hpp"
#include "interior_kit.hpp"
#include "item_art.hpp"
#include "palette.hpp"
#include "power_plant_kit.hpp"
#include "people.hpp"
#include "picture.hpp"
#include "scenery.hpp"
#include "street_kit.hpp"
#include "text.hpp"

#include "app/data_files.hpp"

namespace artgen {

namespace {

void gate(QPainter& p) {
    streetSky(p, StreetLight::Warm, 5);
    hills(p, 310, 70, pal::hillFar, 23);
    pylon(p, QPointF(120, 310), 150);
    pylon(p, QPointF(40, 300), 110);
    p.save();
    p.setPen(QPen(QColor(60, 60, 60, 140), 1.2));
    p.drawLine(QPointF(102, 182), QPointF(300, 170));
    p.drawLine(QPointF(138, 182), QPointF(300, 176));
    p.restore();
    // The plant: a brick hall with its tall chimney.
    chimney(p, QRectF(640, 10, 40, 160), pal::brick);
    const QRectF hall(280, 140, 480, 200);
    facade(p, hall, pal::brick, pal::roofSlate, 40, RoofStyle::Flat, 8);
    for (int i = 0; i < 5; ++i) {
        const QRectF w(hall.left() + 30 + i * 90, hall.top() + 40, 50, 90);
        QPainterPath arch;
        arch.addRoundedRect(w, 20, 20);
        paperShape(p, arch, QColor(230, 220, 200), 0.6);
        p.fillRect(w.adjusted(5, 5, -5, -5), pal::glassDark);
        p.fillRect(QRectF(w.center().x() - 1, w.top() + 5, 2, w.height() - 10), QColor(230, 220, 200));
    }
    sign(p, QRectF(hall.left() + 60, hall.top() + 2, hall.width() - 120, 32), QStringLiteral("ELEKTRÁRNA MLÝNOTRHY"), pal::signCream,
         pal::ink, Face::SansBold);
    // Ground and fence with its gate.
    const QRectF gateDoor = sceneRectF("imgCur18");
    ground(p, QRectF(0, 330, 800, 110), pal::grassDry, pal::grass);
    ground(p, QRectF(0, gateDoor.bottom(), 800, 600 - gateDoor.bottom()), QColor(176, 166, 150), QColor(140, 130, 116));
    grassTufts(p, QRectF(0, gateDoor.bottom(), 800, 160), pal::grass, 60, 24);
    p.save();
    p.setPen(QPen(QColor(90, 96, 100), 3));
    for (qreal x = 0; x < 800; x += 90) p.drawLine(QPointF(x, 330), QPointF(x, gateDoor.bottom()));
    p.setPen(QPen(QColor(120, 126, 130, 150), 1));
    for (qreal x = -200; x < 800; x += 12) {
        p.drawLine(QPointF(x, gateDoor.bottom()), QPointF(x + 100, 334));
        p.drawLine(QPointF(x + 100, gateDoor.bottom()), QPointF(x, 334));
    }
    p.setPen(QPen(QColor(90, 96, 100), 3));
    p.drawLine(QPointF(0, 334), QPointF(800, 334));
    p.restore();
    QPainterPath frame;
    frame.addRect(gateDoor.adjusted(6, 0, -6, 0));
    QPainterPath inner;
    inner.addRect(gateDoor.adjusted(14, 8, -14, -8));
    paperShape(p, frame.subtracted(inner), QColor(70, 110, 80), 1.0);
    p.fillRect(gateDoor.adjusted(14, 8, -14, -8), QColor(80, 90, 80, 60));
    p.save();
    p.setPen(QPen(QColor(70, 110, 80), 2));
    for (qreal x = gateDoor.left() + 24; x < gateDoor.right() - 14; x += 12) p.drawLine(QPointF(x, gateDoor.top() + 8), QPointF(x, gateDoor.bottom() - 8));
    p.restore();
    warningTriangle(p, QPointF(gateDoor.left() - 60, 370), 46);
    sign(p, QRectF(gateDoor.left() - 130, 400, 140, 22), QStringLiteral("Nepovolaným vstup zakázán"), QColor(250, 250, 246), pal::signRed,
         Face::CondensedBold);
    // The path to the gate.
    QPainterPath path;
    path.moveTo(gateDoor.left() + 10, gateDoor.bottom());
    path.lineTo(gateDoor.right() - 10, gateDoor.bottom());
    path.lineTo(gateDoor.right() + 80, 600);
    path.lineTo(gateDoor.left() - 80, 600);
    path.closeSubpath();
    p.fillPath(path, QColor(196, 186, 166, 160));
    bush(p, QPointF(60, 450), 130, pal::foliage, 25);
}

void nailOnGround(QPainter& p) {
    const QRectF spot = sceneRectF("imgCur17");
    p.save();
    p.translate(spot.center());
    p.rotate(-18);
    drawItem(p, Item::Nail, QRectF(-30, -30, 60, 60), 0.5);
    p.restore();
}

void machineHall(QPainter& p) {
    const QRectF backDoor = sceneRectF("imgCur24");
    const qreal floorY = backDoor.bottom();
    room(p, QColor(200, 206, 196), QColor(150, 156, 150), floorY, FloorKind::Tiles);
    p.fillRect(QRectF(0, floorY - 160, 800, 150), QColor(150, 170, 150));
    // Pipes along the wall.
    for (int i = 0; i < 3; ++i) {
        QPainterPath pipe;
        pipe.addRect(QRectF(0, 50 + i * 22, 800, 12));
        paperShape(p, pipe, QColor::fromHsv(20 + i * 90, 90, 170), 0.6);
    }
    // The big door to the back room.
    QPainterPath frame;
    frame.addRect(backDoor.adjusted(40, 40, -40, 0));
    paperShape(p, frame, QColor(90, 100, 96), 1.0);
    for (int i = 0; i < 2; ++i) {
        const qreal half = (backDoor.width() - 96) / 2;
        const QRectF leaf(backDoor.left() + 48 + i * half, backDoor.top() + 48, half - 2, backDoor.height() - 48);
        QLinearGradient g(leaf.topLeft(), leaf.topRight());
        g.setColorAt(0, QColor(140, 150, 140));
        g.setColorAt(1, QColor(100, 110, 104));
        p.fillRect(leaf, g);
        p.fillRect(QRectF(leaf.left() + 10, leaf.top() + 20, leaf.width() - 20, 60), QColor(60, 80, 90));
    }
    sign(p, QRectF(backDoor.center().x() - 70, backDoor.top() + 6, 140, 28), QStringLiteral("DÍLNA"), pal::signCream, pal::ink, Face::SansBold);
    // Generators.
    for (int g = 0; g < 2; ++g) {
        const qreal x = g == 0 ? 560 : 660;
        const qreal y = floorY + 40 + g * 40;
        QPainterPath body;
        body.addRoundedRect(QRectF(x - 90, y - 170, 200, 170), 30, 30);
        QLinearGradient gg(x - 90, 0, x + 110, 0);
        gg.setColorAt(0, QColor(90, 150, 110));
        gg.setColorAt(1, QColor(40, 90, 60));
        paperShape(p, body, gg, 1.6);
        QPainterPath wheel;
        wheel.addEllipse(QPointF(x - 90, y - 85), 60, 70);
        paperShape(p, wheel, QColor(70, 74, 80), 1.0);
        QPainterPath hub;
        hub.addEllipse(QPointF(x - 90, y - 85), 14, 16);
        p.fillPath(hub, QColor(200, 204, 210));
        QPainterPath gauge;
        gauge.addEllipse(QPointF(x + 40, y - 120), 18, 18);
        paperShape(p, gauge, QColor(250, 248, 240), 0.5);
        p.save();
        p.setPen(QPen(QColor(200, 30, 30), 2));
        p.drawLine(QPointF(x + 40, y - 120), QPointF(x + 50, y - 130));
        p.restore();
    }
    // The control panel at the left.
    QPainterPath panel;
    panel.addRect(QRectF(20, floorY - 200, 140, 200));
    paperShape(p, panel, QColor(200, 196, 180), 1.0);
    Random r(91);
    p.save();
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 12; ++i) {
        p.setBrush(r.range(0, 2) ? QColor(240, 80, 60) : QColor(90, 220, 110));
        p.drawEllipse(QPointF(44 + (i % 4) * 30, floorY - 170 + (i / 4) * 28), 6, 6);
    }
    p.restore();
    for (int i = 0; i < 2; ++i) {
        QPainterPath dial;
        dial.addEllipse(QPointF(60 + i * 60, floorY - 60), 20, 20);
        paperShape(p, dial, QColor(250, 248, 240), 0.5);
    }
    for (qreal x = 120; x < 800; x += 300) {
        hangingLamp(p, QPointF(x, 0), 24, true);
    }
    // A low bench by the wall, where somebody left his fishing line.
    const QRectF lineSpot = sceneRectF("imgCur25");
    QPainterPath benchLegs;
    benchLegs.addRect(QRectF(lineSpot.left() - 20, lineSpot.bottom(), 8, floorY - lineSpot.bottom() + 24));
    benchLegs.addRect(QRectF(lineSpot.right() + 12, lineSpot.bottom(), 8, floorY - lineSpot.bottom() + 24));
    paperShape(p, benchLegs, pal::woodDark, 0.6);
    QPainterPath benchTop;
    benchTop.addRect(QRectF(lineSpot.left() - 28, lineSpot.bottom() - 4, lineSpot.width() + 56, 10));
    paperShape(p, benchTop, pal::woodMid, 0.6);
    wayBackEdge(p, QColor(150, 156, 150));
}

void lineOnFloor(QPainter& p) {
    const QRectF spot = sceneRectF("imgCur25");
    QPainterPath spool;
    spool.addEllipse(QRectF(spot.left() + 6, spot.top() + 5, 24, 12));
    paperShape(p, spool, QColor(40, 120, 160), 0.12);
    QPainterPath wound;
    wound.addEllipse(QRectF(spot.left() + 10, spot.top() + 7, 16, 8));
    p.fillPath(wound, QColor(220, 236, 244));
    p.save();
    p.setPen(QPen(QColor(236, 246, 250), 1.3));
    QPainterPath loose;
    loose.moveTo(spot.left() + 28, spot.top() + 12);
    loose.cubicTo(spot.left() + 40, spot.top() + 4, spot.left() + 48, spot.top() + 18, spot.right() - 12, spot.top() + 11);
    p.drawPath(loose);
    p.restore();
}

void backRoom(QPainter& p) {
    const qreal floorY = 430;
    room(p, QColor(196, 190, 170), QColor(140, 136, 126), floorY, FloorKind::Tiles);
    window(p, QRectF(560, 80, 120, 100), QColor(220, 214, 200), false, false, QColor(), false);
    windowLight(p, QRectF(560, 80, 120, 100), floorY);
    // Pegboard with tools.
    QPainterPath board;
    board.addRect(QRectF(150, 90, 330, 180));
    paperShape(p, board, QColor(200, 170, 120), 1.0);
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(150, 120, 80));
    for (qreal y = 100; y < 270; y += 14)
        for (qreal x = 160; x < 476; x += 14) p.drawEllipse(QPointF(x, y), 1.5, 1.5);
    p.restore();
    drawItem(p, Item::Hammer, QRectF(170, 100, 90, 90), 0.3);
    QPainterPath wrench;
    wrench.addRoundedRect(QRectF(280, 110, 16, 120), 6, 6);
    wrench.addEllipse(QPointF(288, 110), 16, 16);
    paperShape(p, united(wrench), QColor(170, 176, 184), 0.5);
    QPainterPath saw;
    saw.moveTo(330, 120);
    saw.lineTo(460, 140);
    saw.lineTo(460, 170);
    saw.lineTo(330, 160);
    saw.closeSubpath();
    paperShape(p, saw, QColor(200, 204, 210), 0.5);
    // Calendar.
    QPainterPath cal;
    cal.addRect(QRectF(40, 90, 80, 110));
    paperShape(p, cal, QColor(250, 248, 240), 0.6);
    p.fillRect(QRectF(40, 90, 80, 30), pal::signRed);
    fittedText(p, QRectF(40, 92, 80, 26), QStringLiteral("SRPEN"), Face::SansBold, QColor(255, 255, 255));
    fittedText(p, QRectF(40, 124, 80, 22), QStringLiteral("2003"), Face::Sans, pal::ink);
    // Workbench with a vice.
    QPainterPath bench;
    bench.addRect(QRectF(120, 300, 400, 24));
    bench.addRect(QRectF(140, 324, 20, floorY - 324 + 20));
    bench.addRect(QRectF(480, 324, 20, floorY - 324 + 20));
    paperShape(p, united(bench), pal::woodMid, 1.2);
    QPainterPath vice;
    vice.addRect(QRectF(420, 270, 60, 32));
    paperShape(p, vice, QColor(60, 90, 140), 0.8);
    crate(p, QRectF(580, floorY - 70, 90, 80), pal::woodLight);
    crate(p, QRectF(600, floorY - 140, 70, 70), pal::woodLight);
    // Fishing rods leaning in the corner: the maintenance man fishes.
    p.save();
    p.setPen(QPen(QColor(60, 60, 60), 3, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(720, floorY + 10), QPointF(700, 80));
    p.drawLine(QPointF(740, floorY + 10), QPointF(760, 90));
    p.restore();
    wayBackEdge(p, QColor(140, 136, 126));
}

void wireOnFloor(QPainter& p) {
    const QRectF spot = sceneRectF("imgCur26");
    QPainterPath w;
    w.moveTo(spot.left() + 4, spot.bottom() - 6);
    w.cubicTo(spot.left() + 30, spot.top() + 2, spot.left() + 60, spot.bottom() - 2, spot.left() + 80, spot.top() + 6);
    w.cubicTo(spot.left() + 92, spot.top() + 2, spot.right() - 10, spot.bottom() - 4, spot.right() - 4, spot.top() + 8);
    p.save();
    p.setPen(QPen(QColor(60, 30, 20, 90), 4, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(w.translated(1.5, 2));
    p.setPen(QPen(QColor(200, 110, 50), 3, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(w);
    p.setPen(QPen(QColor(250, 190, 130), 1));
    p.drawPath(w.translated(-0.5, -0.8));
    p.restore();
}

}  // namespace

void addPowerPlant(Catalogue& c) {
    c.picture(pic::elektr1, [] { return render(Grade::WarmDay, 501, gate); });
    c.picture(pic::elhrebik, [] { return renderOverlay(Grade::WarmDay, 501, gate, nailOnGround, sceneRect("imgCur17")); });
    c.picture(pic::elektr2, [] { return render(Grade::WarmDay, 502, powerPlantYard); });
    addStoreroomLock(c);
    c.picture(pic::elektr4, [] { return render(Grade::Indoor, 504, machineHall); });
    c.picture(pic::elvlasec, [] { return renderOverlay(Grade::Indoor, 504, machineHall, lineOnFloor, sceneRect("imgCur25")); });
    c.picture(pic::elektr5, [] { return render(Grade::Indoor, 505, backRoom); });
    c.picture(pic::eldrat, [] { return renderOverlay(Grade::Indoor, 505, backRoom, wireOnFloor, sceneRect("imgCur26")); });
}

}  // namespace artgen
