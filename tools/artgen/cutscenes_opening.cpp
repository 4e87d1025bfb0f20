// The title picture and the opening: the road to the village, the village sign, arriving on the square, the news.
#include "catalogue.hpp"
#include "cutscene_kit.hpp"
#include "newscast.hpp"
#include "palette.hpp"
#include "people.hpp"
#include "picture.hpp"
#include "scenery.hpp"
#include "street_kit.hpp"
#include "text.hpp"
#include "village_square.hpp"

#include "app/data_files.hpp"
#include "app/title_texts.hpp"
#include "ui/catalogue.hpp"

namespace artgen {

namespace {

void villageSkyline(QPainter& p, qreal baseY, QColor colour) {
    QPainterPath skyline;
    skyline.moveTo(0, baseY + 40);
    const qreal xs[] = {0, 60, 90, 150, 180, 250, 300, 330, 372, 388, 404, 430, 470, 540, 600, 640, 700, 760, 800};
    const qreal ys[] = {20, 0, 24, 4, 30, 10, 30, -10, 10, 14, 10, 20, 6, 30, 0, 24, 8, 26, 12};
    for (int i = 0; i < 19; ++i) skyline.lineTo(xs[i], baseY - 40 + ys[i]);
    skyline.lineTo(800, baseY + 40);
    skyline.closeSubpath();
    // The church tower with its onion spire.
    skyline.addRect(QRectF(374, baseY - 150, 30, 130));
    QPainterPath spire;
    spire.moveTo(370, baseY - 150);
    spire.cubicTo(366, baseY - 176, 389, baseY - 180, 389, baseY - 210);
    spire.cubicTo(389, baseY - 180, 412, baseY - 176, 408, baseY - 150);
    spire.closeSubpath();
    skyline.addPath(spire);
    paperShape(p, united(skyline), colour, 1.0);
}

void titlePicture(QPainter& p, const ui::Catalogue& words) {
    const auto said = [&](const char* czech) { return QString::fromStdString(words.translate(czech)); };
    sky(p, QRectF(0, 0, 800, 600), QColor(60, 70, 130), QColor(250, 170, 100));
    sun(p, QPointF(560, 360), 44, QColor(255, 210, 140));
    cloud(p, QPointF(160, 120), 40, QColor(250, 200, 180));
    cloud(p, QPointF(640, 90), 30, QColor(250, 200, 180));
    hills(p, 420, 100, QColor(120, 110, 130), 42);
    villageSkyline(p, 430, QColor(80, 64, 80));
    hills(p, 520, 80, QColor(70, 80, 60), 43);
    tree(p, QPointF(700, 600), 320, QColor(60, 80, 50), 44, true);
    title(p, QRectF(100, 130, 600, 130), QStringLiteral("Kvelnor"), QColor(255, 236, 190));
    fittedText(p, QRectF(200, 60, 400, 30), said(app::title::kPresents), Face::Serif, QColor(255, 240, 220));
    fittedText(p, QRectF(180, 262, 440, 34), said(app::title::kSubtitle), Face::SerifBold, QColor(255, 226, 180));
    fittedText(p, QRectF(140, 548, 520, 26), said(app::title::kHowToStart), Face::Sans, QColor(255, 246, 230));
}

void distanceSign(QPainter& p, const QRectF& board) {
    QPainterPath post;
    post.addRect(QRectF(board.center().x() - 3, board.bottom(), 6, board.height() * 2));
    paperShape(p, post, QColor(150, 154, 160), 0.6);
    QPainterPath plate;
    plate.addRect(board);
    paperShape(p, plate, QColor(30, 80, 160), 1.0);
    fittedText(p, board.adjusted(8, 4, -8, -4), QStringLiteral("Mlýnotrhy  3"), Face::CondensedBold, QColor(255, 255, 255));
}

void roadToVillage(QPainter& p) {
    streetSky(p, StreetLight::Warm, 11);
    hills(p, 320, 110, pal::hillFar, 45);
    hills(p, 380, 70, pal::hillNear, 46);
    ground(p, QRectF(0, 380, 800, 220), pal::grassDry, pal::grass);
    // Fields in stripes, the road across them.
    for (int i = 0; i < 5; ++i) {
        QPainterPath field;
        field.moveTo(0, 390 + i * 14);
        field.lineTo(800, 380 + i * 10);
        field.lineTo(800, 386 + i * 10);
        field.lineTo(0, 398 + i * 14);
        field.closeSubpath();
        p.fillPath(field, QColor(200, 180, 100, 90));
    }
    QPainterPath road;
    road.moveTo(-20, 520);
    road.cubicTo(300, 500, 500, 470, 820, 455);
    road.lineTo(820, 500);
    road.cubicTo(500, 520, 300, 560, -20, 580);
    road.closeSubpath();
    paperShape(p, road, pal::asphalt, 0.6);
    for (int i = 0; i < 6; ++i) tree(p, QPointF(60 + i * 140, 460 - i * 6), 120, i % 2 ? pal::foliage : pal::foliageAutumn, 47 + static_cast<std::uint32_t>(i), true);
    distanceSign(p, QRectF(560, 360, 150, 36));
    agentsCar(p, 330, 545, 200);
}

void villageEntrance(QPainter& p) {
    streetSky(p, StreetLight::Warm, 12);
    hills(p, 330, 80, pal::hillFar, 48);
    villageSkyline(p, 360, QColor(180, 120, 100));
    ground(p, QRectF(0, 380, 800, 220), pal::grass, shade(pal::grass, 0.8));
    QPainterPath road;
    road.moveTo(300, 600);
    road.lineTo(420, 380);
    road.lineTo(470, 380);
    road.lineTo(700, 600);
    road.closeSubpath();
    paperShape(p, road, pal::asphalt, 0.6);
    villageSign(p, QRectF(90, 250, 260, 80), QStringLiteral("Mlýnotrhy"), false);
    agentsCar(p, 560, 560, 220, false);
    flowers(p, QRectF(0, 480, 260, 100), 60, 49);
}

void arrival(QPainter& p) {
    villageSquare(p, StreetLight::Warm);
    // The car parked in front of the town hall; the agent, nearer to us, looks across at it from behind.
    agentsCar(p, 420, 540, 330);
    drawPerson(p, cast::agent(), QRectF(570, 190, 170, 500), Pose{.leftArm = 10, .rightArm = 14, .back = true});
}

void newsBroadcast(QPainter& p) {
    newscast(p, {.pictured = cast::engineer(),
                 .headline = QStringLiteral("POHŘEŠOVANÝ INŽENÝR"),
                 .subline = QStringLiteral("Pátrání pokračuje, zapojila se i tajná služba")});
}

}  // namespace

QImage titlePictureIn(const ui::Catalogue& words) {
    return render(Grade::Neutral, 1001, [&](QPainter& p) { titlePicture(p, words); });
}

void addOpeningCutscenes(Catalogue& c) {
    c.picture(pic::uvod, [] { return titlePictureIn(ui::Catalogue()); });
    c.picture(pic::story1, [] { return render(Grade::WarmDay, 1002, roadToVillage); });
    c.picture(pic::story2, [] { return render(Grade::WarmDay, 1003, villageEntrance); });
    c.picture(pic::story3, [] { return render(Grade::WarmDay, 1004, arrival); });
    c.picture(pic::tv, [] { return render(Grade::Neutral, 1005, newsBroadcast); });
}

}  // namespace artgen
