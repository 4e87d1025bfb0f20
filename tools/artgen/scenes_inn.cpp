// The inn: its front, the taproom, the reception and the evening at the regulars' table.
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

void innFront(QPainter& p) {
    streetSky(p, StreetLight::Warm, 3);
    hills(p, 300, 60, pal::hillFar, 13);
    const QRectF entrance = sceneRectF("imgCur8");
    house(p, QRectF(-30, 200, 170, entrance.bottom() - 200), pal::plasterBlue, pal::roofDark, 15);
    house(p, QRectF(680, 190, 160, entrance.bottom() - 190), pal::plasterPink, pal::roofTile, 16);
    const QRectF wall(170, 150, 500, entrance.bottom() - 150);
    chimney(p, QRectF(560, 60, 22, 60), pal::brick);
    facade(p, wall, pal::plasterCream, pal::roofTile, 90, RoofStyle::Gambrel, 18);
    for (int i = 0; i < 5; ++i) window(p, QRectF(wall.left() + 30 + i * 96, wall.top() + 26, 40, 52), pal::woodDark, false, true, QColor(60, 100, 60));
    window(p, QRectF(wall.left() + 40, entrance.top() + 8, 60, 60), pal::woodDark, false, false);
    window(p, QRectF(wall.right() - 100, entrance.top() + 8, 60, 60), pal::woodDark, false, false);
    sign(p, QRectF(wall.left() + 80, wall.top() + 96, wall.width() - 160, 40), QStringLiteral("HOSPODA U JABLOŇKY"), pal::signGreen,
         QColor(250, 240, 200), Face::SerifBold, QColor(220, 200, 140));
    door(p, entrance.adjusted(22, 0, -22, 0), pal::woodDark, true, true);
    // The hanging sign over the door: a tankard and the word for rooms.
    p.save();
    p.setPen(QPen(QColor(40, 36, 30), 3));
    p.drawLine(QPointF(entrance.right() + 6, entrance.top() - 20), QPointF(entrance.right() + 70, entrance.top() - 20));
    p.drawLine(QPointF(entrance.right() + 20, entrance.top() - 20), QPointF(entrance.right() + 20, entrance.top() - 8));
    p.drawLine(QPointF(entrance.right() + 60, entrance.top() - 20), QPointF(entrance.right() + 60, entrance.top() - 8));
    p.restore();
    sign(p, QRectF(entrance.right() + 8, entrance.top() - 10, 64, 26), QStringLiteral("POKOJE"), pal::signCream, pal::ink, Face::CondensedBold);
    barrel(p, QRectF(wall.left() + 120, entrance.bottom() - 54, 40, 54), pal::woodMid);
    cobbles(p, QRectF(0, entrance.bottom(), 800, 600), 300, pal::cobble, 16);
    // A table under a parasol in front.
    QPainterPath parasol;
    parasol.moveTo(560, 400);
    parasol.quadTo(640, 360, 720, 400);
    parasol.closeSubpath();
    tableTop(p, QRectF(590, 480, 100, 12), 50, pal::woodLight);
    p.fillRect(QRectF(638, 400, 4, 80), QColor(90, 80, 70));
    paperShape(p, parasol, QColor(200, 60, 50), 1.0);
    beerGlass(p, QRectF(610, 458, 14, 22));
    beerGlass(p, QRectF(650, 460, 14, 22));
    streetExit(p, true, entrance.bottom());
    streetExit(p, false, entrance.bottom());
    edgeSignpost(p, true, QStringLiteral("TRAFIKA"), 560);
    edgeSignpost(p, false, QStringLiteral("NÁMĚSTÍ"), 560);
    lampPost(p, QPointF(150, 520), 200);
    wayOnEdge(p, true);
    wayOnEdge(p, false);
}

void taproomBar(QPainter& p, qreal barTop) {
    // Shelves of bottles behind the bar.
    QPainterPath back;
    back.addRect(QRectF(0, 70, 250, barTop - 70));
    paperShape(p, back, pal::woodDark, 0.8);
    Random r(61);
    for (int s = 0; s < 3; ++s) {
        const qreal y = 130 + s * 70;
        p.fillRect(QRectF(0, y, 250, 6), pal::woodLight);
        for (qreal x = 10; x < 240; x += r.uniform(18, 26))
            bottle(p, QRectF(x, y - 46, 14, 46), QColor::fromHsv(r.range(80, 140), 150, 130), QColor(240, 230, 200));
    }
}

void taproom(QPainter& p) {
    const QRectF reception = sceneRectF("imgCur11");
    const qreal floorY = reception.bottom();
    room(p, pal::wallpaperWarm, pal::floorBoards, floorY, FloorKind::Boards);
    // Wood panelling below the dado.
    p.fillRect(QRectF(0, floorY - 120, 800, 110), shade(pal::woodMid, 0.95));
    for (qreal x = 10; x < 800; x += 60) p.fillRect(QRectF(x, floorY - 112, 2, 96), shade(pal::woodMid, 0.7));
    // The way to the reception.
    doorway(p, reception.adjusted(10, 30, -10, 0), QColor(180, 150, 110));
    sign(p, QRectF(reception.left() + 6, reception.top(), reception.width() - 12, 26), QStringLiteral("RECEPCE"), pal::signCream, pal::ink,
         Face::SansBold, QColor(150, 120, 60));
    // Antlers, a clock, a window into the street.
    wallClock(p, QPointF(330, 120), 26);
    window(p, QRectF(600, 90, 90, 110), pal::woodDark);
    sign(p, QRectF(300, 190, 80, 30), QStringLiteral("PIVO"), QColor(200, 160, 60), pal::ink, Face::SerifBold);
    hangingLamp(p, QPointF(330, 0), 30);
    hangingLamp(p, QPointF(620, 0), 20);
    // Tables in the middle of the room.
    tableTop(p, QRectF(300, 430, 170, 14), 90, pal::woodMid);
    chairBack(p, QRectF(270, 400, 30, 90), pal::woodDark);
    chairBack(p, QRectF(470, 400, 30, 90), pal::woodDark);
    // The innkeeper behind his bar.
    const QRectF innkeeper = sceneRectF("imgCur10");
    const qreal barTop = 340;
    taproomBar(p, barTop);
    drawPerson(p, cast::innkeeper(), QRectF(innkeeper.left(), innkeeper.top() + 8, innkeeper.width(), 430),
               Pose{.leftArm = 25, .rightArm = 30, .smile = true});
    QPainterPath bar;
    bar.addRect(QRectF(-10, barTop, 280, 600 - barTop));
    QLinearGradient bg(0, barTop, 0, 600);
    bg.setColorAt(0, shade(pal::woodMid, 1.1));
    bg.setColorAt(1, shade(pal::woodDark, 0.9));
    paperShape(p, bar, bg, 1.4);
    QPainterPath counter;
    counter.addRect(QRectF(-10, barTop - 6, 290, 18));
    paperShape(p, counter, shade(pal::woodLight, 0.9), 1.0);
    // Taps and a poured beer.
    for (int i = 0; i < 3; ++i) {
        QPainterPath tap;
        tap.addRoundedRect(QRectF(170 + i * 26, barTop - 60, 10, 54), 4, 4);
        paperShape(p, tap, QColor(200, 200, 196), 0.6);
        QPainterPath knob;
        knob.addRoundedRect(QRectF(166 + i * 26, barTop - 78, 18, 22), 5, 5);
        paperShape(p, knob, pal::woodDark, 0.6);
    }
    beerGlass(p, QRectF(110, barTop - 42, 24, 36));
    // The regulars' table at the right edge, with its two drinkers.
    const QRectF regulars = sceneRectF("imgCur33");
    // They sit behind their table: nothing of them shows below its top.
    p.save();
    p.setClipRect(QRectF(0, 0, 800, regulars.top() + 186));
    drawPerson(p, cast::drinkerOne(), QRectF(regulars.left() - 8, regulars.top() + 38, 60, 270), Pose{.leftArm = 14, .rightArm = 14, .leftElbow = 70, .rightElbow = 70, .smile = true});
    drawPerson(p, cast::drinkerTwo(), QRectF(regulars.left() + 34, regulars.top() + 46, 60, 262), Pose{.leftArm = 14, .rightArm = 14, .leftElbow = 70, .rightElbow = 70});
    p.restore();
    chairBack(p, QRectF(regulars.left() - 30, regulars.top() + 150, 26, 110), pal::woodDark);
    tableTop(p, QRectF(regulars.left() - 20, regulars.top() + 180, regulars.width() + 40, 14), 110, pal::woodMid);
    beerGlass(p, QRectF(regulars.left() + 10, regulars.top() + 152, 18, 28));
    beerGlass(p, QRectF(regulars.left() + 56, regulars.top() + 154, 18, 28));
    sign(p, QRectF(regulars.left() - 10, regulars.top() - 30, regulars.width() + 10, 24), QStringLiteral("ŠTAMGASTI"), pal::woodLight,
         pal::ink, Face::CondensedBold);
    wayBackEdge(p, pal::floorBoards);
}

void reception(QPainter& p) {
    const qreal floorY = 490;
    room(p, pal::wallpaperGreen, pal::floorBoards, floorY, FloorKind::Boards);
    wallpaper(p, QRectF(0, 0, 800, floorY - 10), pal::wallpaperGreen, QColor(120, 150, 100, 80));
    // The stairs up to the rooms on the left.
    const QRectF stairs = sceneRectF("imgCur13");
    for (int i = 0; i < 9; ++i) {
        QPainterPath step;
        const qreal y = stairs.bottom() - (i + 1) * 44;
        step.addRect(QRectF(stairs.left() - 10, y, stairs.width() + 20 - i * 6, 44));
        paperShape(p, step, shade(pal::woodMid, 1.0 - i * 0.04), 0.8);
        p.fillRect(QRectF(stairs.left() - 10, y, stairs.width() + 20 - i * 6, 6), shade(pal::woodLight, 1.0));
    }
    QPainterPath rail;
    rail.moveTo(stairs.right() + 10, stairs.bottom() - 60);
    rail.lineTo(stairs.right() - 40, stairs.top());
    QPainterPathStroker stroker;
    stroker.setWidth(10);
    paperShape(p, stroker.createStroke(rail), pal::woodDark, 0.8);
    signpost(p, QPointF(stairs.right() + 40, stairs.bottom() - 10), 130, QStringLiteral("POKOJE"), false);
    // Key board behind the counter.
    const QRectF keys(680, 90, 100, 150);
    QPainterPath kb;
    kb.addRect(keys);
    paperShape(p, kb, pal::woodMid, 0.9);
    for (int i = 0; i < 8; ++i) {
        const QPointF hook(keys.left() + 20 + (i % 3) * 30, keys.top() + 20 + (i / 3) * 44);
        p.save();
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(230, 200, 110));
        p.drawEllipse(hook, 3, 3);
        if (i != 2) p.drawRoundedRect(QRectF(hook.x() - 4, hook.y() + 4, 8, 20), 3, 3);
        p.restore();
        fittedText(p, QRectF(hook.x() - 10, hook.y() + 24, 20, 14), QString::number(i + 1), Face::SansBold, QColor(250, 240, 210));
    }
    const QRectF receptionist = sceneRectF("imgCur12");
    sign(p, QRectF(receptionist.left() + 40, 16, receptionist.width() - 80, 40), QStringLiteral("RECEPCE"), pal::signCream, pal::ink,
         Face::SerifBold, QColor(150, 120, 60));
    p.save();
    p.setClipRect(QRectF(0, 0, 800, floorY));
    drawPerson(p, cast::receptionist(), QRectF(receptionist.left(), receptionist.top() + 8, receptionist.width(), 560),
               Pose{.leftArm = 20, .rightArm = 20, .leftElbow = 56, .rightElbow = 56, .smile = true});
    p.restore();
    // The counter, the bell and the guest book.
    QPainterPath counter;
    counter.addRect(QRectF(300, 340, 500, floorY - 340 + 20));
    QLinearGradient cg(0, 340, 0, floorY);
    cg.setColorAt(0, shade(pal::woodMid, 1.05));
    cg.setColorAt(1, shade(pal::woodDark, 0.9));
    paperShape(p, counter, cg, 1.4);
    QPainterPath top;
    top.addRect(QRectF(290, 330, 520, 16));
    paperShape(p, top, pal::woodLight, 1.0);
    QPainterPath bell;
    bell.moveTo(620, 330);
    bell.cubicTo(620, 300, 660, 300, 660, 330);
    bell.closeSubpath();
    paperShape(p, bell, QColor(220, 190, 100), 0.6);
    QPainterPath book;
    book.addRect(QRectF(420, 318, 110, 14));
    paperShape(p, book, QColor(120, 40, 40), 0.5);
    pottedPlant(p, QPointF(760, 340), 90, 62);
    wayBackEdge(p, pal::floorBoards);
}

void regularsTable(QPainter& p, bool sick) {
    const qreal floorY = 420;
    room(p, pal::wallpaperWarm, pal::floorBoards, floorY, FloorKind::Boards);
    p.fillRect(QRectF(0, floorY - 150, 800, 140), shade(pal::woodMid, 0.95));
    window(p, QRectF(560, 60, 110, 120), pal::woodDark, false);
    p.fillRect(QRectF(564, 64, 102, 112), QColor(30, 36, 70, 200));
    hangingLamp(p, QPointF(380, 0), 60);
    glow(p, QPointF(380, 120), 420, QColor(255, 200, 120, 70));
    wallClock(p, QPointF(150, 110), 26);
    drawPerson(p, cast::drinkerOne(), QRectF(120, 150, 220, 560), Pose{.leftArm = 16, .rightArm = 16, .leftElbow = 62, .rightElbow = 62, .mouthOpen = sick, .smile = !sick});
    drawPerson(p, cast::drinkerTwo(), QRectF(330, 170, 200, 540), Pose{.leftArm = 16, .rightArm = 16, .leftElbow = 62, .rightElbow = 62, .mouthOpen = sick, .smile = true});
    if (sick) drawPerson(p, cast::agent(), QRectF(560, 140, 220, 580), Pose{.leftArm = 20, .eyesClosed = true, .sick = true, .rightHandToMouth = true});
    // The table with beer and cards.
    QPainterPath table;
    table.addRect(QRectF(-20, 420, 840, 200));
    QLinearGradient tg(0, 420, 0, 600);
    tg.setColorAt(0, shade(pal::woodMid, 1.1));
    tg.setColorAt(1, shade(pal::woodMid, 0.8));
    paperShape(p, table, tg, 1.6);
    const int glasses = sick ? 9 : 3;
    Random r(sick ? 72 : 71);
    for (int i = 0; i < glasses; ++i) {
        const qreal x = 150 + i * (sick ? 55 : 150) + r.uniform(-10, 10);
        beerGlass(p, QRectF(x, 440 + r.uniform(0, 40), 36, 58), !sick || i % 3 == 0);
    }
    for (int i = 0; i < 5; ++i) {
        QPainterPath card;
        card.addRoundedRect(QRectF(280 + i * 30 + r.uniform(-5, 5), 520 + r.uniform(-10, 10), 36, 52), 3, 3);
        QTransform t;
        t.translate(300 + i * 30, 540);
        t.rotate(r.uniform(-25, 25));
        t.translate(-300 - i * 30, -540);
        paperShape(p, t.map(card), QColor(250, 246, 236), 0.5);
    }
    if (!sick) {
        // The agent sits with his back to us, joining the regulars.
        drawPerson(p, cast::agent(), QRectF(500, 250, 280, 760), Pose{.leftArm = 24, .rightArm = 24, .leftElbow = 50, .rightElbow = 50, .back = true});
    }
}

}  // namespace

void addInn(Catalogue& c) {
    c.picture(pic::hospoda1, [] { return render(Grade::WarmDay, 301, innFront); });
    c.picture(pic::hospoda2, [] { return render(Grade::Indoor, 302, taproom); });
    c.picture(pic::hospoda3, [] { return render(Grade::Indoor, 303, reception); });
    c.picture(pic::hospoda4a, [] { return render(Grade::Indoor, 304, [](QPainter& p) { regularsTable(p, false); }); });
    c.picture(pic::hospoda4b, [] { return render(Grade::Indoor, 305, [](QPainter& p) { regularsTable(p, true); }); });
}

}  // namespace artgen
