// The secret passage under the town hall: the first room with its door, the engineer's cell, the store of bombs,
// and the hall of apple robots.
#include "catalogue.hpp"
#include "interior_kit.hpp"
#include "palette.hpp"
#include "passage_kit.hpp"
#include "people.hpp"
#include "picture.hpp"
#include "scenery.hpp"
#include "text.hpp"

#include "app/data_files.hpp"

namespace artgen {

namespace {

enum class FirstRoom { DoorOpen, PursuersComing, DoorBarred };

void firstRoom(QPainter& p, FirstRoom state) {
    const QRectF arch = sceneRectF("imgCur43");
    const QRectF bar = sceneRectF("imgCur47");
    cellar(p, 440, 61);
    QPainterPath opening;
    opening.moveTo(arch.left(), arch.bottom());
    opening.lineTo(arch.left(), arch.top() + arch.width() / 2);
    opening.arcTo(QRectF(arch.left(), arch.top(), arch.width(), arch.width()), 180, -180);
    opening.lineTo(arch.right(), arch.bottom());
    opening.closeSubpath();
    // The stone arch.
    QPainterPath surround;
    surround.addRect(arch.adjusted(-26, -10, 26, 0));
    QPainterPath archStones = united(surround).subtracted(opening);
    paperShape(p, archStones, shade(pal::stone, 0.85), 1.2);
    QLinearGradient dark(arch.topLeft(), arch.bottomLeft());
    dark.setColorAt(0, QColor(10, 10, 12));
    dark.setColorAt(1, QColor(40, 36, 34));
    p.fillPath(opening, dark);
    if (state == FirstRoom::PursuersComing) {
        // Torchlight in the tunnel, and the mayor with his henchman coming through.
        glow(p, QPointF(arch.center().x(), arch.center().y() + 40), 180, QColor(255, 170, 80, 120));
        drawPerson(p, cast::henchman(), QRectF(arch.left() + 20, arch.top() + 70, 150, 250), Pose{.leftArm = 20, .rightArm = 80, .frown = true});
        drawPerson(p, cast::mayor(), QRectF(arch.left() + 120, arch.top() + 90, 140, 230), Pose{.leftArm = 115, .rightArm = 20, .leftElbow = -25, .mouthOpen = true, .frown = true});
    }
    // The iron brackets for a bar, one on each side of the arch.
    for (qreal x : {bar.left() - 6, bar.right() - 22}) {
        QPainterPath bracket;
        // U-shaped, open at the top, so a bar can be dropped into the pair.
        bracket.addRect(QRectF(x, bar.top() + 28, 28, 10));
        bracket.addRect(QRectF(x, bar.top() + 4, 8, 34));
        bracket.addRect(QRectF(x + 20, bar.top() + 4, 8, 34));
        paperShape(p, united(bracket), QColor(60, 60, 66), 0.8);
    }
    if (state == FirstRoom::DoorBarred) {
        QPainterPath doorLeaf = opening;
        QLinearGradient wood(arch.topLeft(), arch.topRight());
        wood.setColorAt(0, QColor(120, 84, 52));
        wood.setColorAt(1, QColor(84, 56, 34));
        paperShape(p, doorLeaf, wood, 0.8);
        p.save();
        p.setClipPath(doorLeaf, Qt::IntersectClip);
        p.setPen(QPen(QColor(60, 40, 24), 3));
        for (qreal x = arch.left() + 40; x < arch.right(); x += 44) p.drawLine(QPointF(x, arch.top()), QPointF(x, arch.bottom()));
        p.fillRect(QRectF(arch.left(), arch.top() + 230, arch.width(), 14), QColor(50, 50, 56));
        p.restore();
        // The rod across the brackets.
        QPainterPath rod;
        rod.addRoundedRect(QRectF(bar.left() - 20, bar.top() + 12, bar.width() + 40, 14), 5, 5);
        QLinearGradient iron(0, bar.top() + 12, 0, bar.top() + 26);
        iron.setColorAt(0, QColor(150, 120, 100));
        iron.setColorAt(1, QColor(70, 50, 40));
        paperShape(p, rod, iron, 1.0);
    } else {
        // The heavy door stands open against the wall.
        QPainterPath leaf;
        leaf.moveTo(arch.left() - 30, arch.top() + 60);
        leaf.lineTo(arch.left() - 110, arch.top() + 90);
        leaf.lineTo(arch.left() - 110, arch.bottom() + 40);
        leaf.lineTo(arch.left() - 30, arch.bottom());
        leaf.closeSubpath();
        paperShape(p, leaf, QColor(100, 70, 44), 1.2);
    }
    torch(p, QPointF(120, 200));
    torch(p, QPointF(680, 200));
    // Steps up to the office: the way back.
    for (int i = 0; i < 3; ++i) {
        QPainterPath step;
        step.addRect(QRectF(200 - i * 30, 540 + i * 20, 400 + i * 60, 20));
        paperShape(p, step, shade(pal::stone, 0.9 - i * 0.08), 0.8);
    }
}

void engineersCell(QPainter& p, bool engineerThere) {
    cellar(p, 480, 62);
    const QRectF prisoner = sceneRectF("imgCur44");
    // Shackles on chains from two rings high on the wall; his wrists are locked in them.
    const qreal figureTop = prisoner.top() + 10;
    const qreal height = prisoner.height() - 20;
    const qreal wristX = 0.23 * height + 34;     // the arms raised to 125 degrees reach this far out
    const qreal wristY = figureTop + 0.19 * height - 0.178 * height;
    const QPointF leftWrist(prisoner.center().x() - wristX, wristY);
    const QPointF rightWrist(prisoner.center().x() + wristX, wristY);
    if (engineerThere) {
        drawPerson(p, cast::engineer(), QRectF(prisoner.left(), figureTop, prisoner.width(), height),
                   Pose{.leftArm = 125, .rightArm = 125, .leftElbow = 0, .rightElbow = 0, .frown = true});
    }
    for (QPointF wrist : {leftWrist, rightWrist}) {
        const QPointF ring(wrist.x(), 14);
        p.save();
        p.setPen(QPen(QColor(70, 70, 76), 4));
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(ring, 8, 8);
        const QPointF end = engineerThere ? wrist : QPointF(wrist.x(), wrist.y() + 70);
        const int links = static_cast<int>((end.y() - ring.y()) / 14);
        for (int i = 1; i <= links; ++i) p.drawEllipse(QPointF(ring.x(), ring.y() + i * 14), 4, 7);
        p.setPen(QPen(QColor(90, 90, 96), 5));
        p.drawEllipse(end, 11, 8);
        p.restore();
    }
    if (!engineerThere) {
        QPainterPath stool;
        stool.moveTo(prisoner.center().x() - 30, 500);
        stool.lineTo(prisoner.center().x() + 40, 470);
        stool.lineTo(prisoner.center().x() + 46, 484);
        stool.lineTo(prisoner.center().x() - 24, 514);
        stool.closeSubpath();
        paperShape(p, stool, pal::woodMid, 0.8);
        QPainterPath glassesPath;
        glassesPath.addEllipse(QPointF(prisoner.center().x() + 60, 520), 9, 6);
        glassesPath.addEllipse(QPointF(prisoner.center().x() + 80, 520), 9, 6);
        p.save();
        p.setPen(QPen(QColor(40, 34, 30), 2));
        p.setBrush(Qt::NoBrush);
        p.drawPath(glassesPath);
        p.restore();
    }
    // The wardrobe the agent hides in, and a table with drawings of apple robots.
    QPainterPath wardrobe;
    wardrobe.addRect(QRectF(520, 150, 150, 330));
    paperShape(p, wardrobe, QColor(100, 70, 46), 1.4);
    p.save();
    p.setPen(QPen(QColor(60, 40, 26), 2));
    p.drawLine(QPointF(595, 160), QPointF(595, 470));
    for (qreal y = 190; y < 300; y += 12) {
        p.drawLine(QPointF(535, y), QPointF(585, y));
        p.drawLine(QPointF(605, y), QPointF(655, y));
    }
    p.restore();
    tableTop(p, QRectF(40, 380, 170, 14), 90, pal::woodMid);
    QPainterPath plan;
    plan.addRect(QRectF(60, 362, 110, 20));
    paperShape(p, plan, QColor(170, 200, 230), 0.4);
    torch(p, QPointF(200, 170));
    // The tunnel goes on at the right edge.
    const QRectF way = sceneRectF("imgCur45");
    tunnelMouth(p, way.adjusted(10, 60, 0, -20));
}

void bombStore(QPainter& p, bool mayorThere) {
    cellar(p, 470, 63);
    const QRectF way = sceneRectF("imgCur46");
    tunnelMouth(p, way.adjusted(20, 0, -20, 0));
    // Crates marked as dangerous.
    for (int i = 0; i < 4; ++i) {
        const QRectF box(30 + (i % 2) * 110, 380 - (i / 2) * 90, 100, 90);
        crate(p, box, QColor(120, 110, 70));
        fittedText(p, box.adjusted(8, 24, -8, -24), QStringLiteral("POZOR"), Face::SansBold, pal::signRed);
    }
    for (int i = 0; i < 3; ++i) {
        const QPointF c(660 + (i % 2) * 60, 430 - i * 30);
        apple(p, c, 34, QColor(120, 30, 30));
        p.save();
        p.setPen(QPen(QColor(220, 200, 120), 2));
        p.drawLine(c + QPointF(0, -34), c + QPointF(10, -52));
        p.restore();
        glow(p, c + QPointF(10, -52), 8, QColor(255, 220, 120, 200));
    }
    torch(p, QPointF(250, 170));
    torch(p, QPointF(560, 170));
    if (mayorThere) {
        drawPerson(p, cast::henchman(), QRectF(300, 140, 200, 420), Pose{.leftArm = 20, .rightArm = 80, .frown = true});
        drawPerson(p, cast::mayor(), QRectF(440, 160, 190, 400), Pose{.leftArm = 30, .rightArm = 40, .smile = true});
    }
}

void robotHall(QPainter& p) {
    cellar(p, 420, 64);
    // Rows of apple robots waiting for their orders.
    for (int row = 0; row < 3; ++row) {
        const qreal y = 300 + row * 80;
        const qreal size = 26 + row * 12;
        for (qreal x = 60 + row * 20; x < 760; x += size * 2.6) appleRobot(p, QPointF(x, y), size);
    }
    sign(p, QRectF(250, 60, 300, 44), QStringLiteral("ARMÁDA JABLEČNÝCH ROBOTŮ"), QColor(60, 20, 20), QColor(250, 220, 120), Face::SansBold);
    torch(p, QPointF(120, 140));
    torch(p, QPointF(680, 140));
    wayBackEdge(p, pal::stoneDark);
}

}  // namespace

void addSecretPassage(Catalogue& c) {
    c.picture(pic::tt1a, [] { return render(Grade::Stone, 801, [](QPainter& p) { firstRoom(p, FirstRoom::DoorOpen); }); });
    c.picture(pic::tt1b, [] { return render(Grade::Stone, 801, [](QPainter& p) { firstRoom(p, FirstRoom::PursuersComing); }); });
    c.picture(pic::tt1c, [] { return render(Grade::Stone, 801, [](QPainter& p) { firstRoom(p, FirstRoom::DoorBarred); }); });
    c.picture(pic::tt2a, [] { return render(Grade::Stone, 802, [](QPainter& p) { engineersCell(p, true); }); });
    c.picture(pic::tt2b, [] { return render(Grade::Stone, 802, [](QPainter& p) { engineersCell(p, false); }); });
    c.picture(pic::tt3a, [] { return render(Grade::Stone, 803, [](QPainter& p) { bombStore(p, false); }); });
    c.picture(pic::tt3b, [] { return render(Grade::Stone, 803, [](QPainter& p) { bombStore(p, true); }); });
    c.picture(pic::tt4, [] { return render(Grade::Stone, 804, robotHall); });
}

}  // namespace artgen
