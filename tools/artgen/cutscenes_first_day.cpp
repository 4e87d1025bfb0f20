// The first day's story pictures: the hammer on the nail, the shot at the lock, the card game,
// sick outside the inn, asleep.
#include "catalogue.hpp"
#include "cutscene_kit.hpp"
#include "interior_kit.hpp"
#include "item_art.hpp"
#include "palette.hpp"
#include "people.hpp"
#include "picture.hpp"
#include "scenery.hpp"
#include "street_kit.hpp"
#include "text.hpp"

#include "app/data_files.hpp"

#include <QPainterPathStroker>

#include <cmath>

namespace artgen {

namespace {

// The storeroom lock seen very close: a steel door, the lock plate and its keyhole.
void lockCloseUp(QPainter& p, QPointF keyhole) {
    QLinearGradient g(0, 0, 800, 600);
    g.setColorAt(0, QColor(100, 128, 116));
    g.setColorAt(1, QColor(60, 82, 74));
    p.fillRect(QRectF(0, 0, 800, 600), g);
    QPainterPath plate;
    plate.addRoundedRect(QRectF(keyhole.x() - 120, keyhole.y() - 170, 240, 330), 20, 20);
    QLinearGradient steel(plate.boundingRect().topLeft(), plate.boundingRect().bottomRight());
    steel.setColorAt(0, QColor(226, 230, 234));
    steel.setColorAt(1, QColor(120, 126, 134));
    paperShape(p, plate, steel, 3.0);
    QPainterPath hole;
    hole.addEllipse(keyhole, 24, 24);
    hole.moveTo(keyhole + QPointF(-14, 8));
    hole.lineTo(keyhole + QPointF(14, 8));
    hole.lineTo(keyhole + QPointF(22, 80));
    hole.lineTo(keyhole + QPointF(-22, 80));
    hole.closeSubpath();
    p.fillPath(united(hole), QColor(16, 16, 18));
}

// A sleeve of the agent's coat from off the picture to `hand`, the shirt's cuff, and a fist closed
// round whatever lies under it across the arm's line (the hammer's handle, the nail).
void coatArm(QPainter& p, QPointF shoulder, QPointF hand, qreal width) {
    const QPointF line = hand - shoulder;
    const qreal length = std::hypot(line.x(), line.y());
    const QPointF along = line / length;
    const QPointF wrist = hand - along * (width * 0.55);
    QPainterPath arm;
    arm.moveTo(shoulder);
    arm.lineTo(wrist);
    QPainterPathStroker s;
    s.setWidth(width);
    s.setCapStyle(Qt::FlatCap);
    paperShape(p, s.createStroke(arm), cast::agent().outer, 2.0);
    // The shirt's cuff showing at the end of the sleeve.
    QPainterPath cuff;
    cuff.moveTo(wrist);
    cuff.lineTo(wrist + along * (width * 0.14));
    QPainterPathStroker c;
    c.setWidth(width * 0.86);
    c.setCapStyle(Qt::FlatCap);
    paperShape(p, c.createStroke(cuff), QColor(236, 234, 226), 0.8);
    // The fist: a rounded block across the arm, knuckles on top, the thumb wrapped over.
    p.save();
    p.translate(hand);
    p.rotate(std::atan2(along.y(), along.x()) * 180 / 3.14159265);
    const QColor skin = cast::agent().skin;
    QPainterPath fist;
    fist.addRoundedRect(QRectF(-width * 0.42, -width * 0.5, width * 0.9, width), width * 0.3, width * 0.3);
    paperShape(p, fist, skin, 1.0);
    p.setPen(QPen(shade(skin, 0.72), std::max(1.5, width * 0.035), Qt::SolidLine, Qt::RoundCap));
    for (int i = 0; i < 3; ++i) {
        const qreal y = -width * 0.25 + i * width * 0.25;
        p.drawLine(QPointF(width * 0.2, y), QPointF(width * 0.46, y));
    }
    QPainterPath thumb;
    thumb.addRoundedRect(QRectF(-width * 0.3, -width * 0.62, width * 0.55, width * 0.26), width * 0.12, width * 0.12);
    paperShape(p, thumb, shade(skin, 1.04), 0.6);
    p.restore();
}

void impactStar(QPainter& p, QPointF c, qreal r, QColor colour) {
    QPainterPath star;
    for (int i = 0; i < 16; ++i) {
        const qreal a = i * 3.14159265 / 8;
        const qreal rr = i % 2 ? r * 0.45 : r;
        const QPointF pt = c + QPointF(std::cos(a) * rr, std::sin(a) * rr);
        if (i == 0) star.moveTo(pt); else star.lineTo(pt);
    }
    star.closeSubpath();
    p.fillPath(star, colour);
}

// The nail held with its point in the keyhole and the hammer's face on its head, the agent's arm
// coming in from the top right. Returns where the hammer meets the nail.
QPointF nailAndHammer(QPainter& p, QPointF keyhole, bool shotFired) {
    constexpr qreal kNailSize = 300;
    const qreal angle = 216;  // from the head to the point: up and to the left, into the keyhole
    const QPointF along(std::cos(angle * 3.14159265 / 180), std::sin(angle * 3.14159265 / 180));
    const QPointF nailCentre = keyhole - along * (0.43 * kNailSize);
    const QPointF nailHead = nailCentre - along * (0.32 * kNailSize);
    if (!shotFired) {
        p.save();
        p.translate(nailCentre);
        p.rotate(angle);
        drawItem(p, Item::Nail, QRectF(-kNailSize / 2, -kNailSize / 2, kNailSize, kNailSize), 2.0);
        p.restore();
    }
    const QPointF face = nailHead + QPointF(8, 6);
    const QPointF hammerCentre = face + QPointF(52, -126);
    p.save();
    p.translate(hammerCentre);
    p.rotate(-30);
    drawItem(p, Item::Hammer, QRectF(-180, -180, 360, 360), 2.0);
    p.restore();
    coatArm(p, QPointF(860, 190), hammerCentre + QPointF(140, -81), 84);
    return nailHead;
}

void hammeringTheNail(QPainter& p) {
    const QPointF keyhole(330, 300);
    lockCloseUp(p, keyhole);
    const QPointF hit = nailAndHammer(p, keyhole, false);
    // The other hand holds the nail steady, coming in from below.
    const QPointF pinch = keyhole + (hit - keyhole) * 0.3;
    coatArm(p, QPointF(pinch.x() - 160, 720), pinch, 52);
    impactStar(p, hit, 46, QColor(255, 240, 170, 220));
    p.save();
    p.setPen(QPen(QColor(255, 255, 255, 170), 4, Qt::SolidLine, Qt::RoundCap));
    for (int i = 0; i < 3; ++i) p.drawLine(QPointF(640 + i * 26, 330 + i * 14), QPointF(690 + i * 26, 360 + i * 14));
    p.restore();
}

void shotAtTheLock(QPainter& p) {
    const QPointF keyhole(330, 300);
    lockCloseUp(p, keyhole);
    nailAndHammer(p, keyhole, true);
    // The cartridge goes off in the keyhole: flash, smoke, and the broken key flies out.
    glow(p, keyhole, 300, QColor(255, 220, 120, 200));
    impactStar(p, keyhole, 150, QColor(255, 240, 180, 230));
    impactStar(p, keyhole, 80, QColor(255, 255, 240));
    Random r(77);
    p.save();
    p.setPen(QPen(QColor(255, 220, 120), 3, Qt::SolidLine, Qt::RoundCap));
    for (int i = 0; i < 18; ++i) {
        const qreal a = r.uniform(0, 6.283);
        const qreal d = r.uniform(160, 260);
        const QPointF from = keyhole + QPointF(std::cos(a) * d * 0.7, std::sin(a) * d * 0.7);
        p.drawLine(from, from + QPointF(std::cos(a) * 30, std::sin(a) * 30));
    }
    p.restore();
    for (int i = 0; i < 6; ++i) {
        QPainterPath puff;
        puff.addEllipse(keyhole + QPointF(-120 - i * 40, -60 - i * 30), 50 + i * 8, 40 + i * 6);
        p.fillPath(puff, QColor(220, 220, 220, 90));
    }
    // The key stub spinning away.
    p.save();
    p.translate(130, 120);
    p.rotate(-40);
    QPainterPath key;
    key.addRoundedRect(QRectF(-40, -12, 80, 24), 6, 6);
    QLinearGradient brass(QPointF(0, -12), QPointF(0, 12));
    brass.setColorAt(0, QColor(250, 226, 140));
    brass.setColorAt(1, QColor(160, 120, 40));
    paperShape(p, key, brass, 1.5);
    p.restore();
    p.save();
    p.setPen(QPen(QColor(255, 255, 255, 180), 3));
    p.drawLine(QPointF(190, 170), QPointF(230, 210));
    p.drawLine(QPointF(170, 190), QPointF(210, 230));
    p.restore();
}

void card(QPainter& p, QPointF centre, qreal angle, const QString& face, bool red) {
    p.save();
    p.translate(centre);
    p.rotate(angle);
    QPainterPath c;
    c.addRoundedRect(QRectF(-34, -48, 68, 96), 6, 6);
    paperShape(p, c, QColor(252, 250, 244), 0.8);
    fittedText(p, QRectF(-30, -44, 40, 30), face, Face::SerifBold, red ? QColor(200, 30, 30) : pal::ink, Qt::AlignLeft | Qt::AlignVCenter);
    QPainterPath heart;
    heart.addEllipse(QPointF(-6, 4), 9, 9);
    heart.addEllipse(QPointF(6, 4), 9, 9);
    heart.moveTo(-14, 8);
    heart.lineTo(0, 26);
    heart.lineTo(14, 8);
    heart.closeSubpath();
    p.fillPath(united(heart), red ? QColor(200, 30, 30) : QColor(60, 120, 60));
    p.restore();
}

void cardGame(QPainter& p) {
    // The table seen from above in the lamp light.
    p.fillRect(QRectF(0, 0, 800, 600), QColor(40, 30, 24));
    QPainterPath table;
    table.addEllipse(QRectF(40, 40, 720, 520));
    QRadialGradient wood(QPointF(400, 300), 400);
    wood.setColorAt(0, QColor(170, 120, 72));
    wood.setColorAt(1, QColor(100, 66, 40));
    paperShape(p, table, wood, 2.0);
    glow(p, QPointF(400, 300), 300, QColor(255, 220, 150, 70));
    // Three players' hands holding their cards: the drinkers' sleeves and the agent's coat.
    const struct {
        QPointF shoulder;
        QPointF hand;
        QColor sleeve;
    } players[] = {{{-40, 120}, {170, 200}, cast::drinkerOne().outer},
                   {{840, 120}, {630, 200}, cast::drinkerTwo().outer},
                   {{400, 660}, {400, 470}, cast::agent().outer}};
    for (const auto& who : players) {
        QPainterPath arm;
        arm.moveTo(who.shoulder);
        arm.lineTo(who.hand);
        QPainterPathStroker s;
        s.setWidth(80);
        s.setCapStyle(Qt::RoundCap);
        paperShape(p, s.createStroke(arm), who.sleeve, 2.0);
        for (int i = 0; i < 4; ++i)
            card(p, who.hand + QPointF((i - 1.5) * 16, -20), (i - 1.5) * 12 + (who.hand.x() < 300 ? 120 : who.hand.x() > 500 ? -120 : 0),
                 QStringLiteral("%1").arg(QStringLiteral("7K9A").at(i)), i % 2);
        QPainterPath fist;
        fist.addEllipse(who.hand, 30, 26);
        paperShape(p, fist, QColor(236, 190, 160), 1.0);
    }
    // The pot in the middle and the beers.
    card(p, QPointF(380, 300), -10, QStringLiteral("K"), true);
    card(p, QPointF(430, 310), 14, QStringLiteral("9"), false);
    beerGlass(p, QRectF(250, 360, 50, 80));
    beerGlass(p, QRectF(520, 370, 50, 80), false);
    beerGlass(p, QRectF(600, 330, 50, 80));
    for (int i = 0; i < 5; ++i) {
        QPainterPath coin;
        coin.addEllipse(QPointF(330 + i * 14, 380 + (i % 2) * 8), 12, 12);
        paperShape(p, coin, QColor(220, 190, 110), 0.5);
    }
}

void innAtNight(QPainter& p) {
    streetSky(p, StreetLight::Night, 14);
    const QRectF wall(120, 150, 560, 290);
    facade(p, wall, shade(pal::plasterCream, 0.7), shade(pal::roofTile, 0.6), 90, RoofStyle::Gambrel, 18);
    for (int i = 0; i < 5; ++i) window(p, QRectF(wall.left() + 40 + i * 104, wall.top() + 26, 40, 52), pal::woodDark, i % 2 == 0, true, QColor(40, 70, 40));
    window(p, QRectF(wall.left() + 60, 330, 70, 64), pal::woodDark, true);
    window(p, QRectF(wall.right() - 130, 330, 70, 64), pal::woodDark, true);
    sign(p, QRectF(wall.left() + 90, wall.top() + 96, wall.width() - 180, 40), QStringLiteral("HOSPODA U JABLOŇKY"), pal::signGreen,
         QColor(250, 240, 200), Face::SerifBold);
    door(p, QRectF(360, 330, 80, 110), pal::woodDark, true, false, true);
    glow(p, QPointF(400, 400), 140, QColor(255, 200, 120, 110));
    cobbles(p, QRectF(0, 440, 800, 160), 300, shade(pal::cobble, 0.6), 53);
    lampPost(p, QPointF(640, 560), 220, true);
}

void staggeringOut(QPainter& p) {
    innAtNight(p);
    drawPerson(p, cast::agent(), QRectF(420, 300, 120, 260), Pose{.leftArm = 75, .rightArm = 55, .leftElbow = -30, .rightElbow = -20, .eyesClosed = true, .sick = true});
    p.save();
    p.setPen(QPen(QColor(255, 255, 200, 200), 3, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    for (int i = 0; i < 3; ++i) p.drawArc(QRectF(420 + i * 22, 270 - i * 10, 30, 24), 0, 180 * 16);
    p.restore();
}

void sickOutside(QPainter& p) {
    streetSky(p, StreetLight::Night, 15);
    // Behind the inn: the yard and a fence beyond, its back wall, a bush, the rubbish bin.
    ground(p, QRectF(0, 330, 800, 270), QColor(50, 60, 56), QColor(40, 46, 40));
    fence(p, QRectF(540, 360, 280, 80), QColor(90, 80, 70));
    QPainterPath back;
    back.addRect(QRectF(-20, 120, 560, 320));
    paperShape(p, back, shade(pal::plasterCream, 0.6), 1.0);
    window(p, QRectF(120, 200, 60, 70), pal::woodDark, true);
    glow(p, QPointF(150, 235), 90, QColor(255, 200, 120, 90));
    bush(p, QPointF(620, 470), 220, QColor(50, 80, 50), 54);
    barrel(p, QRectF(40, 380, 60, 80), QColor(70, 80, 90));
    drawPerson(p, cast::agent(), QRectF(380, 240, 150, 300), Pose{.leftArm = 40, .rightArm = 20, .eyesClosed = true, .mouthOpen = true, .sick = true, .bentForward = true});
    QPainterPath puddle;
    puddle.addEllipse(QRectF(300, 520, 90, 22));
    p.fillPath(puddle, QColor(150, 170, 70, 200));
}

void asleep(QPainter& p) {
    const qreal floorY = 440;
    room(p, shade(pal::wallpaperWarm, 0.55), shade(pal::floorBoards, 0.6), floorY, FloorKind::Boards);
    // Moonlight through the window.
    const QRectF win(120, 80, 160, 150);
    QPainterPath frame;
    frame.addRect(win.adjusted(-8, -8, 8, 8));
    paperShape(p, frame, QColor(150, 150, 170), 0.8);
    sky(p, win, pal::skyNightTop, pal::skyNightBottom);
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(244, 240, 214));
    p.drawEllipse(QPointF(220, 130), 20, 20);
    p.restore();
    windowLight(p, win, floorY, QColor(180, 200, 255, 40));
    // The bed seen from the side, the agent asleep on his back under the blanket, his hat on the bedpost.
    QPainterPath headboard;
    headboard.addRoundedRect(QRectF(290, 230, 44, 240), 12, 12);
    paperShape(p, headboard, pal::woodDark, 1.2);
    QPainterPath footboard;
    footboard.addRoundedRect(QRectF(738, 300, 36, 170), 10, 10);
    paperShape(p, footboard, pal::woodDark, 1.0);
    QPainterPath mattress;
    mattress.addRoundedRect(QRectF(326, 352, 420, 40), 10, 10);
    paperShape(p, mattress, QColor(214, 212, 220), 0.8);
    QPainterPath frameSide;
    frameSide.addRect(QRectF(326, 390, 420, 30));
    paperShape(p, frameSide, shade(pal::woodDark, 1.1), 0.8);
    QPainterPath pillow;
    pillow.addRoundedRect(QRectF(334, 318, 104, 44), 20, 20);
    paperShape(p, pillow, QColor(236, 236, 242), 0.6);
    Character sleeper = cast::agent();
    sleeper.hat = Hat::None;
    p.save();
    p.translate(346, 336);
    p.rotate(-90);
    drawPerson(p, sleeper, QRectF(-60, 0, 120, 370), Pose{.leftArm = 6, .rightArm = 6, .eyesClosed = true});
    p.restore();
    QPainterPath blanket;
    blanket.moveTo(414, 372);
    blanket.cubicTo(416, 286, 466, 276, 540, 278);
    blanket.cubicTo(620, 280, 690, 284, 728, 294);
    blanket.cubicTo(742, 320, 744, 380, 740, 440);
    blanket.lineTo(404, 440);
    blanket.closeSubpath();
    QLinearGradient wool(0, 300, 0, 440);
    wool.setColorAt(0, QColor(130, 72, 84));
    wool.setColorAt(1, QColor(92, 50, 60));
    paperShape(p, blanket, wool, 1.4);
    p.save();
    p.setPen(QPen(QColor(200, 190, 170), 6, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(418, 306), QPointF(426, 436));  // the turned-down sheet
    p.restore();
    QPainterPath hatCrown;
    hatCrown.addRoundedRect(QRectF(282, 188, 60, 34), 14, 14);
    paperShape(p, hatCrown, cast::agent().hatColour, 0.6);
    QPainterPath hatBrim;
    hatBrim.addEllipse(QRectF(268, 214, 88, 18));
    paperShape(p, hatBrim, shade(cast::agent().hatColour, 0.9), 0.6);
    fittedText(p, QRectF(400, 200, 160, 60), QStringLiteral("Z z z"), Face::SerifBold, QColor(220, 220, 255));
}

}  // namespace

void addFirstDayCutscenes(Catalogue& c) {
    c.picture(pic::story4, [] { return render(Grade::Indoor, 1101, hammeringTheNail); });
    c.picture(pic::story5, [] { return render(Grade::Indoor, 1102, shotAtTheLock); });
    c.picture(pic::story6, [] { return render(Grade::Indoor, 1103, cardGame); });
    c.picture(pic::story7, [] { return render(Grade::Night, 1104, staggeringOut); });
    c.picture(pic::story8, [] { return render(Grade::Night, 1105, sickOutside); });
    c.picture(pic::story9, [] { return render(Grade::Night, 1106, asleep); });
}

}  // namespace artgen
