// The town hall: entrance hall, corridor, the mayor's office in its three states and the back room.
#include "catalogue.hpp"
#include "interior_kit.hpp"
#include "palette.hpp"
#include "people.hpp"
#include "picture.hpp"
#include "scenery.hpp"
#include "street_kit.hpp"
#include "text.hpp"

#include "app/data_files.hpp"

namespace artgen {

namespace {

constexpr qreal kOfficeFloorY = 480;

void entranceHall(QPainter& p) {
    const QRectF inner = sceneRectF("imgCur3");
    room(p, pal::wallOffice, pal::floorTiles, inner.bottom(), FloorKind::Tiles);
    // Wainscot along the wall.
    p.fillRect(QRectF(0, inner.bottom() - 120, 800, 110), shade(pal::woodMid, 1.1));
    p.fillRect(QRectF(0, inner.bottom() - 124, 800, 6), pal::woodDark);
    // The glazed double door to the corridor.
    const qreal half = inner.width() / 2;
    QPainterPath frame;
    frame.addRect(inner.adjusted(-8, -8, 8, 0));
    paperShape(p, frame, pal::woodDark, 1.0);
    for (int i = 0; i < 2; ++i) door(p, QRectF(inner.left() + i * half + 3, inner.top() + 40, half - 6, inner.height() - 40), pal::woodMid, false, true);
    p.fillRect(QRectF(inner.left(), inner.top(), inner.width(), 38), QColor(170, 196, 210));
    sign(p, QRectF(inner.left() + 10, inner.top() - 60, inner.width() - 20, 40), QStringLiteral("OBECNÍ ÚŘAD"), pal::signCream,
         pal::ink, Face::SerifBold, QColor(160, 130, 70));
    noticeBoard(p, QRectF(40, 150, 180, 190), QStringLiteral("ÚŘEDNÍ DESKA"), 31);
    // Opening hours plaque.
    QPainterPath plaque;
    plaque.addRect(QRectF(560, 180, 150, 100));
    paperShape(p, plaque, QColor(236, 230, 210), 0.8);
    fittedText(p, QRectF(565, 186, 140, 22), QStringLiteral("Úřední hodiny"), Face::SansBold, pal::ink);
    fittedText(p, QRectF(565, 214, 140, 20), QStringLiteral("Po, St  8–17"), Face::Sans, pal::ink);
    fittedText(p, QRectF(565, 238, 140, 20), QStringLiteral("Út, Čt  8–14"), Face::Sans, pal::ink);
    fittedText(p, QRectF(565, 260, 140, 18), QStringLiteral("Pá  zavřeno"), Face::Sans, pal::signRed);
    czechFlag(p, QPointF(600, 120), 60);
    pottedPlant(p, QPointF(250, 470), 110, 32);
    coatRack(p, QPointF(660, 480), 190, QColor(90, 110, 80));
    hangingLamp(p, QPointF(400, 0), 40);
    wayBackEdge(p, pal::floorTiles);
}

void upholsteredLeaf(QPainter& p, const QRectF& leaf) {
    QPainterPath path;
    path.addRect(leaf);
    QLinearGradient g(leaf.topLeft(), leaf.topRight());
    g.setColorAt(0, QColor(120, 44, 40));
    g.setColorAt(1, QColor(86, 28, 26));
    paperShape(p, path, g, 0.6);
    // Quilted with brass studs, as office doors used to be.
    p.save();
    p.setClipPath(path, Qt::IntersectClip);
    p.setPen(QPen(QColor(70, 20, 20), 1.5));
    for (qreal d = -leaf.height(); d < leaf.width() + leaf.height(); d += 40) {
        p.drawLine(QPointF(leaf.left() + d, leaf.top()), QPointF(leaf.left() + d - leaf.height(), leaf.bottom()));
        p.drawLine(QPointF(leaf.left() + d - leaf.height(), leaf.top()), QPointF(leaf.left() + d, leaf.bottom()));
    }
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(214, 180, 100));
    for (qreal y = leaf.top() + 20; y < leaf.bottom(); y += 40)
        for (qreal x = leaf.left() + 20; x < leaf.right(); x += 40) p.drawEllipse(QPointF(x, y), 2.5, 2.5);
    p.restore();
}

void officeDoorLock(QPainter& p) {
    const QRectF lock = sceneRectF("imgCur36");
    QPainterPath plate;
    plate.addRoundedRect(QRectF(lock.left() + 14, lock.top() + 4, 26, lock.height() - 8), 8, 8);
    QLinearGradient g(lock.topLeft(), lock.topRight());
    g.setColorAt(0, QColor(236, 206, 120));
    g.setColorAt(1, QColor(170, 130, 60));
    paperShape(p, plate, g, 0.8);
    QPainterPath handle;
    handle.addRoundedRect(QRectF(lock.left() - 6, lock.top() + 14, 40, 9), 4, 4);
    paperShape(p, handle, QColor(220, 190, 110), 0.8);
    QPainterPath keyhole;
    keyhole.addEllipse(QPointF(lock.left() + 27, lock.top() + 46), 4, 4);
    keyhole.moveTo(lock.left() + 25, lock.top() + 46);
    keyhole.lineTo(lock.left() + 29, lock.top() + 46);
    keyhole.lineTo(lock.left() + 30.5, lock.top() + 58);
    keyhole.lineTo(lock.left() + 23.5, lock.top() + 58);
    keyhole.closeSubpath();
    p.fillPath(united(keyhole), QColor(20, 14, 10));
}

void corridor(QPainter& p) {
    room(p, pal::wallOffice, pal::floorTiles, 545, FloorKind::Tiles);
    p.fillRect(QRectF(0, 400, 800, 135), shade(pal::plasterGreen, 0.95));
    p.fillRect(QRectF(0, 396, 800, 5), shade(pal::plasterGreen, 0.7));
    const QRectF doorway(160, 86, 380, 454);
    QPainterPath frame;
    frame.addRect(doorway.adjusted(-14, -14, 14, 0));
    paperShape(p, frame, pal::woodDark, 1.4);
    upholsteredLeaf(p, QRectF(doorway.left(), doorway.top(), doorway.width() / 2 - 1, doorway.height()));
    upholsteredLeaf(p, QRectF(doorway.center().x() + 1, doorway.top(), doorway.width() / 2 - 1, doorway.height()));
    // The brass nameplate.
    const QRectF plate(doorway.center().x() - 110, doorway.top() + 40, 220, 48);
    QPainterPath platePath;
    platePath.addRoundedRect(plate, 4, 4);
    QLinearGradient brass(plate.topLeft(), plate.bottomRight());
    brass.setColorAt(0, QColor(246, 220, 140));
    brass.setColorAt(1, QColor(180, 140, 60));
    paperShape(p, platePath, brass, 0.8);
    fittedText(p, plate.adjusted(8, 4, -8, -4), QStringLiteral("STAROSTA"), Face::SerifBold, QColor(60, 40, 20));
    officeDoorLock(p);
    // Along the corridor: a bench, a plant and the fire extinguisher.
    bench(p, QPointF(70, 560), 110);
    pottedPlant(p, QPointF(690, 560), 130, 41);
    QPainterPath extinguisher;
    extinguisher.addRoundedRect(QRectF(600, 430, 28, 70), 10, 10);
    paperShape(p, extinguisher, QColor(200, 40, 36), 0.8);
    fittedText(p, QRectF(570, 400, 90, 24), QStringLiteral("HASICÍ PŘÍSTROJ"), Face::CondensedBold, pal::signRed);
    framedPicture(p, QRectF(600, 150, 150, 110), pal::skyWarmTop, pal::skyWarmBottom);
    wayBackEdge(p, pal::floorTiles);
}

void officeRoom(QPainter& p, bool secretOpen) {
    room(p, pal::wallpaperGreen, pal::floorBoards, kOfficeFloorY, FloorKind::Boards);
    wallpaper(p, QRectF(0, 0, 800, kOfficeFloorY - 10), pal::wallpaperGreen, QColor(140, 160, 110, 90));
    p.fillRect(QRectF(100, kOfficeFloorY + 20, 600, 100), withAlpha(pal::carpetRed, 200));
    // Window with the village outside.
    const QRectF win(120, 70, 150, 150);
    QPainterPath frame;
    frame.addRect(win.adjusted(-8, -8, 8, 8));
    paperShape(p, frame, QColor(240, 236, 226), 0.8);
    sky(p, win, pal::skyWarmTop, pal::skyWarmBottom);
    QPainterPath roofs;
    roofs.moveTo(win.left(), win.bottom());
    roofs.lineTo(win.left(), win.bottom() - 40);
    roofs.lineTo(win.left() + 40, win.bottom() - 70);
    roofs.lineTo(win.left() + 80, win.bottom() - 40);
    roofs.lineTo(win.left() + 110, win.bottom() - 60);
    roofs.lineTo(win.right(), win.bottom() - 36);
    roofs.lineTo(win.right(), win.bottom());
    roofs.closeSubpath();
    p.fillPath(roofs, pal::roofTile);
    p.fillRect(QRectF(win.center().x() - 3, win.top(), 6, win.height()), QColor(240, 236, 226));
    p.fillRect(QRectF(win.left(), win.center().y() - 3, win.width(), 6), QColor(240, 236, 226));
    windowLight(p, win, kOfficeFloorY);
    // The painting of the village behind the desk, and the flag.
    framedPicture(p, QRectF(390, 60, 190, 110), pal::skyWarmTop, pal::skyWarmBottom);
    apple(p, QPointF(485, 128), 14, pal::appleRed);
    czechFlag(p, QPointF(560, 250), 50);
    // The door to the back room.
    const QRectF backDoor(604, 228, 92, kOfficeFloorY - 228);
    door(p, backDoor, pal::woodMid, false, false);
    // The bookcase on the left wall, or the secret stairs behind it.
    const QRectF secret = sceneRectF("imgCur39");
    if (secretOpen) {
        // Stone steps going down into the dark, each further one higher up, narrower and dimmer.
        const QRectF opening(secret.left() + 6, secret.top() + 8, secret.width() - 10, secret.height() - 14);
        doorway(p, opening, QColor(26, 24, 24));
        p.save();
        p.setClipRect(opening, Qt::IntersectClip);
        p.setPen(Qt::NoPen);
        for (int i = 0; i < 7; ++i) {
            const qreal inset = i * 3.0;
            const qreal y = opening.bottom() - 6 - i * 22;
            p.setBrush(shade(pal::stone, 1.0 - i * 0.12));
            p.drawRect(QRectF(opening.left() + inset, y - 8, opening.width() - 2 * inset, 8));  // tread
            p.setBrush(shade(pal::stone, 0.55 - i * 0.06));
            p.drawRect(QRectF(opening.left() + inset, y, opening.width() - 2 * inset, 14));  // riser
        }
        glow(p, QPointF(opening.center().x(), opening.top() + 40), 60, QColor(255, 170, 80, 60));
        p.restore();
        // The bookcase swung out on its hinge past square: its plain back towards us, the free edge nearer and taller.
        const QPointF hingeTop(secret.right() - 2, secret.top() + 4);
        const QPointF hingeBottom(secret.right() - 2, secret.bottom() - 6);
        const QPointF freeTop(secret.right() + 52, secret.top() - 14);
        const QPointF freeBottom(secret.right() + 52, secret.bottom() + 22);
        QPainterPath swung;
        swung.moveTo(hingeTop);
        swung.lineTo(freeTop);
        swung.lineTo(freeBottom);
        swung.lineTo(hingeBottom);
        swung.closeSubpath();
        paperShape(p, swung, shade(pal::woodDark, 0.85), 1.4);
        p.save();
        p.setPen(QPen(shade(pal::woodDark, 0.6), 1.5));
        for (int i = 1; i < 4; ++i) {
            const qreal t = i / 4.0;
            p.drawLine(hingeTop + (freeTop - hingeTop) * t, hingeBottom + (freeBottom - hingeBottom) * t);
        }
        p.setPen(QPen(shade(pal::woodMid, 1.2), 3));
        p.drawLine(freeTop, freeBottom);  // the lit edge of the case
        p.restore();
    } else {
        bookshelf(p, secret.adjusted(2, 2, -2, -4), 51);
    }
    filingCabinet(p, QRectF(300, 300, 70, kOfficeFloorY - 300));
    pottedPlant(p, QPointF(740, kOfficeFloorY + 30), 140, 52);
}

void officeDesk(QPainter& p) {
    const QRectF top(340, 330, 300, 150);
    desk(p, top, pal::woodMid);
    // What lies on it.
    QPainterPath papers;
    papers.addRect(QRectF(380, 318, 70, 14));
    paperShape(p, papers, QColor(246, 244, 236), 0.4);
    QPainterPath phone;
    phone.addRoundedRect(QRectF(560, 310, 46, 22), 6, 6);
    paperShape(p, phone, QColor(50, 50, 54), 0.5);
    QPainterPath bowl;
    bowl.addEllipse(QRectF(470, 316, 56, 18));
    paperShape(p, bowl, QColor(220, 220, 214), 0.5);
    apple(p, QPointF(488, 318), 9, pal::appleRed);
    apple(p, QPointF(506, 316), 9, pal::appleGreen);
    const QRectF nameplate(420, 360, 140, 30);
    QPainterPath np;
    np.addRect(nameplate);
    paperShape(p, np, QColor(230, 200, 120), 0.6);
    fittedText(p, nameplate, QStringLiteral("STAROSTA"), Face::SerifBold, QColor(60, 40, 20));
}

void officeWithMayor(QPainter& p) {
    officeRoom(p, false);
    const QRectF mayor = sceneRectF("imgCur5");
    chairBack(p, QRectF(mayor.center().x() - 70, mayor.top() + 50, 140, 200), QColor(110, 40, 40));
    // He sits behind the desk: nothing of him shows below it.
    p.save();
    p.setClipRect(QRectF(0, 0, 800, 470));
    drawPerson(p, cast::mayor(), QRectF(mayor.left(), mayor.top() + 6, mayor.width(), 420), Pose{.leftArm = 22, .rightArm = 22, .leftElbow = 64, .rightElbow = 64, .smile = true});
    p.restore();
    officeDesk(p);
    wayBackEdge(p, pal::floorBoards);
}

void officeEmpty(QPainter& p, bool secretOpen) {
    officeRoom(p, secretOpen);
    const QRectF mayor = sceneRectF("imgCur5");
    chairBack(p, QRectF(mayor.center().x() - 70, mayor.top() + 50, 140, 200), QColor(110, 40, 40));
    officeDesk(p);
    wayBackEdge(p, pal::floorBoards);
}

void backRoom(QPainter& p) {
    room(p, QColor(190, 180, 160), pal::floorBoards, 470, FloorKind::Boards);
    // Archive shelves.
    for (int s = 0; s < 2; ++s) {
        const QRectF rack(470 + s * 150, 110, 140, 360);
        QPainterPath frame;
        frame.addRect(rack);
        paperShape(p, frame, QColor(120, 120, 116), 1.0);
        for (int row = 0; row < 4; ++row) {
            const qreal y = rack.top() + 10 + row * 86;
            p.fillRect(QRectF(rack.left() + 6, y + 70, rack.width() - 12, 6), QColor(90, 90, 88));
            for (int b = 0; b < 4; ++b) {
                const QRectF box(rack.left() + 10 + b * 32, y + 24, 28, 46);
                QPainterPath bp;
                bp.addRect(box);
                paperShape(p, bp, QColor(210, 190, 140), 0.4);
                p.fillRect(QRectF(box.left() + 6, box.top() + 8, 16, 12), QColor(250, 246, 230));
            }
        }
        fittedText(p, QRectF(rack.left(), rack.top() - 28, rack.width(), 24), QStringLiteral("ARCHIV"), Face::SansBold, pal::ink);
    }
    // A world map with pins: the mayor's plans reach far.
    const QRectF map(60, 80, 220, 140);
    QPainterPath mp;
    mp.addRect(map);
    paperShape(p, mp, QColor(210, 226, 236), 0.8);
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(170, 196, 130));
    p.drawEllipse(QRectF(map.left() + 20, map.top() + 20, 50, 60));
    p.drawEllipse(QRectF(map.left() + 40, map.top() + 80, 30, 46));
    p.drawEllipse(QRectF(map.left() + 100, map.top() + 18, 70, 50));
    p.drawEllipse(QRectF(map.left() + 110, map.top() + 66, 40, 50));
    p.drawEllipse(QRectF(map.left() + 170, map.top() + 86, 34, 30));
    p.setBrush(QColor(210, 30, 30));
    for (QPointF pin : {QPointF(130, 120), QPointF(190, 110), QPointF(95, 150), QPointF(230, 160), QPointF(150, 190)}) p.drawEllipse(pin, 4, 4);
    p.restore();
    fittedText(p, QRectF(60, 226, 220, 22), QStringLiteral("PLÁN"), Face::SansBold, pal::signRed);
    // The safe and the button on the wall beside it.
    const QRectF button = sceneRectF("imgCur38");
    QPainterPath safe;
    safe.addRoundedRect(QRectF(120, 300, 150, 170), 6, 6);
    paperShape(p, safe, QColor(70, 76, 80), 1.2);
    p.save();
    p.setPen(QPen(QColor(40, 44, 46), 3));
    p.drawRoundedRect(QRectF(136, 316, 118, 138), 4, 4);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(200, 200, 196));
    p.drawEllipse(QPointF(195, 385), 18, 18);
    p.restore();
    QPainterPath plate;
    plate.addRoundedRect(button.adjusted(4, 4, -4, -4), 6, 6);
    paperShape(p, plate, QColor(200, 176, 110), 0.8);
    QPainterPath knob;
    knob.addEllipse(button.center(), 13, 13);
    QRadialGradient rg(button.center() - QPointF(4, 4), 16);
    rg.setColorAt(0, QColor(255, 110, 100));
    rg.setColorAt(1, QColor(160, 20, 20));
    paperShape(p, knob, rg, 0.6);
    hangingLamp(p, QPointF(380, 0), 60, true);
    wayBackEdge(p, pal::floorBoards);
}

}  // namespace

void addTownHall(Catalogue& c) {
    c.picture(pic::urad1, [] { return render(Grade::Indoor, 201, entranceHall); });
    c.picture(pic::urad2, [] { return render(Grade::Indoor, 202, corridor); });
    c.picture(pic::urad3a, [] { return render(Grade::Indoor, 203, officeWithMayor); });
    c.picture(pic::urad3b, [] { return render(Grade::CoolMorning, 203, [](QPainter& p) { officeEmpty(p, false); }); });
    c.picture(pic::urad3c, [] { return render(Grade::CoolMorning, 203, [](QPainter& p) { officeEmpty(p, true); }); });
    c.picture(pic::urad4, [] { return render(Grade::CoolMorning, 204, backRoom); });
}

}  // namespace artgen
