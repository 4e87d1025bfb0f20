// The second day's story pictures: down the well, the view from the wardrobe, and the death in the passage.
#include "catalogue.hpp"
#include "cutscene_well.hpp"
#include "palette.hpp"
#include "passage_kit.hpp"
#include "people.hpp"
#include "picture.hpp"
#include "scenery.hpp"
#include "text.hpp"

#include "app/data_files.hpp"

#include <cmath>

namespace artgen {

namespace {

void fromTheWardrobe(QPainter& p) {
    // The engineer's cell seen from inside the wardrobe, through its door left ajar.
    cellar(p, 470, 62);
    torch(p, QPointF(528, 120));
    drawPerson(p, cast::engineer(), QRectF(190, 110, 160, 400),
               Pose{.leftArm = 150, .rightArm = 150, .leftElbow = 0, .rightElbow = 0, .mouthOpen = true, .frown = true});
    // The henchman aims his pistol at the engineer; the mayor, behind him, points at the engineer too.
    drawPerson(p, cast::mayor(), QRectF(520, 140, 170, 370), Pose{.leftArm = 98, .rightArm = 16, .leftElbow = -6, .mouthOpen = true, .frown = true});
    const QRectF henchman(350, 110, 190, 410);
    const Pose aiming{.leftArm = 84, .rightArm = 16, .leftElbow = 0, .frown = true};
    drawPerson(p, cast::henchman(), henchman, aiming);
    const QPointF hand = handPosition(cast::henchman(), henchman, aiming, -1);
    QPainterPath gun;
    gun.addRect(QRectF(hand.x() - 40, hand.y() - 14, 44, 12));
    gun.addRect(QRectF(hand.x() - 10, hand.y() - 6, 12, 20));
    paperShape(p, united(gun), QColor(30, 30, 34), 0.6);
    // The inside of the wardrobe: everything dark but the gap between the door and its frame.
    QPainterPath dark;
    dark.addRect(QRectF(0, 0, 800, 600));
    QPainterPath gap;
    gap.moveTo(176, 46);
    gap.lineTo(664, 30);
    gap.lineTo(672, 566);
    gap.lineTo(170, 552);
    gap.closeSubpath();
    p.fillPath(dark.subtracted(gap), QColor(22, 15, 10));
    // The door swung open on the right, its louvres catching the torchlight.
    QPainterPath leaf;
    leaf.moveTo(664, 30);
    leaf.lineTo(800, -20);
    leaf.lineTo(800, 620);
    leaf.lineTo(672, 566);
    leaf.closeSubpath();
    QLinearGradient wood(664, 0, 800, 0);
    wood.setColorAt(0, QColor(78, 52, 32));
    wood.setColorAt(1, QColor(40, 26, 16));
    paperShape(p, leaf, wood, 1.6);
    p.save();
    p.setClipPath(leaf, Qt::IntersectClip);
    for (int i = 0; i < 16; ++i) {
        const qreal y0 = 70 + i * 28;
        p.setPen(QPen(QColor(226, 170, 90, 150 - i * 6), 3));
        p.drawLine(QPointF(684, y0 - 4), QPointF(800, y0 - 30));
        p.setPen(QPen(QColor(20, 12, 8), 2));
        p.drawLine(QPointF(684, y0 + 2), QPointF(800, y0 - 24));
    }
    p.restore();
    // Coats on their hangers along the rail, the nearest one hanging into the gap.
    p.save();
    p.setPen(QPen(QColor(60, 50, 40), 5, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(0, 40), QPointF(230, 36));
    p.restore();
    for (int i = 0; i < 3; ++i) {
        const qreal x = 20 + i * 54;
        QPainterPath coat;
        coat.moveTo(x, 44);
        coat.lineTo(x + 56, 64);
        coat.lineTo(x + 70, 330);
        coat.lineTo(x - 10, 340);
        coat.lineTo(x - 56, 64);
        coat.closeSubpath();
        const QColor cloth[] = {QColor(40, 34, 30), QColor(52, 40, 34), QColor(64, 52, 40)};
        paperShape(p, coat, cloth[i], 1.2);
        p.save();
        p.setPen(QPen(QColor(120, 110, 96), 2));
        p.setBrush(Qt::NoBrush);
        p.drawArc(QRectF(x - 6, 26, 12, 16), 0, 180 * 16);
        p.restore();
    }
    // A soft darkness over the gap's edges, as seen from the dark.
    QRadialGradient dim(QPointF(420, 300), 420);
    dim.setColorAt(0.6, QColor(0, 0, 0, 0));
    dim.setColorAt(1, QColor(0, 0, 0, 150));
    p.fillRect(QRectF(0, 0, 800, 600), dim);
}

void deathInThePassage(QPainter& p) {
    cellar(p, 380, 65);
    torch(p, QPointF(150, 160));
    // The agent fallen on the floor, his hat rolled away; the henchman's shadow over him.
    p.save();
    p.translate(420, 470);
    p.rotate(-90);
    drawPerson(p, cast::agent(), QRectF(-60, -200, 120, 330), Pose{.leftArm = 40, .rightArm = 120, .eyesClosed = true});
    p.restore();
    QPainterPath hat;
    hat.addEllipse(QRectF(600, 500, 80, 20));
    paperShape(p, hat, cast::agent().hatColour, 0.6);
    QPainterPath shadow;
    shadow.moveTo(800, 600);
    shadow.lineTo(560, 360);
    shadow.lineTo(620, 320);
    shadow.lineTo(800, 420);
    shadow.closeSubpath();
    p.fillPath(shadow, QColor(0, 0, 0, 110));
    QRadialGradient red(QPointF(400, 300), 520);
    red.setColorAt(0, QColor(120, 0, 0, 0));
    red.setColorAt(1, QColor(120, 0, 0, 170));
    p.fillRect(QRectF(0, 0, 800, 600), red);
    fittedText(p, QRectF(150, 40, 500, 80), QStringLiteral("KONEC HRY"), Face::SerifBold, QColor(240, 220, 200));
    fittedText(p, QRectF(150, 120, 500, 30), QStringLiteral("Pronásledovatelé byli rychlejší."), Face::Serif, QColor(240, 220, 200));
}

}  // namespace

void addSecondDayCutscenes(Catalogue& c) {
    c.picture(pic::story10, [] { return render(Grade::CoolMorning, 1201, downTheWell); });
    c.picture(pic::story11, [] { return render(Grade::Stone, 1202, fromTheWardrobe); });
    c.picture(pic::dead, [] { return render(Grade::Stone, 1203, deathInThePassage); });
}

}  // namespace artgen
