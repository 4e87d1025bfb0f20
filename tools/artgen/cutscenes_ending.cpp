// The ending: the call for help, the agency arriving, the arrests, the robots found, the news,
// the drive home, the end and the credits.
#include "catalogue.hpp"
#include "cutscene_kit.hpp"
#include "newscast.hpp"
#include "palette.hpp"
#include "passage_kit.hpp"
#include "people.hpp"
#include "picture.hpp"
#include "scenery.hpp"
#include "street_kit.hpp"
#include "text.hpp"
#include "village_square.hpp"

#include "app/data_files.hpp"

#include <utility>

namespace artgen {

namespace {

void callForHelp(QPainter& p) {
    cellar(p, 470, 66);
    // The barred door behind him.
    QPainterPath arch;
    arch.moveTo(60, 470);
    arch.lineTo(60, 200);
    arch.quadTo(200, 100, 340, 200);
    arch.lineTo(340, 470);
    arch.closeSubpath();
    paperShape(p, arch, QColor(100, 70, 44), 1.0);
    QPainterPath rod;
    rod.addRoundedRect(QRectF(30, 250, 340, 16), 5, 5);
    paperShape(p, rod, QColor(110, 84, 70), 1.0);
    torch(p, QPointF(720, 180));
    drawPerson(p, cast::agent(), QRectF(400, 80, 260, 640), Pose{.rightArm = 10, .leftHandToEar = true});
}

void squareAtDawn(QPainter& p) { villageSquare(p, StreetLight::Dusk); }

void agencyArrives(QPainter& p) {
    squareAtDawn(p);
    helicopter(p, QPointF(560, 90), 240);
    agencyVan(p, 200, 560, 260, true);
    agencyVan(p, 600, 590, 280, true);
}

void stormingTheHall(QPainter& p) {
    squareAtDawn(p);
    agencyVan(p, 120, 580, 240, true);
    for (int i = 0; i < 4; ++i)
        drawPerson(p, cast::agencyOfficer(), QRectF(300 + i * 68, 280 + (i % 2) * 20, 70, 200),
                   Pose{.leftArm = 26, .rightArm = 34, .leftElbow = 50, .rightElbow = 70, .back = true});
    glow(p, QPointF(120, 440), 120, QColor(80, 140, 255, 90));
}

void arrests(QPainter& p) {
    squareAtDawn(p);
    agencyVan(p, 620, 590, 300, true);
    drawPerson(p, cast::agencyOfficer(), QRectF(120, 230, 120, 320), Pose{.leftArm = 40, .rightArm = 60});
    // The mayor and the henchman with their hands together in front, in handcuffs.
    const Pose cuffed{.leftArm = 16, .rightArm = 16, .leftElbow = 60, .rightElbow = 60, .frown = true};
    const QRectF mayor(220, 220, 130, 330);
    const QRectF henchman(360, 210, 140, 340);
    drawPerson(p, cast::mayor(), mayor, cuffed);
    drawPerson(p, cast::henchman(), henchman, cuffed);
    drawPerson(p, cast::agencyOfficer(), QRectF(490, 230, 120, 320), Pose{.leftArm = 60, .rightArm = 40, .leftElbow = 70});
    for (const auto& [who, box] : {std::pair{&cast::mayor(), mayor}, std::pair{&cast::henchman(), henchman}}) {
        const QPointF left = handPosition(*who, box, cuffed, -1);
        const QPointF right = handPosition(*who, box, cuffed, 1);
        p.save();
        p.setPen(QPen(QColor(222, 226, 232), 3));
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(left, 7, 7);
        p.drawEllipse(right, 7, 7);
        p.drawLine(left + QPointF(7, 0), right - QPointF(7, 0));
        p.restore();
    }
}

void robotsSeized(QPainter& p) {
    cellar(p, 420, 67);
    for (int row = 0; row < 2; ++row)
        for (int i = 0; i < 6; ++i) {
            const QPointF foot(80 + i * 130 + row * 60, 330 + row * 90);
            appleRobot(p, foot, 26 + row * 10);
            // Switched off: the eye dark.
            p.save();
            p.setPen(Qt::NoPen);
            p.setBrush(QColor(30, 30, 30));
            p.drawEllipse(foot + QPointF(0, -(26 + row * 10) * 1.8), 5, 5);
            p.restore();
        }
    // Police tape across the hall.
    QPainterPath tape;
    tape.moveTo(0, 200);
    tape.lineTo(800, 260);
    tape.lineTo(800, 290);
    tape.lineTo(0, 230);
    tape.closeSubpath();
    paperShape(p, tape, QColor(250, 210, 40), 1.0);
    p.save();
    p.rotate(4.3);
    fittedText(p, QRectF(60, 196, 680, 26), QStringLiteral("ZABAVENO · NEVSTUPOVAT · ZABAVENO · NEVSTUPOVAT"), Face::SansBold, pal::ink);
    p.restore();
    drawPerson(p, cast::agencyOfficer(), QRectF(600, 260, 130, 330), Pose{.leftArm = 20, .rightArm = 100});
    drawPerson(p, cast::agent(), QRectF(80, 250, 140, 340), Pose{.leftArm = 20, .rightArm = 30, .smile = true});
}

void closingNews(QPainter& p) {
    newscast(p, {.pictured = cast::mayor(),
                 .pictureMood = Pose{.frown = true},
                 .readerSmiles = true,
                 .headline = QStringLiteral("STAROSTA MLÝNOTRH ZATČEN"),
                 .subline = QStringLiteral("Agent překazil spiknutí s jablečnými roboty")});
}

void driveHome(QPainter& p) {
    streetSky(p, StreetLight::Dusk, 16);
    hills(p, 340, 100, QColor(120, 100, 120), 58);
    ground(p, QRectF(0, 380, 800, 220), QColor(150, 130, 80), QColor(90, 90, 50));
    QPainterPath road;
    road.moveTo(-20, 540);
    road.cubicTo(300, 520, 500, 470, 820, 440);
    road.lineTo(820, 480);
    road.cubicTo(500, 520, 300, 580, -20, 600);
    road.closeSubpath();
    paperShape(p, road, pal::asphalt, 0.6);
    villageSign(p, QRectF(100, 300, 230, 74), QStringLiteral("Mlýnotrhy"), true);
    agentsCar(p, 560, 500, 200);
}

void theEnd(QPainter& p) {
    sky(p, QRectF(0, 0, 800, 600), QColor(30, 30, 70), QColor(240, 150, 100));
    sun(p, QPointF(400, 420), 60, QColor(255, 200, 130));
    hills(p, 460, 90, QColor(90, 70, 90), 59);
    hills(p, 540, 60, QColor(60, 50, 60), 60);
    title(p, QRectF(100, 150, 600, 160), QStringLiteral("KONEC"), QColor(255, 236, 200));
}

void creditsPage(QPainter& p, bool first) {
    sky(p, QRectF(0, 0, 800, 600), QColor(20, 24, 50), QColor(60, 40, 70));
    stars(p, QRectF(0, 0, 800, 600), 120, first ? 71 : 72);
    hills(p, 600, 80, QColor(30, 30, 40), 61);
    const QColor gold(250, 226, 170);
    const QColor light(236, 232, 240);
    if (first) {
        fittedText(p, QRectF(150, 40, 500, 30), QStringLiteral("Studio Kvelnor uvádí"), Face::Serif, light);
        title(p, QRectF(150, 80, 500, 90), QStringLiteral("Kvelnor"), gold);
        const QString lines[][2] = {{QStringLiteral("Námět a scénář"), QStringLiteral("Vojtěch Jablonecký")},
                                    {QStringLiteral("Kresby"), QStringLiteral("Bára Šťovíčková")},
                                    {QStringLiteral("Programování"), QStringLiteral("Radim Kolovrátek")},
                                    {QStringLiteral("Zvuky"), QStringLiteral("Ondřej Pípal")}};
        for (int i = 0; i < 4; ++i) {
            fittedText(p, QRectF(150, 200 + i * 80, 500, 26), lines[i][0], Face::Serif, QColor(200, 196, 220));
            fittedText(p, QRectF(150, 228 + i * 80, 500, 34), lines[i][1], Face::SerifBold, light);
        }
    } else {
        fittedText(p, QRectF(150, 60, 500, 44), QStringLiteral("Děkujeme"), Face::SerifBold, gold);
        const QString lines[] = {QStringLiteral("obyvatelům Mlýnotrh za trpělivost,"), QStringLiteral("štamgastům U Jabloňky za karty"),
                                 QStringLiteral("a vám za to, že jste hráli."), QString(), QStringLiteral("Všechny postavy a místa jsou smyšlené."),
                                 QStringLiteral("© 2003 Studio Kvelnor")};
        for (int i = 0; i < 6; ++i) fittedText(p, QRectF(120, 150 + i * 54, 560, 32), lines[i], Face::Serif, light);
    }
}

}  // namespace

void addEndingCutscenes(Catalogue& c) {
    c.picture(pic::story12, [] { return render(Grade::Stone, 1301, callForHelp); });
    c.picture(pic::story13, [] { return render(Grade::Night, 1302, agencyArrives); });
    c.picture(pic::story14, [] { return render(Grade::Night, 1303, stormingTheHall); });
    c.picture(pic::story15, [] { return render(Grade::CoolMorning, 1304, arrests); });
    c.picture(pic::story16, [] { return render(Grade::Stone, 1305, robotsSeized); });
    c.picture(pic::story17, [] { return render(Grade::Neutral, 1306, closingNews); });
    c.picture(pic::story18, [] { return render(Grade::WarmDay, 1307, driveHome); });
    c.picture(pic::konec, [] { return render(Grade::Neutral, 1308, theEnd); });
    c.picture(pic::credits1, [] { return render(Grade::Neutral, 1309, [](QPainter& p) { creditsPage(p, true); }); });
    c.picture(pic::credits2, [] { return render(Grade::Neutral, 1310, [](QPainter& p) { creditsPage(p, false); }); });
}

}  // namespace artgen
