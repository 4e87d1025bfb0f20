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
    // The engineer's cell seen through the slats of the wardrobe door.
    cellar(p, 470, 62);
    torch(p, QPointF(640, 180));
    drawPerson(p, cast::engineer(), QRectF(100, 110, 170, 420), Pose{.leftArm = 150, .rightArm = 150, .leftElbow = 0, .rightElbow = 0, .mouthOpen = true, .frown = true});
    drawPerson(p, cast::mayor(), QRectF(340, 130, 190, 400), Pose{.leftArm = 20, .rightArm = 100, .rightElbow = -8, .mouthOpen = true, .frown = true});
    drawPerson(p, cast::henchman(), QRectF(540, 100, 210, 440), Pose{.leftArm = 20, .rightArm = 85, .rightElbow = 0, .frown = true});
    // The henchman's pistol.
    QPainterPath gun;
    gun.addRect(QRectF(460, 262, 60, 14));
    gun.addRect(QRectF(500, 262, 16, 34));
    paperShape(p, united(gun), QColor(30, 30, 34), 0.6);
    // The wardrobe: dark boards with narrow gaps between them.
    QPainterPath boards;
    boards.addRect(QRectF(0, 0, 800, 600));
    QPainterPath gaps;
    for (int i = 0; i < 9; ++i) gaps.addRect(QRectF(20 + i * 86, 60, 54, 480));
    p.fillPath(boards.subtracted(gaps), QColor(34, 22, 14));
    p.save();
    p.setPen(QPen(QColor(60, 40, 26), 2));
    for (int i = 0; i < 9; ++i) p.drawRect(QRectF(20 + i * 86, 60, 54, 480));
    p.restore();
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
