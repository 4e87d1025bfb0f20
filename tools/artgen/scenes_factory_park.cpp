// The cider factory (front, the director's office, the side yard, the store) and the park with the madman.
#include "catalogue.hpp"
#include "interior_kit.hpp"
#include "item_art.hpp"
#include "palette.hpp"
#include "people.hpp"
#include "picture.hpp"
#include "scenery.hpp"
#include "street_kit.hpp"
#include "text.hpp"

#include "app/data_files.hpp"

namespace artgen {

namespace {

void appleLogo(QPainter& p, QPointF centre, qreal radius) {
    apple(p, centre, radius, pal::appleRed);
    QPainterPath leaf;
    leaf.moveTo(centre + QPointF(radius * 0.1, -radius * 0.9));
    leaf.quadTo(centre + QPointF(radius * 0.7, -radius * 1.4), centre + QPointF(radius * 0.9, -radius * 0.9));
    leaf.quadTo(centre + QPointF(radius * 0.5, -radius * 0.7), centre + QPointF(radius * 0.1, -radius * 0.9));
    p.fillPath(leaf, pal::appleGreen);
}

void factoryFront(QPainter& p) {
    streetSky(p, StreetLight::Warm, 7);
    hills(p, 300, 80, pal::hillFar, 26);
    for (int i = 0; i < 4; ++i) tree(p, QPointF(40 + i * 60, 320), 120, pal::foliage, 27 + static_cast<std::uint32_t>(i), true);
    const QRectF entrance = sceneRectF("imgCur27");
    const qreal groundY = entrance.bottom();
    // The factory hall with its saw-tooth roof.
    const QRectF hall(200, 150, 580, groundY - 150);
    QPainterPath roof;
    roof.moveTo(hall.left() - 10, hall.top());
    for (int i = 0; i < 5; ++i) {
        const qreal x = hall.left() - 10 + i * (hall.width() + 20) / 5;
        roof.lineTo(x, hall.top() - 50);
        roof.lineTo(x + (hall.width() + 20) / 5, hall.top());
    }
    roof.closeSubpath();
    paperShape(p, roof, pal::roofSlate, 1.0);
    facade(p, hall, pal::brick, pal::roofSlate, 0, RoofStyle::Flat, 0);
    for (int i = 0; i < 6; ++i) {
        if (hall.left() + 30 + i * 92 > entrance.left() - 60 && hall.left() + 30 + i * 92 < entrance.right()) continue;
        window(p, QRectF(hall.left() + 30 + i * 92, hall.top() + 30, 56, 70), QColor(230, 220, 200), false, false, QColor(), false);
    }
    sign(p, QRectF(hall.left() + 110, hall.top() + 110, 360, 44), QStringLiteral("MOŠTÁRNA MLÝNOTRHY"), QColor(250, 244, 224), pal::signRed,
         Face::SansBold, pal::signRed);
    appleLogo(p, QPointF(hall.left() + 80, hall.top() + 132), 22);
    door(p, entrance.adjusted(14, 8, -14, 0), QColor(150, 60, 50), false, true);
    sign(p, QRectF(entrance.left() + 8, entrance.top() - 8, entrance.width() - 16, 20), QStringLiteral("VCHOD"), pal::signCream, pal::ink,
         Face::CondensedBold);
    ground(p, QRectF(0, groundY, 800, 600 - groundY), QColor(170, 160, 140), QColor(130, 120, 104));
    // Crates of apples by the wall.
    for (int i = 0; i < 3; ++i) {
        const QRectF box(620 + i * 52, groundY - 46 - (i == 1 ? 46 : 0), 50, 46);
        crate(p, box, pal::woodLight);
        for (int a = 0; a < 4; ++a) apple(p, QPointF(box.left() + 8 + a * 11, box.top() - 2), 6, a % 2 ? pal::appleRed : pal::appleGreen);
    }
    // The passage to the side yard: a gap in the fence at the left edge.
    const QRectF side = sceneRectF("imgCur29");
    fence(p, QRectF(side.right(), side.top() + 120, 120, side.height() - 120), pal::woodLight);
    QPainterPath lane;
    lane.moveTo(side.left() - 10, side.top() + 150);
    lane.lineTo(side.right(), side.top() + 140);
    lane.lineTo(side.right() + 80, 600);
    lane.lineTo(side.left() - 10, 600);
    lane.closeSubpath();
    p.fillPath(lane, QColor(196, 186, 160, 170));
    signpost(p, QPointF(side.right() + 30, side.bottom()), 110, QStringLiteral("DVŮR"), false);
    wayOnEdge(p, false);
}

void directorsOffice(QPainter& p) {
    const qreal floorY = 470;
    room(p, QColor(214, 206, 186), pal::floorBoards, floorY, FloorKind::Boards);
    // A poster of the firm's pride, shelves of its juices, a window on the hall.
    QPainterPath poster;
    poster.addRect(QRectF(40, 60, 200, 150));
    paperShape(p, poster, QColor(250, 240, 210), 0.8);
    appleLogo(p, QPointF(140, 120), 34);
    fittedText(p, QRectF(48, 162, 184, 20), QStringLiteral("NAŠE JABLKA –"), Face::SansBold, pal::signRed);
    fittedText(p, QRectF(48, 182, 184, 20), QStringLiteral("NAŠE CHLOUBA"), Face::SansBold, pal::signRed);
    QPainterPath shelfPath;
    shelfPath.addRect(QRectF(560, 80, 200, 280));
    paperShape(p, shelfPath, pal::woodMid, 1.0);
    for (int s = 0; s < 3; ++s) {
        const qreal y = 90 + s * 90;
        p.fillRect(QRectF(566, y + 76, 188, 6), pal::woodLight);
        for (int b = 0; b < 6; ++b)
            bottle(p, QRectF(574 + b * 30, y + 20, 20, 56), s == 1 ? QColor(230, 170, 60) : QColor(200, 210, 120), QColor(250, 246, 230));
    }
    framedPicture(p, QRectF(300, 50, 170, 90), pal::skyWarmTop, pal::skyWarmBottom);
    const QRectF director = sceneRectF("imgCur28");
    chairBack(p, QRectF(director.center().x() - 60, director.top() + 30, 120, 170), QColor(40, 40, 46));
    p.save();
    p.setClipRect(QRectF(0, 0, 800, floorY));
    drawPerson(p, cast::director(), QRectF(director.left(), director.top() + 6, director.width(), 330), Pose{.leftArm = 22, .rightArm = 22, .leftElbow = 64, .rightElbow = 64});
    p.restore();
    desk(p, QRectF(240, 300, 320, floorY - 300 + 10), pal::woodDark);
    const QRectF plate(340, 330, 120, 26);
    QPainterPath pp;
    pp.addRect(plate);
    paperShape(p, pp, QColor(230, 200, 120), 0.6);
    fittedText(p, plate, QStringLiteral("ŘEDITEL"), Face::SerifBold, QColor(60, 40, 20));
    bottle(p, QRectF(500, 250, 20, 52), QColor(230, 170, 60), QColor(250, 246, 230));
    pottedPlant(p, QPointF(120, floorY + 40), 120, 71);
    wayBackEdge(p, pal::floorBoards);
}

void sideYard(QPainter& p) {
    streetSky(p, StreetLight::Warm, 8);
    const QRectF storeDoor = sceneRectF("imgCur31");
    facade(p, QRectF(-20, 120, 720, 330), pal::brick, pal::roofSlate, 20, RoofStyle::Flat, 6);
    for (int i = 0; i < 4; ++i) window(p, QRectF(40 + i * 160, 170, 60, 70), QColor(220, 214, 200), false, false, QColor(), false);
    // The store's door at the right edge.
    QPainterPath side;
    side.moveTo(690, 90);
    side.lineTo(820, 40);
    side.lineTo(820, 600);
    side.lineTo(690, 470);
    side.closeSubpath();
    paperShape(p, side, shade(pal::brick, 0.9), 1.2);
    QPainterPath leaf;
    leaf.moveTo(storeDoor.left() + 8, storeDoor.top() + 70);
    leaf.lineTo(storeDoor.right() - 2, storeDoor.top() + 40);
    leaf.lineTo(storeDoor.right() - 2, storeDoor.bottom());
    leaf.lineTo(storeDoor.left() + 8, storeDoor.bottom() - 70);
    leaf.closeSubpath();
    paperShape(p, leaf, QColor(110, 120, 130), 0.8);
    sign(p, QRectF(storeDoor.left() + 2, storeDoor.top() + 10, storeDoor.width() - 4, 24), QStringLiteral("SKLAD"), QColor(250, 210, 40), pal::ink,
         Face::SansBold);
    ground(p, QRectF(0, 450, 800, 150), QColor(170, 160, 140), QColor(120, 112, 98));
    // Pallets, crates and a scrap heap of old iron.
    for (int i = 0; i < 3; ++i) {
        QPainterPath pallet;
        pallet.addRect(QRectF(60, 420 - i * 14, 160, 12));
        paperShape(p, pallet, pal::woodLight, 0.6);
    }
    crate(p, QRectF(240, 360, 80, 70), pal::woodLight);
    crate(p, QRectF(260, 300, 70, 60), pal::woodLight);
    QPainterPath heap;
    heap.moveTo(480, 470);
    heap.quadTo(560, 380, 640, 470);
    heap.closeSubpath();
    paperShape(p, heap, QColor(120, 100, 90), 1.0);
    p.save();
    p.setPen(QPen(QColor(90, 70, 60), 4, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(500, 450), QPointF(570, 410));
    p.drawLine(QPointF(540, 460), QPointF(620, 430));
    p.restore();
    barrel(p, QRectF(380, 400, 46, 64), QColor(60, 110, 150));
    wayBackEdge(p, QColor(130, 120, 104));
}

void rodOnGround(QPainter& p) {
    const QRectF spot = sceneRectF("imgCur30");
    QPainterPath bar;
    bar.moveTo(spot.left() + 5, spot.bottom() - 11);
    bar.lineTo(spot.right() - 10, spot.top() + 6);
    bar.lineTo(spot.right() - 7, spot.top() + 11);
    bar.lineTo(spot.left() + 8, spot.bottom() - 6);
    bar.closeSubpath();
    QLinearGradient g(spot.topLeft(), spot.bottomLeft());
    g.setColorAt(0, QColor(150, 120, 100));
    g.setColorAt(1, QColor(80, 56, 44));
    paperShape(p, bar, g, 0.2);
}

void store(QPainter& p, bool withWorkers) {
    const qreal floorY = 460;
    room(p, QColor(186, 178, 160), QColor(150, 144, 132), floorY, FloorKind::Tiles);
    Random r(withWorkers ? 92 : 92);
    // Racks of crates, juice and boxed strudels.
    for (int rack = 0; rack < 3; ++rack) {
        const qreal x = 20 + rack * 260;
        QPainterPath frame;
        frame.addRect(QRectF(x, 80, 220, floorY - 80));
        paperShape(p, frame, QColor(120, 124, 128), 1.0);
        for (int s = 0; s < 3; ++s) {
            const qreal y = 90 + s * 120;
            p.fillRect(QRectF(x + 4, y + 104, 212, 8), QColor(90, 94, 98));
            for (int b = 0; b < 3; ++b) {
                const QRectF box(x + 10 + b * 70, y + 40, 62, 64);
                if (rack == 1 && s == 1) {
                    for (int k = 0; k < 3; ++k) bottle(p, QRectF(box.left() + 4 + k * 20, box.top() + 8, 16, 56), QColor(230, 170, 60), QColor(250, 246, 230));
                } else if (rack == 2 && s == 0) {
                    QPainterPath carton;
                    carton.addRect(box.adjusted(2, 10, -2, 0));
                    paperShape(p, carton, QColor(240, 220, 170), 0.5);
                    fittedText(p, box.adjusted(4, 20, -4, -20), QStringLiteral("ŠTRÚDL"), Face::CondensedBold, pal::signRed);
                } else {
                    crate(p, box.adjusted(0, 16, 0, 0), pal::woodLight);
                    for (int a = 0; a < 4; ++a) apple(p, QPointF(box.left() + 10 + a * 14, box.top() + 14), 7, r.range(0, 2) ? pal::appleRed : pal::appleGreen);
                }
            }
        }
    }
    hangingLamp(p, QPointF(400, 0), 30, true);
    if (withWorkers) {
        drawPerson(p, cast::workerOne(), QRectF(250, 170, 150, 320), Pose{.leftArm = 30, .rightArm = 115, .rightElbow = -35, .mouthOpen = true});
        // The stain on his overalls: last night somebody was sick on him.
        QPainterPath stain;
        stain.addEllipse(QRectF(300, 300, 36, 26));
        stain.addEllipse(QRectF(318, 318, 20, 22));
        p.fillPath(united(stain), QColor(160, 170, 70, 200));
        drawPerson(p, cast::workerTwo(), QRectF(420, 190, 150, 300), Pose{.leftArm = 10, .rightArm = 44, .rightElbow = 84, .frown = true});
    }
    wayBackEdge(p, QColor(150, 144, 132));
}

void nutOnFloor(QPainter& p) {
    const QRectF spot = sceneRectF("imgCur32");
    drawItem(p, Item::Nut, spot.adjusted(4, 2, -4, -2), 0.3);
}

void park(QPainter& p) {
    streetSky(p, StreetLight::Cool, 9);
    hills(p, 300, 60, pal::hillFar, 28);
    ground(p, QRectF(0, 300, 800, 300), pal::grass, shade(pal::grass, 0.8));
    for (int i = 0; i < 5; ++i) tree(p, QPointF(60 + i * 170, 330 + (i % 2) * 10), 200 + (i % 3) * 30, pal::foliage, 30 + static_cast<std::uint32_t>(i));
    // The pond with its ducks.
    QPainterPath pond;
    pond.addEllipse(QRectF(480, 380, 280, 90));
    paperShape(p, pond, pal::water, 0.6);
    p.fillPath(QPainterPath(), Qt::NoBrush);
    for (int i = 0; i < 2; ++i) {
        QPainterPath duck;
        duck.addEllipse(QRectF(560 + i * 80, 410, 22, 12));
        duck.addEllipse(QRectF(576 + i * 80, 402, 9, 9));
        paperShape(p, united(duck), QColor(240, 236, 226), 0.4);
    }
    // The gravel path where the madman stands.
    QPainterPath path;
    path.moveTo(180, 600);
    path.cubicTo(240, 470, 300, 420, 340, 330);
    path.lineTo(380, 330);
    path.cubicTo(360, 430, 380, 500, 460, 600);
    path.closeSubpath();
    p.fillPath(path, QColor(214, 200, 170));
    bench(p, QPointF(130, 460), 140);
    lampPost(p, QPointF(470, 420), 160);
    flowers(p, QRectF(20, 500, 160, 60), 50, 33);
    bush(p, QPointF(720, 540), 160, pal::foliageLight, 34);
    const QRectF madman = sceneRectF("imgCur35");
    drawPerson(p, cast::madman(), QRectF(madman.left(), madman.top() + 6, madman.width(), madman.height() - 8),
               Pose{.leftArm = 60, .rightArm = 140, .leftElbow = -40, .rightElbow = -25, .mouthOpen = true});
}

}  // namespace

void addFactoryAndPark(Catalogue& c) {
    c.picture(pic::tovarna1, [] { return render(Grade::WarmDay, 701, factoryFront); });
    c.picture(pic::tovarna2, [] { return render(Grade::Indoor, 702, directorsOffice); });
    c.picture(pic::tovarna3, [] { return render(Grade::WarmDay, 703, sideYard); });
    c.picture(pic::totyc, [] { return renderOverlay(Grade::WarmDay, 703, sideYard, rodOnGround, sceneRect("imgCur30")); });
    c.picture(pic::tovarna4a, [] { return render(Grade::Indoor, 704, [](QPainter& p) { store(p, false); }); });
    c.picture(pic::tomatka, [] {
        return renderOverlay(Grade::Indoor, 704, [](QPainter& p) { store(p, false); }, nutOnFloor, sceneRect("imgCur32"));
    });
    c.picture(pic::tovarna4b, [] { return render(Grade::CoolMorning, 705, [](QPainter& p) { store(p, true); }); });
    c.picture(pic::park, [] { return render(Grade::CoolMorning, 706, park); });
}

}  // namespace artgen
