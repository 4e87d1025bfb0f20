// Room number 3 of the inn: the room with and without the notebook, and the view from its window
// down to the garden where the gardener works, before, during and after the trick with the nut.
#include "catalogue.hpp"
#include "interior_kit.hpp"
#include "item_art.hpp"
#include "palette.hpp"
#include "people.hpp"
#include "picture.hpp"
#include "scenery.hpp"
#include "text.hpp"

#include "app/data_files.hpp"

namespace artgen {

namespace {

constexpr qreal kRoomFloorY = 480;

void hotelRoom(QPainter& p, bool notebookLeft) {
    room(p, pal::wallpaperWarm, pal::floorBoards, kRoomFloorY, FloorKind::Boards);
    wallpaper(p, QRectF(0, 0, 800, kRoomFloorY - 10), pal::wallpaperWarm, QColor(190, 150, 110, 90));
    // The window, with the garden's trees outside.
    const QRectF win = sceneRectF("imgCur41").adjusted(10, 8, -10, -8);
    QPainterPath frame;
    frame.addRect(win.adjusted(-8, -8, 8, 8));
    paperShape(p, frame, QColor(240, 236, 226), 0.8);
    sky(p, win, pal::skyCoolTop, pal::skyCoolBottom);
    p.save();
    p.setClipRect(win);
    tree(p, QPointF(win.left() + 40, win.bottom() + 60), 160, pal::foliage, 81, true);
    tree(p, QPointF(win.right() - 20, win.bottom() + 80), 180, pal::foliageLight, 82, true);
    p.restore();
    p.fillRect(QRectF(win.center().x() - 3, win.top(), 6, win.height()), QColor(240, 236, 226));
    p.fillRect(QRectF(win.left(), win.top() + win.height() * 0.4, win.width(), 5), QColor(240, 236, 226));
    QPainterPath curtainL;
    curtainL.addRect(QRectF(win.left() - 30, win.top() - 16, 34, win.height() + 40));
    QPainterPath curtainR;
    curtainR.addRect(QRectF(win.right() - 4, win.top() - 16, 34, win.height() + 40));
    paperShape(p, curtainL, QColor(170, 70, 60), 0.8);
    paperShape(p, curtainR, QColor(170, 70, 60), 0.8);
    windowLight(p, win, kRoomFloorY);
    // The chest of drawers under the window's left side, where the notebook lies.
    const QRectF notebookSpot = sceneRectF("imgCur40");
    const QRectF chest(notebookSpot.left() - 40, notebookSpot.bottom(), 110, kRoomFloorY - notebookSpot.bottom() + 10);
    QPainterPath chestPath;
    chestPath.addRect(chest);
    paperShape(p, chestPath, pal::woodMid, 1.2);
    for (int i = 0; i < 3; ++i) {
        const QRectF drawer(chest.left() + 8, chest.top() + 20 + i * 80, chest.width() - 16, 68);
        p.save();
        p.setPen(QPen(shade(pal::woodMid, 0.65), 2));
        p.setBrush(Qt::NoBrush);
        p.drawRect(drawer);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(220, 190, 110));
        p.drawEllipse(drawer.center(), 4, 4);
        p.restore();
    }
    QPainterPath chestTop;
    chestTop.addRect(QRectF(chest.left() - 6, chest.top() - 4, chest.width() + 12, 10));
    paperShape(p, chestTop, shade(pal::woodMid, 1.15), 0.8);
    if (notebookLeft) {
        // The black notebook lying on the chest, pages showing at its edge, the red ribbon hanging out.
        QPainterPath book;
        book.moveTo(notebookSpot.left() + 1, notebookSpot.bottom() - 3);
        book.lineTo(notebookSpot.left() + 5, notebookSpot.top() + 5);
        book.lineTo(notebookSpot.right() - 1, notebookSpot.top() + 5);
        book.lineTo(notebookSpot.right() - 3, notebookSpot.bottom() - 3);
        book.closeSubpath();
        paperShape(p, book, QColor(36, 36, 40), 0.5);
        p.fillRect(QRectF(notebookSpot.left() + 2, notebookSpot.bottom() - 6, notebookSpot.width() - 5, 3), QColor(246, 242, 228));
        p.fillRect(QRectF(notebookSpot.center().x(), notebookSpot.bottom() - 4, 2, 8), QColor(190, 30, 30));
    }
    // The wardrobe on the left and the bed on the right.
    QPainterPath wardrobe;
    wardrobe.addRect(QRectF(10, 110, 110, kRoomFloorY - 100));
    paperShape(p, wardrobe, pal::woodDark, 1.4);
    p.fillRect(QRectF(64, 120, 2, kRoomFloorY - 120), shade(pal::woodDark, 0.6));
    QPainterPath headboard;
    headboard.addRoundedRect(QRectF(480, 240, 60, 250), 16, 16);
    paperShape(p, headboard, pal::woodDark, 1.2);
    QPainterPath bed;
    bed.addRoundedRect(QRectF(500, 360, 290, 120), 12, 12);
    paperShape(p, bed, QColor(236, 232, 220), 1.2);
    QPainterPath blanket;
    blanket.addRoundedRect(QRectF(570, 350, 230, 140), 14, 14);
    paperShape(p, blanket, QColor(110, 60, 70), 1.0);
    QPainterPath pillow;
    pillow.addRoundedRect(QRectF(500, 330, 80, 40), 16, 16);
    paperShape(p, pillow, QColor(246, 244, 236), 0.6);
    framedPicture(p, QRectF(580, 140, 140, 100), pal::skyWarmTop, pal::skyWarmBottom);
    // The room's number on the inside of the door-key tag by the bed.
    QPainterPath tag;
    tag.addRoundedRect(QRectF(440, 300, 30, 40), 6, 6);
    paperShape(p, tag, QColor(230, 200, 110), 0.5);
    fittedText(p, QRectF(440, 304, 30, 32), QStringLiteral("3"), Face::SerifBold, pal::ink);
    QPainterPath rug;
    rug.addEllipse(QRectF(200, 500, 360, 80));
    paperShape(p, rug, QColor(60, 100, 120), 0.4);
    wayBackEdge(p, pal::floorBoards);
}

enum class Escape { Waiting, LineLowered, NutLanded, GardenerGone };

void windowView(QPainter& p, Escape moment) {
    // The garden seen from above: lawn, a gravel path, beds and the shed.
    ground(p, QRectF(0, 0, 800, 600), QColor(120, 160, 80), QColor(90, 130, 60));
    Random r(83);
    grassTufts(p, QRectF(0, 0, 800, 520), QColor(70, 110, 50), 140, 84);
    QPainterPath path;
    path.moveTo(0, 300);
    path.cubicTo(240, 260, 460, 360, 800, 180);
    path.lineTo(800, 240);
    path.cubicTo(460, 420, 240, 320, 0, 360);
    path.closeSubpath();
    p.fillPath(path, QColor(214, 200, 170));
    for (int i = 0; i < 3; ++i) {
        QPainterPath bed;
        bed.addRoundedRect(QRectF(60 + i * 170, 400, 140, 70), 10, 10);
        paperShape(p, bed, QColor(120, 86, 60), 0.8);
        flowers(p, QRectF(66 + i * 170, 406, 128, 58), 30, 85 + static_cast<std::uint32_t>(i));
    }
    QPainterPath shed;
    shed.addRect(QRectF(40, 60, 160, 110));
    paperShape(p, shed, pal::woodMid, 1.2);
    QPainterPath shedRoof;
    shedRoof.addRect(QRectF(30, 50, 180, 40));
    paperShape(p, shedRoof, pal::roofDark, 1.0);
    tree(p, QPointF(420, 170), 180, pal::foliage, 86, true);
    const QRectF gardener = sceneRectF("imgCur42");
    if (moment == Escape::GardenerGone) {
        // He has run off down the path; only his rake is left behind.
        drawPerson(p, cast::gardener(), QRectF(740, 120, 60, 110), Pose{.leftArm = 120, .rightArm = 140, .leftElbow = -30, .rightElbow = -30, .mouthOpen = true});
        p.save();
        p.setPen(QPen(pal::woodMid, 4, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(gardener.left() + 10, gardener.bottom() - 10), QPointF(gardener.right() - 4, gardener.top() + 60));
        p.restore();
    } else {
        const bool startled = moment == Escape::NutLanded;
        drawPerson(p, cast::gardener(), QRectF(gardener.left(), gardener.top() + 4, gardener.width(), gardener.height() - 8),
                   Pose{.leftArm = startled ? 150.0 : 30.0, .rightArm = startled ? 150.0 : 50.0, .mouthOpen = startled});
        if (!startled) {
            p.save();
            p.setPen(QPen(pal::woodMid, 4, Qt::SolidLine, Qt::RoundCap));
            p.drawLine(QPointF(gardener.right() - 14, gardener.top() + 50), QPointF(gardener.right() + 6, gardener.bottom()));
            p.restore();
        }
    }
    // The line with the nut, let down from the window sill.
    if (moment == Escape::LineLowered || moment == Escape::NutLanded) {
        const QPointF hand(494, 494);  // in the right fist
        const QPointF nut = moment == Escape::LineLowered ? QPointF(600, 300) : QPointF(gardener.left() - 6, gardener.top() + 16);
        p.save();
        p.setPen(QPen(QColor(240, 250, 255), 2));
        p.setBrush(Qt::NoBrush);
        QPainterPath line;
        line.moveTo(hand);
        line.quadTo(QPointF((hand.x() + nut.x()) / 2 + 40, (hand.y() + nut.y()) / 2), nut);
        p.drawPath(line);
        p.restore();
        drawItem(p, Item::Nut, QRectF(nut.x() - 14, nut.y() - 4, 28, 28), 0.5);
        if (moment == Escape::NutLanded) {
            fittedText(p, QRectF(gardener.left() - 30, gardener.top() - 40, 80, 40), QStringLiteral("?!"), Face::SansBold, QColor(250, 250, 240));
            p.save();
            p.setPen(QPen(QColor(255, 255, 255, 200), 3, Qt::SolidLine, Qt::RoundCap));
            for (int i = 0; i < 3; ++i) p.drawLine(nut + QPointF(-20 - i * 6, -10 + i * 10), nut + QPointF(-34 - i * 6, -14 + i * 10));
            p.restore();
        }
    }
    // The window around the view: jambs, lintel and the sill with the agent's hands.
    const QColor frameColour(236, 232, 220);
    QPainterPath frame;
    frame.addRect(QRectF(0, 0, 800, 600));
    QPainterPath opening;
    opening.addRect(QRectF(60, 30, 680, 470));
    paperShape(p, frame.subtracted(opening), frameColour, 2.0);
    QPainterPath sill;
    sill.addRect(QRectF(0, 500, 800, 100));
    QLinearGradient sillGrad(0, 500, 0, 600);
    sillGrad.setColorAt(0, QColor(246, 242, 232));
    sillGrad.setColorAt(1, QColor(200, 194, 180));
    paperShape(p, sill, sillGrad, 2.0);
    QPainterPath flowerBox;
    flowerBox.addRect(QRectF(560, 470, 160, 40));
    bush(p, QPointF(640, 476), 150, pal::foliageLight, 87);
    flowers(p, QRectF(570, 440, 140, 30), 24, 88);
    paperShape(p, flowerBox, QColor(170, 90, 60), 0.8);
    if (moment == Escape::LineLowered || moment == Escape::NutLanded) {
        // The agent's forearms over the sill, his fists closed on the line between them.
        for (qreal x : {426.0, 514.0}) {
            const qreal lean = x < 470 ? -1 : 1;
            QPainterPath sleeve;
            sleeve.moveTo(x - 22, 522);
            sleeve.lineTo(x + 22, 522);
            sleeve.lineTo(x + 30 + lean * 40, 610);
            sleeve.lineTo(x - 30 + lean * 40, 610);
            sleeve.closeSubpath();
            paperShape(p, sleeve, cast::agent().outer, 1.2);
            QPainterPath cuff;
            cuff.addRect(QRectF(x - 21, 516, 42, 10));
            paperShape(p, cuff, QColor(236, 234, 226), 0.5);
            QPainterPath fist;
            fist.addRoundedRect(QRectF(x - 22, 490, 44, 30), 11, 11);
            paperShape(p, fist, cast::agent().skin, 0.8);
            p.save();
            p.setPen(QPen(shade(cast::agent().skin, 0.72), 2, Qt::SolidLine, Qt::RoundCap));
            for (int i = 0; i < 4; ++i) p.drawLine(QPointF(x - 15 + i * 10, 492), QPointF(x - 15 + i * 10, 500));
            p.restore();
        }
    }
}

}  // namespace

void addHotelRoom(Catalogue& c) {
    c.picture(pic::pokoj1, [] { return render(Grade::Indoor, 311, [](QPainter& p) { hotelRoom(p, false); }); });
    c.picture(pic::pokoj1a, [] { return render(Grade::Indoor, 311, [](QPainter& p) { hotelRoom(p, true); }); });
    c.picture(pic::pokoj2a, [] { return render(Grade::CoolMorning, 312, [](QPainter& p) { windowView(p, Escape::Waiting); }); });
    c.picture(pic::pokoj2b, [] { return render(Grade::CoolMorning, 312, [](QPainter& p) { windowView(p, Escape::LineLowered); }); });
    c.picture(pic::pokoj2c, [] { return render(Grade::CoolMorning, 312, [](QPainter& p) { windowView(p, Escape::NutLanded); }); });
    c.picture(pic::pokoj2d, [] { return render(Grade::CoolMorning, 312, [](QPainter& p) { windowView(p, Escape::GardenerGone); }); });
}

}  // namespace artgen
