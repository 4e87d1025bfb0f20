// The village map with the square, the power plant and the park under their map spots, and the factory marker.
#include "catalogue.hpp"
#include "palette.hpp"
#include "picture.hpp"
#include "scenery.hpp"
#include "text.hpp"

#include "app/data_files.hpp"

#include <QRadialGradient>

namespace artgen {

namespace {

void parchment(QPainter& p) {
    p.fillRect(QRectF(0, 0, 800, 600), QColor(70, 52, 36));
    QPainterPath sheet;
    sheet.addRoundedRect(QRectF(16, 12, 768, 576), 8, 8);
    QRadialGradient g(QPointF(400, 300), 520);
    g.setColorAt(0, QColor(246, 234, 200));
    g.setColorAt(1, QColor(214, 192, 146));
    paperShape(p, sheet, g, 1.5);
}

void road(QPainter& p, std::initializer_list<QPointF> points, qreal width, QColor colour) {
    QPainterPath path;
    bool first = true;
    for (QPointF pt : points) {
        if (first) path.moveTo(pt); else path.lineTo(pt);
        first = false;
    }
    p.save();
    p.setPen(QPen(shade(colour, 0.6), width + 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPath(path);
    p.setPen(QPen(colour, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(path);
    p.restore();
}

void label(QPainter& p, QPointF centre, const QString& text) {
    const QRectF box(centre.x() - 70, centre.y() - 11, 140, 22);
    fittedText(p, box.translated(1, 1), text, Face::SerifBold, QColor(255, 250, 230, 200));
    fittedText(p, box, text, Face::SerifBold, QColor(60, 40, 24));
}

QPointF spotCentre(const char* name) { return sceneRectF(name).center(); }

void mapPicture(QPainter& p) {
    parchment(p);
    const QPointF square = spotCentre("imgMap1");
    const QPointF plant = spotCentre("imgMap2");
    const QPointF parkSpot = spotCentre("imgMap3");
    const QPointF factory = spotCentre("imgMap4");
    // The river and the forests.
    p.save();
    QPainterPath river;
    river.moveTo(40, 140);
    river.cubicTo(220, 180, 260, 330, 380, 380);
    river.cubicTo(500, 430, 560, 520, 780, 540);
    p.setPen(QPen(QColor(110, 160, 190), 14, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(river);
    p.setPen(QPen(QColor(170, 210, 226), 5, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(river);
    p.restore();
    Random r(41);
    for (int i = 0; i < 40; ++i) {
        const QPointF at(r.uniform(560, 760), r.uniform(40, 220));
        p.save();
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(90, 130, 80, 200));
        p.drawEllipse(at, 10, 8);
        p.restore();
    }
    // Roads between the places.
    road(p, {QPointF(40, 300), square, QPointF(760, 260)}, 8, QColor(236, 200, 130));
    road(p, {square, QPointF(300, 380), plant}, 6, QColor(236, 200, 130));
    road(p, {square, parkSpot}, 5, QColor(236, 200, 130));
    road(p, {square, QPointF(560, 360), factory}, 6, QColor(236, 200, 130));
    // The village: little roofs round the square.
    for (int i = 0; i < 14; ++i) {
        const QPointF at = square + QPointF(r.uniform(-90, 90), r.uniform(-60, 60));
        if (QLineF(at, square).length() < 30) continue;
        QPainterPath roof;
        roof.moveTo(at + QPointF(-8, 4));
        roof.lineTo(at + QPointF(0, -6));
        roof.lineTo(at + QPointF(8, 4));
        roof.closeSubpath();
        p.fillRect(QRectF(at.x() - 6, at.y() + 4, 12, 8), QColor(206, 170, 120));
        p.fillPath(roof, pal::roofTile);
        p.save();
        p.setPen(QPen(QColor(110, 80, 50), 0.8));
        p.setBrush(Qt::NoBrush);
        p.drawRect(QRectF(at.x() - 6, at.y() + 4, 12, 8));
        p.restore();
    }
    // The square: the town hall with its tower.
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(230, 180, 90));
    p.drawRect(QRectF(square.x() - 14, square.y() - 6, 28, 18));
    p.setBrush(pal::roofTile);
    p.drawRect(QRectF(square.x() - 4, square.y() - 18, 8, 14));
    p.restore();
    label(p, square + QPointF(0, 34), QStringLiteral("Náměstí"));
    // The power plant: a hall, a chimney and a bolt.
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(pal::brick);
    p.drawRect(QRectF(plant.x() - 16, plant.y() - 4, 32, 16));
    p.drawRect(QRectF(plant.x() + 6, plant.y() - 22, 6, 20));
    p.restore();
    label(p, plant + QPointF(0, 32), QStringLiteral("Elektrárna"));
    // The park: a cluster of trees.
    QPainterPath lawn;
    lawn.addEllipse(parkSpot, 26, 22);
    p.fillPath(lawn, QColor(150, 190, 110, 160));
    for (int i = 0; i < 5; ++i) {
        QPainterPath crown;
        crown.addEllipse(parkSpot + QPointF(-14 + (i % 3) * 14, -10 + (i / 3) * 16), 10, 10);
        paperShape(p, crown, QColor(80, 130, 70), 0.3);
    }
    label(p, parkSpot + QPointF(0, 36), QStringLiteral("Park"));
    // The title cartouche, the compass and the scale.
    QPainterPath cartouche;
    cartouche.addRoundedRect(QRectF(40, 30, 300, 60), 8, 8);
    paperShape(p, cartouche, QColor(240, 226, 190), 0.8);
    fittedText(p, QRectF(50, 34, 280, 34), QStringLiteral("Mlýnotrhy a okolí"), Face::SerifBold, QColor(90, 40, 30));
    fittedText(p, QRectF(50, 66, 280, 18), QStringLiteral("podrobná mapa obce"), Face::Serif, QColor(90, 60, 40));
    const QPointF compass(700, 500);
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(150, 50, 40));
    QPainterPath needle;
    needle.moveTo(compass + QPointF(0, -40));
    needle.lineTo(compass + QPointF(8, 0));
    needle.lineTo(compass + QPointF(-8, 0));
    needle.closeSubpath();
    p.drawPath(needle);
    p.setBrush(QColor(80, 60, 40));
    QPainterPath south;
    south.moveTo(compass + QPointF(0, 40));
    south.lineTo(compass + QPointF(8, 0));
    south.lineTo(compass + QPointF(-8, 0));
    south.closeSubpath();
    p.drawPath(south);
    p.restore();
    fittedText(p, QRectF(compass.x() - 10, compass.y() - 64, 20, 20), QStringLiteral("S"), Face::SerifBold, QColor(60, 40, 24));
    p.fillRect(QRectF(60, 540, 100, 6), QColor(60, 40, 24));
    p.fillRect(QRectF(110, 540, 50, 6), QColor(240, 226, 190));
    fittedText(p, QRectF(60, 548, 100, 18), QStringLiteral("1 km"), Face::Serif, QColor(60, 40, 24));
}

// The factory drawn onto the map at its spot: a hall with a saw-tooth roof and a red apple.
void factoryMarker(QPainter& p) {
    const QRectF spot = sceneRectF("imgMap4");
    const QPointF c = spot.center();
    QPainterPath roof;
    roof.moveTo(c.x() - 14, c.y());
    roof.lineTo(c.x() - 14, c.y() - 8);
    roof.lineTo(c.x() - 5, c.y() - 2);
    roof.lineTo(c.x() - 5, c.y() - 8);
    roof.lineTo(c.x() + 4, c.y() - 2);
    roof.lineTo(c.x() + 4, c.y() - 8);
    roof.lineTo(c.x() + 14, c.y() - 2);
    roof.lineTo(c.x() + 14, c.y());
    roof.closeSubpath();
    p.fillPath(roof, pal::roofSlate);
    p.fillRect(QRectF(c.x() - 14, c.y(), 28, 10), pal::brick);
    // A chimney with a puff of smoke, and the apple the works are known by.
    p.fillRect(QRectF(c.x() + 8, c.y() - 14, 4, 12), pal::brick);
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(150, 146, 140, 200));
    p.drawEllipse(QPointF(c.x() + 12, c.y() - 15), 2.5, 2);
    p.drawEllipse(QPointF(c.x() + 15, c.y() - 13), 2, 1.6);
    p.restore();
    apple(p, c + QPointF(-6, 5), 3.5, pal::appleRed);
}

}  // namespace

void addVillageMap(Catalogue& c) {
    c.picture(pic::mapa, [] { return render(Grade::Neutral, 901, mapPicture); });
    c.picture(pic::maptov, [] { return renderOverlay(Grade::Neutral, 901, mapPicture, factoryMarker, sceneRect("imgMap4")); });
}

}  // namespace artgen
