// The tobacconist: the shop front with the hammer lying by the door, and the shop inside.
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

void shopFront(QPainter& p) {
    streetSky(p, StreetLight::Warm, 4);
    hills(p, 300, 60, pal::hillFar, 17);
    const QRectF entrance = sceneRectF("imgCur9");
    // The field and the garden fence beyond the last house: the street ends here.
    ground(p, QRectF(0, 300, 800, 160), pal::grassDry, pal::grass);
    tree(p, QPointF(720, 420), 240, pal::foliage, 18, true);
    fence(p, QRectF(600, 380, 220, 80), pal::woodLight);
    house(p, QRectF(-40, 200, 150, entrance.bottom() - 200), pal::plasterCream, pal::roofTile, 19);
    const QRectF wall(120, 170, 470, entrance.bottom() - 170);
    facade(p, wall, pal::plasterBlue, pal::roofDark, 70, RoofStyle::Hip, 14);
    sign(p, QRectF(wall.left() + 60, wall.top() + 20, wall.width() - 120, 48), QStringLiteral("TRAFIKA"), pal::signRed,
         QColor(255, 246, 220), Face::SansBold, QColor(255, 230, 180));
    sign(p, QRectF(wall.left() + 20, wall.top() + 80, 110, 26), QStringLiteral("TABÁK"), pal::signCream, pal::ink, Face::CondensedBold);
    sign(p, QRectF(wall.right() - 130, wall.top() + 80, 110, 26), QStringLiteral("NOVINY"), pal::signCream, pal::ink, Face::CondensedBold);
    door(p, entrance.adjusted(30, 12, -30, 0), pal::woodMid, false, true);
    shopWindow(p, QRectF(wall.left() + 20, entrance.top() + 20, entrance.left() - wall.left() - 16, 120), 20);
    shopWindow(p, QRectF(entrance.right() - 10, entrance.top() + 20, wall.right() - entrance.right() - 10, 120), 21);
    cobbles(p, QRectF(0, entrance.bottom(), 800, 600), 300, pal::cobble, 22);
    // A newspaper stand beside the door.
    const QRectF stand(entrance.left() - 80, entrance.bottom() - 90, 60, 90);
    QPainterPath rack;
    rack.addRect(stand);
    paperShape(p, rack, QColor(60, 90, 70), 0.9);
    for (int i = 0; i < 3; ++i) {
        QPainterPath paper;
        paper.addRect(QRectF(stand.left() + 6, stand.top() + 6 + i * 28, stand.width() - 12, 22));
        paperShape(p, paper, QColor(244, 240, 228), 0.3);
        p.fillRect(QRectF(stand.left() + 10, stand.top() + 10 + i * 28, stand.width() - 20, 4), pal::signRed);
    }
    streetExit(p, false, entrance.bottom());
    edgeSignpost(p, false, QStringLiteral("HOSPODA"), 560);
    lampPost(p, QPointF(640, 540), 200);
    wayOnEdge(p, false);
}

// The hammer left standing on its head by the shop wall, its handle leaning against the plinth.
void hammerOnGround(QPainter& p) {
    const QRectF spot = sceneRectF("imgCur21");
    const QPointF foot(spot.left() + 15, spot.bottom() - 7);
    QPainterPath handle;
    handle.moveTo(foot + QPointF(-3, -6));
    handle.lineTo(spot.right() - 13, spot.top() + 9);
    handle.lineTo(spot.right() - 9, spot.top() + 12);
    handle.lineTo(foot + QPointF(4, -4));
    handle.closeSubpath();
    QLinearGradient wood(spot.topLeft(), spot.topRight());
    wood.setColorAt(0, QColor(210, 160, 100));
    wood.setColorAt(1, QColor(150, 100, 56));
    paperShape(p, handle, wood, 0.25);
    QPainterPath head;
    head.addRoundedRect(QRectF(foot.x() - 10, foot.y() - 12, 22, 12), 2, 2);
    QLinearGradient steel(foot + QPointF(0, -12), foot);
    steel.setColorAt(0, QColor(214, 220, 226));
    steel.setColorAt(1, QColor(96, 102, 110));
    paperShape(p, head, steel, 0.25);
}

void shopInside(QPainter& p) {
    const qreal floorY = 470;
    room(p, QColor(226, 214, 186), pal::floorTiles, floorY, FloorKind::Tiles);
    // Shelves of cigarettes, sweets and lighters behind the counter.
    Random r(81);
    for (int s = 0; s < 4; ++s) {
        const qreal y = 70 + s * 70;
        QPainterPath board;
        board.addRect(QRectF(0, y + 50, 800, 8));
        paperShape(p, board, pal::woodMid, 0.7);
        for (qreal x = 8; x < 790; x += r.uniform(22, 30)) {
            const QColor c = QColor::fromHsv(r.range(0, 359), r.range(80, 170), r.range(150, 230));
            QPainterPath box;
            box.addRect(QRectF(x, y + 50 - r.uniform(26, 40), 20, 40));
            p.fillPath(box, c);
            p.fillRect(QRectF(x + 2, y + 22, 16, 6), QColor(250, 250, 250, 160));
        }
    }
    // Magazines on a rack at the left.
    for (int i = 0; i < 6; ++i) {
        QPainterPath mag;
        mag.addRect(QRectF(10 + (i % 2) * 70, 360 + (i / 2) * 40, 60, 70));
        paperShape(p, mag, QColor::fromHsv((i * 57) % 360, 120, 220), 0.6);
    }
    sign(p, QRectF(540, 8, 250, 34), QStringLiteral("TABÁK – NOVINY – ČASOPISY"), pal::signRed, QColor(255, 246, 220), Face::SansBold);
    const QRectF assistant = sceneRectF("imgCur16");
    drawPerson(p, cast::shopAssistant(), QRectF(assistant.left(), assistant.top() + 10, assistant.width(), 760),
               Pose{.leftArm = 20, .rightArm = 20, .leftElbow = 52, .rightElbow = 52, .smile = true});
    // The counter.
    QPainterPath counter;
    counter.addRect(QRectF(-10, 380, 820, 240));
    QLinearGradient cg(0, 380, 0, 600);
    cg.setColorAt(0, shade(pal::woodLight, 1.0));
    cg.setColorAt(1, shade(pal::woodMid, 0.8));
    paperShape(p, counter, cg, 1.8);
    p.save();
    p.setPen(QPen(shade(pal::woodMid, 0.7), 2));
    p.setBrush(Qt::NoBrush);
    for (qreal x = 20; x < 800; x += 195) p.drawRect(QRectF(x, 410, 170, 150));
    p.restore();
    // Lottery and newspaper posters on the counter's front.
    QPainterPath poster;
    poster.addRect(QRectF(230, 425, 140, 110));
    paperShape(p, poster, QColor(250, 214, 60), 0.6);
    fittedText(p, QRectF(236, 440, 128, 40), QStringLiteral("LOSY"), Face::SansBold, pal::signRed);
    fittedText(p, QRectF(236, 484, 128, 30), QStringLiteral("štěstí za 20 Kč"), Face::Condensed, pal::ink);
    QPainterPath top;
    top.addRect(QRectF(-10, 370, 820, 18));
    paperShape(p, top, shade(pal::woodLight, 1.1), 1.0);
    // The till; its display is where the shop shows the price.
    const QRectF display(612, 266, 64, 30);
    QPainterPath body;
    body.moveTo(580, 372);
    body.lineTo(590, 300);
    body.lineTo(730, 300);
    body.lineTo(740, 372);
    body.closeSubpath();
    paperShape(p, body, QColor(96, 100, 110), 1.2);
    QPainterPath head;
    head.addRoundedRect(display.adjusted(-8, -6, 8, 6), 4, 4);
    paperShape(p, head, QColor(70, 74, 82), 0.8);
    p.fillRect(display, QColor(236, 240, 226));
    for (int i = 0; i < 8; ++i) {
        QPainterPath key;
        key.addRoundedRect(QRectF(606 + (i % 4) * 28, 312 + (i / 4) * 22, 22, 16), 3, 3);
        paperShape(p, key, QColor(220, 222, 226), 0.3);
    }
    // Newspapers on the counter.
    QPainterPath pile;
    pile.addRect(QRectF(90, 350, 140, 26));
    paperShape(p, pile, QColor(240, 236, 224), 0.6);
    fittedText(p, QRectF(96, 352, 128, 20), QStringLiteral("DENNÍ HLASATEL"), Face::SerifBold, pal::ink);
    wayBackEdge(p, pal::floorTiles);
}

}  // namespace

void addTobacconist(Catalogue& c) {
    c.picture(pic::trafika1, [] { return render(Grade::WarmDay, 401, shopFront); });
    c.picture(pic::trkladivo, [] { return renderOverlay(Grade::WarmDay, 401, shopFront, hammerOnGround, sceneRect("imgCur21")); });
    c.picture(pic::trafika2, [] { return render(Grade::Indoor, 402, shopInside); });
}

}  // namespace artgen
