// The village street: the square with the town hall and the well, and the street by the cash machine.
#include "catalogue.hpp"
#include "palette.hpp"
#include "people.hpp"
#include "picture.hpp"
#include "scenery.hpp"
#include "street_kit.hpp"
#include "village_square.hpp"
#include "text.hpp"

#include "app/data_files.hpp"

namespace artgen {

namespace {

void townHall(QPainter& p) {
    const QRectF door = sceneRectF("imgCur1");  // the town hall door
    const QRectF wall(290, 150, 300, door.bottom() - 150);
    // The clock tower rises behind the roof.
    const QRectF tower(405, 40, 70, 130);
    QPainterPath towerPath;
    towerPath.addRect(tower);
    paperShape(p, towerPath, shade(pal::plasterOchre, 1.05), 1.0);
    QPainterPath spire;
    spire.moveTo(tower.left() - 8, tower.top());
    spire.lineTo(tower.center().x(), tower.top() - 60);
    spire.lineTo(tower.right() + 8, tower.top());
    spire.closeSubpath();
    paperShape(p, spire, pal::roofSlate, 1.0);
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(250, 246, 230));
    p.drawEllipse(QPointF(tower.center().x(), tower.top() + 38), 22, 22);
    p.setPen(QPen(pal::ink, 2.5, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(tower.center().x(), tower.top() + 38), QPointF(tower.center().x(), tower.top() + 24));
    p.drawLine(QPointF(tower.center().x(), tower.top() + 38), QPointF(tower.center().x() + 10, tower.top() + 42));
    p.restore();
    facade(p, wall, pal::plasterOchre, pal::roofTile, 60, RoofStyle::Hip, 16);
    // Pilasters and a cornice give the hall its dignity.
    for (qreal x : {wall.left() + 10, wall.right() - 24}) p.fillRect(QRectF(x, wall.top() + 4, 14, wall.height() - 18), shade(pal::plasterOchre, 1.12));
    p.fillRect(QRectF(wall.left(), wall.top() + 96, wall.width(), 6), shade(pal::plasterOchre, 1.15));
    for (int i = 0; i < 4; ++i) window(p, QRectF(wall.left() + 38 + i * 62, wall.top() + 26, 34, 52), QColor(245, 240, 226));
    window(p, QRectF(wall.left() + 38, door.top() + 14, 34, 50), QColor(245, 240, 226));
    window(p, QRectF(wall.right() - 72, door.top() + 14, 34, 50), QColor(245, 240, 226));
    townDoor(p, door);
    sign(p, QRectF(door.left() - 14, door.top() - 40, door.width() + 28, 28), QStringLiteral("RADNICE"), pal::signCream, pal::ink,
         Face::SerifBold, QColor(150, 120, 60));
    // The flag of the republic beside the entrance.
    czechFlag(p, QPointF(wall.right() - 40, wall.top() + 110), 44);
}

void well(QPainter& p) {
    const QRectF area = sceneRectF("imgCur34");
    const qreal cx = area.center().x();
    const QRectF body(area.left() + 25, area.top() + 72, area.width() - 50, 70);
    // Stone drum.
    QPainterPath drum;
    drum.moveTo(body.left(), body.top());
    drum.lineTo(body.left(), body.bottom());
    drum.arcTo(QRectF(body.left(), body.bottom() - 22, body.width(), 44), 180, 180);
    drum.lineTo(body.right(), body.top());
    drum.closeSubpath();
    paperShape(p, drum, pal::stone, 1.2);
    p.save();
    p.setClipPath(drum, Qt::IntersectClip);
    Random r(34);
    p.setPen(QPen(shade(pal::stone, 0.7), 1.5));
    for (qreal y = body.top() + 14; y < body.bottom() + 20; y += 16)
        for (qreal x = body.left() + r.uniform(0, 20); x < body.right(); x += r.uniform(28, 44)) p.drawRoundedRect(QRectF(x, y, 26, 13), 4, 4);
    p.restore();
    QPainterPath rim;
    rim.addEllipse(QRectF(body.left() - 6, body.top() - 16, body.width() + 12, 34));
    paperShape(p, rim, shade(pal::stone, 1.12), 0.8);
    QPainterPath hole;
    hole.addEllipse(QRectF(body.left() + 8, body.top() - 9, body.width() - 16, 22));
    p.fillPath(hole, QColor(24, 22, 26));
    // Posts, crank and a little roof.
    QPainterPath posts;
    posts.addRect(QRectF(body.left() + 6, area.top() + 24, 9, 66));
    posts.addRect(QRectF(body.right() - 15, area.top() + 24, 9, 66));
    paperShape(p, posts, pal::woodDark, 0.8);
    QPainterPath roller;
    roller.addRoundedRect(QRectF(body.left() + 10, area.top() + 48, body.width() - 20, 10), 4, 4);
    paperShape(p, roller, pal::woodMid, 0.6);
    p.save();
    p.setPen(QPen(QColor(150, 130, 100), 1.5));
    p.drawLine(QPointF(cx, area.top() + 58), QPointF(cx, body.top() - 4));
    p.restore();
    QPainterPath bucket;
    bucket.moveTo(cx - 10, body.top() - 22);
    bucket.lineTo(cx + 10, body.top() - 22);
    bucket.lineTo(cx + 8, body.top() - 6);
    bucket.lineTo(cx - 8, body.top() - 6);
    bucket.closeSubpath();
    paperShape(p, bucket, pal::woodLight, 0.5);
    QPainterPath roof;
    roof.moveTo(body.left() - 10, area.top() + 30);
    roof.lineTo(cx, area.top() - 2);
    roof.lineTo(body.right() + 10, area.top() + 30);
    roof.closeSubpath();
    paperShape(p, roof, pal::roofTile, 1.0);
}

}  // namespace

void villageSquare(QPainter& p, StreetLight light) {
    streetSky(p, light, 1);
    hills(p, 300, 70, pal::hillFar, 11);
    // Houses around the square, behind the town hall.
    house(p, QRectF(-20, 170, 170, 150), pal::plasterPink, pal::roofTile, 3);
    house(p, QRectF(150, 190, 150, 130), pal::plasterCream, pal::roofDark, 4);
    house(p, QRectF(590, 180, 140, 140), pal::plasterGreen, pal::roofTile, 5);
    house(p, QRectF(720, 160, 110, 160), pal::plasterWhite, pal::roofDark, 6);
    ground(p, QRectF(0, 316, 800, 100), shade(pal::cobble, 1.12), shade(pal::cobble, 1.0));
    tree(p, QPointF(300, 330), 170, pal::foliage, 21);
    townHall(p);
    cobbles(p, QRectF(0, sceneRect("imgCur1").bottom(), 800, 600), 300, pal::cobble, 7);
    // The street on to the inn leaves the square on the right.
    streetExit(p, true, sceneRect("imgCur1").bottom());
    streetExit(p, false, sceneRect("imgCur1").bottom());
    edgeSignpost(p, true, QStringLiteral("HOSPODA"), 520);
    edgeSignpost(p, false, QStringLiteral("POTRAVINY"), 332);
    lampPost(p, QPointF(610, 470), 180);
    tree(p, QPointF(650, 500), 260, pal::foliageLight, 22);
    bench(p, QPointF(560, 500), 110);
    QPainterPath planter;
    planter.addRect(QRectF(296, 470, 110, 30));
    bush(p, QPointF(351, 474), 104, pal::foliageLight, 10);
    flowers(p, QRectF(304, 446, 94, 24), 26, 9);
    paperShape(p, planter, pal::woodMid, 0.8);
    well(p);
}

namespace {

void squareScene(QPainter& p) {
    villageSquare(p, StreetLight::Warm);
    // The lime tree's shade on the cobbles, where the place's caption is typed.
    QPainterPath shadeOfTree;
    shadeOfTree.addEllipse(QPointF(690, 560), 240, 70);
    softShadow(p, shadeOfTree, QPointF(0, 0), 30, QColor(40, 30, 20, 110));
    wayOnEdge(p, true);
}

void cashMachineWall(QPainter& p) {
    const QRectF atm = sceneRectF("imgCur14");
    QPainterPath body;
    body.addRoundedRect(atm, 6, 6);
    QLinearGradient g(atm.topLeft(), atm.topRight());
    g.setColorAt(0, shade(pal::metal, 1.15));
    g.setColorAt(1, shade(pal::metal, 0.8));
    paperShape(p, body, g, 1.2);
    sign(p, QRectF(atm.left() + 10, atm.top() + 8, atm.width() - 20, 26), QStringLiteral("BANKOMAT"), pal::signBlue,
         QColor(250, 250, 250), Face::SansBold);
    const QRectF screen(atm.left() + 28, atm.top() + 46, atm.width() - 56, 62);
    p.fillRect(screen.adjusted(-5, -5, 5, 5), pal::metalDark);
    QLinearGradient sg(screen.topLeft(), screen.bottomLeft());
    sg.setColorAt(0, QColor(90, 160, 200));
    sg.setColorAt(1, QColor(40, 90, 150));
    p.fillRect(screen, sg);
    fittedText(p, screen.adjusted(6, 6, -6, -30), QStringLiteral("Vítejte"), Face::SansBold, QColor(250, 250, 250));
    fittedText(p, screen.adjusted(6, 32, -6, -6), QStringLiteral("Vložte kartu"), Face::Sans, QColor(220, 236, 250));
    // Keypad and slots.
    p.save();
    p.setPen(Qt::NoPen);
    for (int row = 0; row < 4; ++row)
        for (int col = 0; col < 3; ++col) {
            p.setBrush(QColor(220, 222, 226));
            p.drawRoundedRect(QRectF(atm.left() + 40 + col * 22, atm.top() + 122 + row * 14, 18, 11), 2, 2);
        }
    p.setBrush(QColor(60, 170, 80));
    p.drawRoundedRect(QRectF(atm.left() + 114, atm.top() + 122, 26, 11), 2, 2);
    p.setBrush(QColor(200, 60, 50));
    p.drawRoundedRect(QRectF(atm.left() + 114, atm.top() + 136, 26, 11), 2, 2);
    p.setBrush(QColor(30, 32, 36));
    p.drawRoundedRect(QRectF(atm.left() + 30, atm.bottom() - 22, atm.width() - 60, 9), 3, 3);
    p.drawRoundedRect(QRectF(atm.right() - 40, atm.top() + 124, 24, 5), 2, 2);
    p.restore();
}

void cashMachineStreet(QPainter& p) {
    streetSky(p, StreetLight::Warm, 2);
    hills(p, 300, 60, pal::hillFar, 12);
    house(p, QRectF(520, 190, 150, 130), pal::plasterBlue, pal::roofTile, 8);
    house(p, QRectF(660, 170, 160, 150), pal::plasterCream, pal::roofDark, 9);
    // The grocery, with the cash machine set into its wall.
    const QRectF atm = sceneRectF("imgCur14");
    const QRectF shop(20, 150, 480, atm.bottom() - 150 + 20);
    facade(p, shop, pal::plasterWhite, pal::roofTile, 60, RoofStyle::Hip);
    sign(p, QRectF(120, 170, 280, 40), QStringLiteral("POTRAVINY"), pal::signGreen, QColor(250, 246, 220), Face::SansBold,
         QColor(240, 230, 180));
    shopWindow(p, QRectF(360, 240, 120, 130), 13);
    door(p, QRectF(40, 260, 80, 150 + (atm.bottom() - 440)), pal::woodMid, false, true);
    cashMachineWall(p);
    cobbles(p, QRectF(0, shop.bottom(), 800, 600), 300, pal::cobble, 14);
    crate(p, QRectF(370, shop.bottom() - 40, 60, 44), pal::woodLight);
    for (int i = 0; i < 6; ++i) apple(p, QPointF(380 + i * 8, shop.bottom() - 44 - (i % 2) * 4), 6, i % 3 ? pal::appleRed : pal::appleGreen);
    // Back to the square on the right; a garden fence closes the street on the left.
    streetExit(p, true, shop.bottom());
    edgeSignpost(p, true, QStringLiteral("NÁMĚSTÍ"), 540);
    fence(p, QRectF(-10, shop.bottom() - 40, 20, 60), pal::woodLight);
    lampPost(p, QPointF(560, 520), 200);
    wayOnEdge(p, true);
}

void cashMachineClose(QPainter& p) {
    // The wall around the machine.
    p.fillRect(QRectF(0, 0, 800, 600), pal::plasterWhite);
    stoneWall(p, QRectF(0, 520, 800, 80), pal::stone, 15, 26);
    const QRectF front(60, 20, 680, 500);
    QPainterPath body;
    body.addRoundedRect(front, 12, 12);
    QLinearGradient g(front.topLeft(), front.topRight());
    g.setColorAt(0, shade(pal::metal, 1.2));
    g.setColorAt(0.5, shade(pal::metal, 1.05));
    g.setColorAt(1, shade(pal::metal, 0.82));
    paperShape(p, body, g, 2.0);
    // The card slot, with its arrow and light.
    const QRectF slot = sceneRectF("imgCur15");
    QPainterPath bezel;
    bezel.addRoundedRect(slot, 6, 6);
    paperShape(p, bezel, QColor(50, 56, 64), 0.8);
    p.fillRect(QRectF(slot.left() + 8, slot.center().y() - 3, slot.width() - 16, 6), QColor(10, 10, 12));
    glow(p, QPointF(slot.right() - 10, slot.top() + 9), 12, QColor(90, 255, 120, 180));
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(90, 230, 110));
    QPainterPath arrow;
    arrow.moveTo(slot.center().x() - 10, slot.bottom() + 8);
    arrow.lineTo(slot.center().x() + 10, slot.bottom() + 8);
    arrow.lineTo(slot.center().x(), slot.bottom() + 20);
    arrow.closeSubpath();
    p.drawPath(arrow);
    p.restore();
    fittedText(p, QRectF(slot.left() - 40, slot.bottom() + 20, slot.width() + 80, 22), QStringLiteral("KARTA"), Face::SansBold, pal::ink);
    // Header.
    sign(p, QRectF(110, 40, 330, 46), QStringLiteral("BANKOMAT"), pal::signBlue, QColor(250, 250, 250), Face::SansBold);
    // Screen.
    const QRectF screen(110, 110, 330, 200);
    p.fillRect(screen.adjusted(-10, -10, 10, 10), pal::metalDark);
    QLinearGradient sg(screen.topLeft(), screen.bottomLeft());
    sg.setColorAt(0, QColor(80, 160, 210));
    sg.setColorAt(1, QColor(30, 80, 150));
    p.fillRect(screen, sg);
    fittedText(p, QRectF(screen.left(), screen.top() + 30, screen.width(), 50), QStringLiteral("Vítejte"), Face::SansBold, QColor(255, 255, 255));
    fittedText(p, QRectF(screen.left(), screen.top() + 90, screen.width(), 34), QStringLiteral("Vložte prosím kartu"), Face::Sans, QColor(226, 240, 255));
    fittedText(p, QRectF(screen.left(), screen.top() + 140, screen.width(), 26), QStringLiteral("Výběr hotovosti 24 hodin denně"), Face::Condensed, QColor(190, 214, 240));
    for (int i = 0; i < 4; ++i) {
        QPainterPath key;
        key.addRoundedRect(QRectF(72, 130 + i * 45, 24, 24), 4, 4);
        key.addRoundedRect(QRectF(454, 130 + i * 45, 24, 24), 4, 4);
        paperShape(p, key, QColor(210, 212, 218), 0.5);
    }
    // Keypad.
    const QString keys[] = {QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3"), QStringLiteral("4"), QStringLiteral("5"), QStringLiteral("6"),
                            QStringLiteral("7"), QStringLiteral("8"), QStringLiteral("9"), QString(), QStringLiteral("0"), QString()};
    for (int i = 0; i < 12; ++i) {
        const QRectF key(150 + (i % 3) * 62, 340 + (i / 3) * 42, 52, 34);
        QPainterPath kp;
        kp.addRoundedRect(key, 5, 5);
        paperShape(p, kp, QColor(226, 228, 232), 0.6);
        if (!keys[i].isEmpty()) fittedText(p, key, keys[i], Face::SansBold, pal::ink);
    }
    const QString labels[] = {QStringLiteral("ZRUŠIT"), QStringLiteral("OPRAVA"), QStringLiteral("POTVRDIT")};
    const QColor colours[] = {QColor(200, 60, 50), QColor(230, 190, 60), QColor(60, 160, 80)};
    for (int i = 0; i < 3; ++i) {
        const QRectF key(350, 340 + i * 42, 96, 34);
        QPainterPath kp;
        kp.addRoundedRect(key, 5, 5);
        paperShape(p, kp, colours[i], 0.6);
        fittedText(p, key, labels[i], Face::CondensedBold, QColor(255, 255, 255));
    }
    // The cash drawer and the receipt slot.
    QPainterPath cash;
    cash.addRoundedRect(QRectF(490, 380, 220, 46), 6, 6);
    paperShape(p, cash, QColor(50, 56, 64), 0.6);
    p.fillRect(QRectF(505, 398, 190, 10), QColor(12, 12, 14));
    fittedText(p, QRectF(490, 430, 220, 22), QStringLiteral("HOTOVOST"), Face::SansBold, pal::ink);
    QPainterPath receipt;
    receipt.addRoundedRect(QRectF(540, 200, 120, 30), 5, 5);
    paperShape(p, receipt, QColor(60, 66, 74), 0.5);
    p.fillRect(QRectF(552, 212, 96, 6), QColor(12, 12, 14));
    fittedText(p, QRectF(520, 234, 160, 20), QStringLiteral("VÝPIS"), Face::SansBold, pal::ink);
    wayBackEdge(p, pal::stone);
}

}  // namespace

void addVillageStreet(Catalogue& c) {
    c.picture(pic::namesti1, [] { return render(Grade::WarmDay, 101, squareScene); });
    c.picture(pic::bankomat1, [] { return render(Grade::WarmDay, 102, cashMachineStreet); });
    c.picture(pic::bankomat2, [] { return render(Grade::WarmDay, 103, cashMachineClose); });
}

}  // namespace artgen
