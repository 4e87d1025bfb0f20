// The second day's story pictures: down the well, the view from the wardrobe, and the death in the passage.
#include "catalogue.hpp"
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

void downTheWell(QPainter& p) {
    // Looking down the shaft: rings of stone narrowing to the water far below.
    p.fillRect(QRectF(0, 0, 800, 600), QColor(20, 20, 22));
    Random r(61);
    const QPointF bottom(400, 330);
    for (int ring = 12; ring >= 0; --ring) {
        const qreal t = ring / 12.0;
        const qreal rx = 60 + t * 420;
        const qreal ry = 44 + t * 320;
        QPainterPath ellipse;
        ellipse.addEllipse(bottom + QPointF(0, -t * 30), rx, ry);
        QColor stone = shade(pal::stone, 0.35 + t * 0.7);
        p.fillPath(ellipse, stone);
        p.save();
        p.setPen(QPen(shade(stone, 0.6), 2));
        p.setBrush(Qt::NoBrush);
        p.drawPath(ellipse);
        for (int k = 0; k < 18; ++k) {
            const qreal a = k * 6.283 / 18 + r.uniform(0, 0.2);
            const QPointF at = bottom + QPointF(0, -t * 30) + QPointF(std::cos(a) * rx, std::sin(a) * ry);
            p.drawLine(at, bottom + QPointF(0, -t * 30) + QPointF(std::cos(a) * rx * 0.93, std::sin(a) * ry * 0.93));
        }
        p.restore();
    }
    // The water, with apples floating in it.
    QPainterPath water;
    water.addEllipse(bottom, 60, 44);
    QRadialGradient g(bottom - QPointF(15, 10), 70);
    g.setColorAt(0, QColor(90, 140, 160));
    g.setColorAt(1, QColor(20, 50, 60));
    p.fillPath(water, g);
    apple(p, bottom + QPointF(-20, 6), 8, pal::appleRed);
    apple(p, bottom + QPointF(14, -10), 7, pal::appleRed);
    apple(p, bottom + QPointF(26, 14), 6, pal::appleGreen);
    // The opening at the water level: a dark arch in the wall of the shaft.
    QPainterPath arch;
    arch.moveTo(bottom + QPointF(-30, -30));
    arch.lineTo(bottom + QPointF(-30, -54));
    arch.quadTo(bottom + QPointF(0, -84), bottom + QPointF(30, -54));
    arch.lineTo(bottom + QPointF(30, -30));
    arch.closeSubpath();
    p.fillPath(arch, QColor(4, 4, 6));
    p.save();
    p.setPen(QPen(QColor(140, 130, 110), 2));
    p.setBrush(Qt::NoBrush);
    p.drawPath(arch);
    p.restore();
    // The rope and the bucket hanging down, and daylight on the rim.
    p.save();
    p.setPen(QPen(QColor(170, 150, 110), 3));
    p.drawLine(QPointF(520, 0), QPointF(430, 250));
    p.restore();
    QPainterPath bucket;
    bucket.addRoundedRect(QRectF(414, 240, 32, 26), 4, 4);
    paperShape(p, bucket, pal::woodLight, 0.6);
    QLinearGradient light(0, 0, 0, 200);
    light.setColorAt(0, QColor(255, 240, 200, 90));
    light.setColorAt(1, QColor(255, 240, 200, 0));
    p.fillRect(QRectF(0, 0, 800, 200), light);
}

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
