// Each item drawn in a 200 x 200 design square and scaled into the box it is given.
#include "item_art.hpp"

#include "canvas.hpp"
#include "palette.hpp"
#include "people.hpp"
#include "text.hpp"

#include <QLinearGradient>
#include <QPainterPathStroker>

#include <cmath>

namespace artgen {

namespace {

// A nut's outline: six corners around the centre, the first turned by `turn` radians.
QPainterPath hexagon(QPointF centre, qreal radius, qreal turn) {
    QPainterPath hex;
    for (int i = 0; i < 6; ++i) {
        const qreal a = i * 3.14159265 / 3 + turn;
        const QPointF pt(centre.x() + radius * std::cos(a), centre.y() + radius * std::sin(a));
        if (i == 0) hex.moveTo(pt); else hex.lineTo(pt);
    }
    hex.closeSubpath();
    return hex;
}

QPainterPath stroke(const QPainterPath& line, qreal width, Qt::PenCapStyle cap = Qt::RoundCap) {
    QPainterPathStroker s;
    s.setWidth(width);
    s.setCapStyle(cap);
    s.setJoinStyle(Qt::RoundJoin);
    return s.createStroke(line);
}

QLinearGradient steel(QPointF a, QPointF b) {
    QLinearGradient g(a, b);
    g.setColorAt(0, QColor(210, 216, 222));
    g.setColorAt(0.45, QColor(150, 158, 166));
    g.setColorAt(1, QColor(90, 96, 104));
    return g;
}

QLinearGradient brass(QPointF a, QPointF b) {
    QLinearGradient g(a, b);
    g.setColorAt(0, QColor(250, 222, 130));
    g.setColorAt(0.5, QColor(214, 168, 70));
    g.setColorAt(1, QColor(150, 110, 40));
    return g;
}

void cardBase(QPainter& p, QRectF r, const QBrush& fill, qreal lift) {
    QPainterPath card;
    card.addRoundedRect(r, 8, 8);
    paperShape(p, card, fill, lift);
}

void serviceCard(QPainter& p, qreal lift) {
    const QRectF r(10, 45, 180, 112);
    QLinearGradient g(r.topLeft(), r.bottomRight());
    g.setColorAt(0, QColor(236, 236, 222));
    g.setColorAt(1, QColor(206, 212, 196));
    cardBase(p, r, g, lift);
    p.fillRect(QRectF(r.left(), r.top() + 8, r.width(), 20), QColor(30, 60, 120));
    fittedText(p, QRectF(r.left() + 4, r.top() + 9, r.width() - 8, 18), QStringLiteral("SLUŽEBNÍ PRŮKAZ"), Face::SansBold, QColor(250, 250, 250));
    const QRectF photo(r.left() + 10, r.top() + 36, 46, 58);
    p.fillRect(photo, QColor(190, 200, 210));
    drawPortrait(p, cast::agent(), photo);
    p.save();
    p.setPen(QPen(QColor(70, 70, 80), 0.8));
    p.setBrush(Qt::NoBrush);
    p.drawRect(photo);
    p.restore();
    fittedText(p, QRectF(r.left() + 64, r.top() + 36, 110, 14), QStringLiteral("Zvláštní agent"), Face::SansBold, pal::ink, Qt::AlignLeft | Qt::AlignVCenter);
    fittedText(p, QRectF(r.left() + 64, r.top() + 52, 110, 12), QStringLiteral("Služební číslo 0417"), Face::Sans, pal::ink, Qt::AlignLeft | Qt::AlignVCenter);
    fittedText(p, QRectF(r.left() + 64, r.top() + 66, 110, 12), QStringLiteral("Platnost do 12/2005"), Face::Sans, pal::ink, Qt::AlignLeft | Qt::AlignVCenter);
    // The round stamp and a signature.
    p.save();
    p.setPen(QPen(QColor(150, 40, 120, 170), 1.4));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QPointF(r.right() - 26, r.bottom() - 24), 16, 16);
    p.drawEllipse(QPointF(r.right() - 26, r.bottom() - 24), 11, 11);
    p.setPen(QPen(QColor(30, 40, 110), 1.2));
    QPainterPath sig;
    sig.moveTo(r.left() + 66, r.bottom() - 16);
    sig.cubicTo(r.left() + 76, r.bottom() - 34, r.left() + 84, r.bottom() - 4, r.left() + 96, r.bottom() - 22);
    sig.cubicTo(r.left() + 104, r.bottom() - 30, r.left() + 110, r.bottom() - 10, r.left() + 124, r.bottom() - 18);
    p.drawPath(sig);
    p.restore();
}

void creditCard(QPainter& p, qreal lift) {
    const QRectF r(10, 45, 180, 112);
    QLinearGradient g(r.topLeft(), r.bottomRight());
    g.setColorAt(0, QColor(60, 110, 190));
    g.setColorAt(1, QColor(20, 40, 100));
    cardBase(p, r, g, lift);
    QPainterPath wave;
    wave.moveTo(r.left(), r.top() + 70);
    wave.cubicTo(r.left() + 60, r.top() + 40, r.left() + 120, r.top() + 100, r.right(), r.top() + 60);
    wave.lineTo(r.bottomRight());
    wave.lineTo(r.bottomLeft());
    wave.closeSubpath();
    p.save();
    QPainterPath clip;
    clip.addRoundedRect(r, 8, 8);
    p.setClipPath(clip, Qt::IntersectClip);
    p.fillPath(wave, QColor(255, 255, 255, 30));
    p.restore();
    QPainterPath chip;
    chip.addRoundedRect(QRectF(r.left() + 18, r.top() + 36, 26, 20), 3, 3);
    p.fillPath(chip, brass(QPointF(r.left() + 18, r.top() + 36), QPointF(r.left() + 44, r.top() + 56)));
    fittedText(p, QRectF(r.left() + 10, r.top() + 8, 120, 18), QStringLiteral("KREDITNÍ KARTA"), Face::SansBold, QColor(250, 250, 250), Qt::AlignLeft | Qt::AlignVCenter);
    fittedText(p, QRectF(r.left() + 12, r.top() + 64, 160, 18), QStringLiteral("4921 0375 8812 6604"), Face::Mono, QColor(240, 240, 250), Qt::AlignLeft | Qt::AlignVCenter);
    fittedText(p, QRectF(r.left() + 12, r.top() + 86, 80, 12), QStringLiteral("PLATÍ DO 09/05"), Face::Condensed, QColor(220, 226, 240), Qt::AlignLeft | Qt::AlignVCenter);
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(230, 60, 50, 220));
    p.drawEllipse(QPointF(r.right() - 36, r.bottom() - 20), 12, 12);
    p.setBrush(QColor(250, 190, 40, 220));
    p.drawEllipse(QPointF(r.right() - 22, r.bottom() - 20), 12, 12);
    p.restore();
}

QPainterPath magazineOutline(QPointF topLeft) {
    QPainterPath m;
    m.moveTo(topLeft);
    m.lineTo(topLeft + QPointF(26, 0));
    m.lineTo(topLeft + QPointF(36, 96));
    m.lineTo(topLeft + QPointF(8, 96));
    m.closeSubpath();
    return m;
}

void gun(QPainter& p, bool withMagazine, qreal lift) {
    // The slide and frame of a pistol, the grip hanging down at the back.
    QPainterPath body;
    body.moveTo(20, 60);
    body.lineTo(180, 60);
    body.lineTo(180, 92);
    body.lineTo(92, 92);
    body.lineTo(88, 104);
    body.quadTo(84, 114, 74, 114);
    body.lineTo(72, 100);
    body.lineTo(62, 100);
    body.lineTo(66, 168);
    body.lineTo(24, 168);
    body.lineTo(28, 100);
    body.lineTo(20, 92);
    body.closeSubpath();
    QLinearGradient g(0, 60, 0, 168);
    g.setColorAt(0, QColor(90, 94, 100));
    g.setColorAt(0.2, QColor(60, 64, 70));
    g.setColorAt(1, QColor(30, 32, 36));
    paperShape(p, body, g, lift);
    // Trigger guard and trigger.
    QPainterPath guard;
    guard.moveTo(64, 100);
    guard.quadTo(66, 126, 92, 120);
    guard.lineTo(96, 94);
    p.save();
    p.setPen(QPen(QColor(40, 42, 46), 5));
    p.setBrush(Qt::NoBrush);
    p.drawPath(guard);
    p.setPen(QPen(QColor(70, 74, 80), 4, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(78, 96), QPointF(74, 110));
    // Slide serrations and the ejection port.
    p.setPen(QPen(QColor(30, 32, 36), 1.5));
    for (int i = 0; i < 6; ++i) p.drawLine(QPointF(34 + i * 5, 64), QPointF(34 + i * 5, 78));
    p.restore();
    p.fillRect(QRectF(110, 64, 36, 8), QColor(30, 32, 36));
    p.fillRect(QRectF(20, 80, 160, 3), QColor(110, 116, 124));
    // Grip panels.
    QPainterPath panel;
    panel.moveTo(34, 106);
    panel.lineTo(58, 106);
    panel.lineTo(60, 150);
    panel.lineTo(34, 150);
    panel.closeSubpath();
    p.fillPath(panel, QColor(90, 60, 40));
    p.save();
    p.setClipPath(panel, Qt::IntersectClip);
    p.setPen(QPen(QColor(60, 40, 26), 1));
    for (int i = -10; i < 20; ++i) p.drawLine(QPointF(30 + i * 4, 106), QPointF(30 + i * 4 + 44, 150));
    p.restore();
    if (withMagazine) {
        // The magazine's floor plate closing the grip, with the seam where it slid in.
        QPainterPath plate;
        plate.addRoundedRect(QRectF(22, 162, 48, 12), 3, 3);
        paperShape(p, plate, steel(QPointF(0, 162), QPointF(0, 174)), lift * 0.5);
        p.fillRect(QRectF(26, 154, 40, 2), QColor(20, 20, 22));
    } else {
        // The grip stands open: the empty well where the magazine belongs.
        QPainterPath well;
        well.moveTo(30, 168);
        well.lineTo(32, 140);
        well.lineTo(60, 140);
        well.lineTo(62, 168);
        well.closeSubpath();
        p.fillPath(well, QColor(8, 8, 10));
        p.save();
        p.setPen(QPen(QColor(120, 126, 134), 1.5));
        p.setBrush(Qt::NoBrush);
        p.drawPath(well);
        p.restore();
    }
}

void magazine(QPainter& p, bool loaded, qreal lift) {
    const QPointF tl(78, 48);
    QTransform scaleUp;
    scaleUp.translate(tl.x(), tl.y());
    scaleUp.scale(1.3, 1.1);
    scaleUp.translate(-tl.x(), -tl.y());
    const QPainterPath m = scaleUp.map(magazineOutline(tl));
    paperShape(p, m, steel(QPointF(70, 0), QPointF(130, 0)), lift);
    p.fillRect(QRectF(84, 152, 44, 8), QColor(40, 42, 46));
    // Witness holes along the side.
    p.save();
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 6; ++i) {
        p.setBrush(loaded ? QColor(200, 150, 60) : QColor(20, 20, 22));
        p.drawEllipse(QPointF(96 + i * 1.6, 70 + i * 13), 3, 3);
    }
    p.restore();
    if (loaded) {
        QPainterPath top;
        top.addRoundedRect(QRectF(80, 34, 32, 16), 7, 7);
        p.fillPath(top, brass(QPointF(80, 34), QPointF(80, 50)));
        QPainterPath tip;
        tip.addEllipse(QRectF(100, 36, 18, 12));
        p.fillPath(tip, QColor(170, 100, 60));
    } else {
        p.fillRect(QRectF(82, 46, 32, 6), QColor(120, 124, 130));
    }
}

void cartridge(QPainter& p, QPointF base, qreal angle, qreal lift) {
    QTransform t;
    t.translate(base.x(), base.y());
    t.rotate(angle);
    QPainterPath casePath;
    casePath.addRoundedRect(QRectF(-9, -36, 18, 36), 2, 2);
    QPainterPath bullet;
    bullet.moveTo(-8, -36);
    bullet.cubicTo(-8, -52, 8, -52, 8, -36);
    bullet.closeSubpath();
    paperShape(p, t.map(casePath), brass(t.map(QPointF(-9, 0)), t.map(QPointF(9, 0))), lift);
    QLinearGradient copper(t.map(QPointF(-8, 0)), t.map(QPointF(8, 0)));
    copper.setColorAt(0, QColor(220, 140, 90));
    copper.setColorAt(1, QColor(140, 70, 40));
    p.fillPath(t.map(bullet), copper);
    p.save();
    p.setTransform(t, true);
    p.setPen(QPen(QColor(140, 100, 40), 1.5));
    p.drawLine(QPointF(-9, -5), QPointF(9, -5));
    p.restore();
}

void cartridges(QPainter& p, qreal lift) {
    const qreal angles[] = {-20, 5, 30, -8, 18};
    const QPointF bases[] = {{60, 130}, {100, 120}, {140, 140}, {80, 170}, {125, 178}};
    for (int i = 0; i < 5; ++i) cartridge(p, bases[i], angles[i], lift);
}

void notebook(QPainter& p, qreal lift) {
    // Open on its phone numbers.
    const QRectF left(16, 40, 84, 124);
    const QRectF right(100, 40, 84, 124);
    QPainterPath cover;
    cover.addRoundedRect(QRectF(10, 34, 180, 136), 6, 6);
    paperShape(p, cover, QColor(40, 40, 44), lift);
    for (const QRectF& page : {left, right}) {
        QPainterPath pg;
        pg.addRect(page);
        p.fillPath(pg, QColor(250, 248, 236));
        p.save();
        p.setPen(QPen(QColor(170, 200, 230), 0.8));
        for (qreal y = page.top() + 16; y < page.bottom(); y += 12) p.drawLine(QPointF(page.left() + 4, y), QPointF(page.right() - 4, y));
        p.restore();
    }
    p.fillRect(QRectF(98, 40, 4, 124), QColor(200, 196, 186));
    const QString lines[] = {QStringLiteral("Centrála"), QStringLiteral("602 418 355"), QStringLiteral("Policie"),
                             QStringLiteral("158"), QStringLiteral("Kontakt v kraji"), QStringLiteral("721 904 226")};
    for (int i = 0; i < 6; ++i)
        fittedText(p, QRectF(left.left() + 6, left.top() + 4 + i * 12 * 1.5, left.width() - 8, 14), lines[i],
                   i % 2 ? Face::Mono : Face::Serif, QColor(30, 40, 110), Qt::AlignLeft | Qt::AlignVCenter);
    fittedText(p, QRectF(right.left() + 6, right.top() + 6, right.width() - 10, 14), QStringLiteral("Mlýnotrhy:"), Face::Serif,
               QColor(30, 40, 110), Qt::AlignLeft | Qt::AlignVCenter);
    fittedText(p, QRectF(right.left() + 6, right.top() + 24, right.width() - 10, 14), QStringLiteral("inženýr – kde?"), Face::Serif,
               QColor(30, 40, 110), Qt::AlignLeft | Qt::AlignVCenter);
    p.fillRect(QRectF(176, 34, 6, 136), QColor(120, 30, 30));
}

void banknote(QPainter& p, QRectF r, int value, qreal angle, qreal lift) {
    QTransform t;
    t.translate(r.center().x(), r.center().y());
    t.rotate(angle);
    t.translate(-r.center().x(), -r.center().y());
    const QColor base = value == 100 ? QColor(150, 190, 170) : (value == 200 ? QColor(210, 170, 130) : QColor(190, 170, 210));
    QPainterPath note;
    note.addRect(r);
    paperShape(p, t.map(note), base, lift);
    p.save();
    p.setTransform(t, true);
    p.setPen(QPen(shade(base, 0.7), 1));
    p.setBrush(Qt::NoBrush);
    p.drawRect(r.adjusted(4, 4, -4, -4));
    p.setPen(Qt::NoPen);
    p.setBrush(shade(base, 0.85));
    p.drawEllipse(QPointF(r.left() + r.width() * 0.3, r.center().y()), r.height() * 0.3, r.height() * 0.34);
    fittedText(p, QRectF(r.right() - r.width() * 0.5, r.top() + 4, r.width() * 0.45, r.height() * 0.4), QString::number(value), Face::SerifBold,
               shade(base, 0.45));
    fittedText(p, QRectF(r.right() - r.width() * 0.6, r.bottom() - r.height() * 0.4, r.width() * 0.55, r.height() * 0.3),
               QStringLiteral("KORUN ČESKÝCH"), Face::Condensed, shade(base, 0.45));
    p.restore();
}

void coin(QPainter& p, QPointF c, qreal radius, int value, qreal lift) {
    QPainterPath disc;
    disc.addEllipse(c, radius, radius);
    QRadialGradient g(c - QPointF(radius * 0.3, radius * 0.3), radius * 1.4);
    const bool gold = value >= 20;
    g.setColorAt(0, gold ? QColor(250, 226, 140) : QColor(230, 232, 236));
    g.setColorAt(1, gold ? QColor(170, 130, 50) : QColor(130, 134, 140));
    paperShape(p, disc, g, lift * 0.6);
    p.save();
    p.setPen(QPen(gold ? QColor(150, 110, 40) : QColor(110, 114, 120), 1.2));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(c, radius * 0.82, radius * 0.82);
    p.restore();
    fittedText(p, QRectF(c.x() - radius * 0.7, c.y() - radius * 0.45, radius * 1.4, radius * 0.9), QString::number(value), Face::SansBold,
               gold ? QColor(120, 80, 20) : QColor(80, 84, 90));
}

void money(QPainter& p, Item which, qreal lift) {
    switch (which) {
        case Item::MoneyFull:
            banknote(p, QRectF(20, 50, 150, 76), 100, -8, lift);
            banknote(p, QRectF(34, 86, 150, 76), 100, 6, lift);
            break;
        case Item::MoneyAfterMap:
            banknote(p, QRectF(26, 60, 150, 76), 100, -5, lift);
            coin(p, QPointF(70, 160), 20, 50, lift);
            break;
        default:
            coin(p, QPointF(80, 110), 24, 10, lift);
            coin(p, QPointF(126, 120), 18, 5, lift);
            coin(p, QPointF(104, 152), 14, 1, lift);
            break;
    }
}

void villageMapFolded(QPainter& p, qreal lift) {
    const qreal xs[] = {20, 80, 140, 190};
    for (int i = 0; i < 3; ++i) {
        QPainterPath panel;
        panel.moveTo(xs[i], 40 + (i % 2) * 10);
        panel.lineTo(xs[i + 1], 40 + ((i + 1) % 2) * 10);
        panel.lineTo(xs[i + 1], 160 + ((i + 1) % 2) * 10);
        panel.lineTo(xs[i], 160 + (i % 2) * 10);
        panel.closeSubpath();
        paperShape(p, panel, i % 2 ? QColor(226, 214, 176) : QColor(238, 228, 196), lift);
    }
    p.save();
    p.setPen(QPen(QColor(200, 80, 60), 3));
    p.drawLine(QPointF(30, 140), QPointF(100, 90));
    p.drawLine(QPointF(100, 90), QPointF(170, 120));
    p.setPen(QPen(QColor(60, 120, 180), 4));
    p.drawLine(QPointF(40, 60), QPointF(180, 150));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(100, 150, 80));
    p.drawEllipse(QPointF(60, 100), 14, 10);
    p.restore();
    fittedText(p, QRectF(26, 44, 150, 18), QStringLiteral("MAPA OBCE"), Face::SansBold, pal::ink);
}

void nail(QPainter& p, qreal lift) {
    QPainterPath shaft;
    shaft.moveTo(40, 96);
    shaft.lineTo(166, 96);
    shaft.lineTo(186, 100);
    shaft.lineTo(166, 104);
    shaft.lineTo(40, 104);
    shaft.closeSubpath();
    QPainterPath head;
    head.addRoundedRect(QRectF(30, 84, 12, 32), 3, 3);
    QPainterPath whole = united(shaft.united(head));
    paperShape(p, whole, steel(QPointF(0, 84), QPointF(0, 116)), lift);
}

void hammer(QPainter& p, qreal lift) {
    QPainterPath handle;
    handle.addRoundedRect(QRectF(40, 92, 150, 18), 8, 8);
    QLinearGradient wood(0, 92, 0, 110);
    wood.setColorAt(0, QColor(210, 160, 100));
    wood.setColorAt(1, QColor(150, 100, 56));
    paperShape(p, handle, wood, lift);
    QPainterPath head;
    head.moveTo(20, 58);
    head.lineTo(60, 58);
    head.lineTo(60, 146);
    head.lineTo(20, 146);
    head.lineTo(24, 120);
    head.lineTo(14, 118);
    head.lineTo(14, 86);
    head.lineTo(24, 84);
    head.closeSubpath();
    paperShape(p, head, steel(QPointF(14, 0), QPointF(60, 0)), lift);
}

void fishingLine(QPainter& p, bool withNut, qreal lift) {
    // The spool.
    QPainterPath spool;
    spool.addEllipse(QPointF(80, 100), 56, 56);
    paperShape(p, spool, QColor(40, 120, 160), lift);
    QPainterPath wound;
    wound.addEllipse(QPointF(80, 100), 44, 44);
    QRadialGradient g(QPointF(70, 90), 50);
    g.setColorAt(0, QColor(236, 246, 250));
    g.setColorAt(1, QColor(170, 200, 214));
    p.fillPath(wound, g);
    p.save();
    p.setPen(QPen(QColor(255, 255, 255, 150), 1));
    p.setBrush(Qt::NoBrush);
    for (qreal r = 20; r < 44; r += 4) p.drawEllipse(QPointF(80, 100), r, r);
    p.restore();
    QPainterPath hub;
    hub.addEllipse(QPointF(80, 100), 16, 16);
    p.fillPath(hub, QColor(30, 90, 120));
    p.fillPath(QPainterPath(), Qt::NoBrush);
    QPainterPath hole;
    hole.addEllipse(QPointF(80, 100), 6, 6);
    p.fillPath(hole, QColor(20, 20, 24));
    // The free end of the line.
    QPainterPath end;
    end.moveTo(124, 100);
    end.cubicTo(160, 96, 150, 150, withNut ? 160 : 186, withNut ? 150 : 170);
    p.save();
    p.setPen(QPen(QColor(220, 236, 246), 2));
    p.setBrush(Qt::NoBrush);
    p.drawPath(end);
    p.restore();
    if (withNut) {
        const QPainterPath hex = hexagon(QPointF(162, 164), 20, 0);
        QPainterPath inner;
        inner.addEllipse(QPointF(162, 164), 9, 9);
        paperShape(p, hex.subtracted(inner), steel(QPointF(140, 144), QPointF(184, 184)), lift);
        p.save();
        p.setPen(QPen(QColor(220, 236, 246), 2));
        p.drawLine(QPointF(160, 150), QPointF(162, 157));
        p.restore();
    }
}

void wire(QPainter& p, qreal lift) {
    QPainterPath coil;
    for (int i = 0; i < 5; ++i) coil.addEllipse(QPointF(90 + i * 6, 100), 52 - i * 2, 40 - i * 2);
    p.save();
    QPen copper(QColor(200, 110, 50), 5);
    p.setPen(copper);
    p.setBrush(Qt::NoBrush);
    softShadow(p, stroke(coil, 5), QPointF(3 * lift, 4 * lift), 4 * lift + 1);
    p.drawPath(coil);
    p.setPen(QPen(QColor(250, 190, 130), 1.5));
    p.drawPath(coil.translated(-1, -1));
    p.restore();
    QPainterPath tail;
    tail.moveTo(140, 110);
    tail.cubicTo(170, 120, 160, 160, 190, 170);
    p.save();
    p.setPen(QPen(QColor(200, 110, 50), 5, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(tail);
    p.restore();
}

void rod(QPainter& p, qreal lift) {
    QPainterPath bar;
    bar.addRoundedRect(QRectF(-90, -9, 180, 18), 4, 4);
    QTransform t;
    t.translate(100, 100);
    t.rotate(-30);
    const QPainterPath placed = t.map(bar);
    QLinearGradient g(t.map(QPointF(0, -9)), t.map(QPointF(0, 9)));
    g.setColorAt(0, QColor(150, 120, 100));
    g.setColorAt(0.4, QColor(110, 84, 70));
    g.setColorAt(1, QColor(70, 50, 40));
    paperShape(p, placed, g, lift);
    p.save();
    p.setTransform(t, true);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(170, 90, 50, 120));
    p.drawEllipse(QPointF(-40, 0), 14, 6);
    p.drawEllipse(QPointF(50, 2), 10, 5);
    p.restore();
}

void nut(QPainter& p, qreal lift) {
    const QPainterPath hex = hexagon(QPointF(100, 100), 70, 0.26);
    QPainterPath hole;
    hole.addEllipse(QPointF(100, 100), 32, 32);
    paperShape(p, hex.subtracted(hole), steel(QPointF(40, 40), QPointF(160, 160)), lift);
    p.save();
    p.setPen(QPen(QColor(90, 96, 104), 2));
    p.setBrush(Qt::NoBrush);
    for (qreal r = 34; r < 42; r += 3) p.drawEllipse(QPointF(100, 100), r, r);
    p.restore();
}

void newspaper(QPainter& p, qreal lift) {
    const QRectF page(8, 4, 184, 192);
    QPainterPath paper;
    paper.addRect(page);
    paperShape(p, paper, QColor(244, 240, 226), lift);
    fittedText(p, QRectF(page.left() + 6, page.top() + 4, page.width() - 12, 22), QStringLiteral("DENNÍ HLASATEL"), Face::SerifBold, pal::ink);
    p.fillRect(QRectF(page.left() + 6, page.top() + 28, page.width() - 12, 1.5), pal::ink);
    fittedText(p, QRectF(page.left() + 6, page.top() + 29, page.width() - 12, 8), QStringLiteral("úterý 19. srpna 2003  ·  cena 10 Kč"),
               Face::Condensed, QColor(80, 80, 80));
    p.fillRect(QRectF(page.left() + 6, page.top() + 38, page.width() - 12, 0.8), pal::ink);
    fittedText(p, QRectF(page.left() + 6, page.top() + 42, page.width() - 12, 20), QStringLiteral("ŠTRÚDL VYBUCHL NA STOLE!"), Face::SerifBold,
               pal::signRed);
    fittedText(p, QRectF(page.left() + 6, page.top() + 62, page.width() - 12, 11),
               QStringLiteral("Jablečný závin z obchodu zabil muže při svačině"), Face::Serif, pal::ink);
    // The front-page photograph, in newsprint grey: a burst strudel on a plate, crumbs flying.
    const QRectF photo(page.left() + 8, page.top() + 78, 80, 52);
    p.fillRect(photo, QColor(196, 192, 184));
    p.save();
    p.setClipRect(photo, Qt::IntersectClip);
    p.fillRect(QRectF(photo.left(), photo.top() + 34, photo.width(), 18), QColor(120, 112, 104));
    QPainterPath plate;
    plate.addEllipse(QRectF(photo.left() + 16, photo.top() + 30, 48, 12));
    p.fillPath(plate, QColor(230, 228, 222));
    QPainterPath burst;
    for (int i = 0; i < 14; ++i) {
        const qreal a = i * 3.14159265 / 7;
        const qreal r = i % 2 ? 9.0 : 20.0;
        const QPointF pt(photo.left() + 40 + std::cos(a) * r, photo.top() + 24 + std::sin(a) * r * 0.8);
        if (i == 0) burst.moveTo(pt); else burst.lineTo(pt);
    }
    burst.closeSubpath();
    p.fillPath(burst, QColor(250, 248, 240));
    QPainterPath strudel;
    strudel.addRoundedRect(QRectF(photo.left() + 26, photo.top() + 28, 28, 9), 4, 4);
    p.fillPath(strudel, QColor(150, 130, 100));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(110, 96, 80));
    for (int i = 0; i < 7; ++i) p.drawEllipse(QPointF(photo.left() + 10 + i * 10, photo.top() + 8 + (i % 3) * 5), 1.6, 1.6);
    p.restore();
    fittedText(p, QRectF(photo.left(), photo.bottom() + 1, photo.width(), 6), QStringLiteral("Zbytky závinu po výbuchu"), Face::Condensed,
               QColor(80, 80, 80));
    p.save();
    p.setPen(QPen(QColor(100, 100, 100), 0.7));
    for (qreal y = page.top() + 80; y < page.top() + 132; y += 5) p.drawLine(QPointF(page.left() + 94, y), QPointF(page.right() - 8, y));
    p.restore();
    p.fillRect(QRectF(page.left() + 6, page.top() + 138, page.width() - 12, 0.8), pal::ink);
    fittedText(p, QRectF(page.left() + 6, page.top() + 141, page.width() - 12, 17), QStringLiteral("Žena otrávena jablečnou šťávou"), Face::SerifBold,
               pal::ink);
    fittedText(p, QRectF(page.left() + 6, page.top() + 158, page.width() - 12, 10),
               QStringLiteral("Po sklence džusu zemřela v nemocnici, policie pátrá"), Face::Serif, pal::ink);
    p.save();
    p.setPen(QPen(QColor(100, 100, 100), 0.7));
    for (qreal y = page.top() + 172; y < page.bottom() - 4; y += 5) p.drawLine(QPointF(page.left() + 8, y), QPointF(page.right() - 8, y));
    p.restore();
}

void phone(QPainter& p, qreal lift) {
    QPainterPath body;
    body.addRoundedRect(QRectF(62, 20, 76, 170), 22, 22);
    QPainterPath antenna;
    antenna.addRoundedRect(QRectF(116, 4, 12, 24), 5, 5);
    QLinearGradient g(62, 0, 138, 0);
    g.setColorAt(0, QColor(80, 90, 110));
    g.setColorAt(0.5, QColor(130, 140, 160));
    g.setColorAt(1, QColor(60, 66, 80));
    paperShape(p, united(body.united(antenna)), g, lift);
    const QRectF screen(76, 44, 48, 40);
    p.fillRect(screen.adjusted(-3, -3, 3, 3), QColor(30, 34, 40));
    p.fillRect(screen, QColor(160, 190, 120));
    fittedText(p, QRectF(screen.left(), screen.top() + 2, screen.width(), 14), QStringLiteral("12:05"), Face::Mono, QColor(30, 50, 20));
    p.save();
    p.setPen(QPen(QColor(30, 50, 20), 1.5));
    for (int i = 0; i < 4; ++i) p.drawLine(QPointF(screen.left() + 4 + i * 4, screen.bottom() - 4), QPointF(screen.left() + 4 + i * 4, screen.bottom() - 6 - i * 3));
    p.restore();
    for (int i = 0; i < 12; ++i) {
        QPainterPath key;
        key.addRoundedRect(QRectF(76 + (i % 3) * 17, 104 + (i / 3) * 18, 14, 12), 4, 4);
        p.fillPath(key, QColor(220, 224, 230));
    }
    QPainterPath nav;
    nav.addRoundedRect(QRectF(84, 88, 32, 12), 6, 6);
    p.fillPath(nav, QColor(200, 206, 214));
}

}  // namespace

void drawItem(QPainter& p, Item item, const QRectF& box, qreal lift) {
    const qreal side = std::min(box.width(), box.height());
    const qreal scale = side / 200.0;
    p.save();
    p.translate(box.center().x() - side / 2, box.center().y() - side / 2);
    p.scale(scale, scale);
    const qreal l = lift / std::max(0.2, scale);
    switch (item) {
        case Item::ServiceCard: serviceCard(p, l); break;
        case Item::CreditCard: creditCard(p, l); break;
        case Item::Gun: gun(p, true, l); break;
        case Item::GunWithoutMagazine: gun(p, false, l); break;
        case Item::Magazine: magazine(p, true, l); break;
        case Item::EmptyMagazine: magazine(p, false, l); break;
        case Item::Cartridges: cartridges(p, l); break;
        case Item::Notebook: notebook(p, l); break;
        case Item::MoneyFull:
        case Item::MoneyAfterMap:
        case Item::MoneyLast: money(p, item, l); break;
        case Item::Map: villageMapFolded(p, l); break;
        case Item::Nail: nail(p, l); break;
        case Item::Hammer: hammer(p, l); break;
        case Item::FishingLine: fishingLine(p, false, l); break;
        case Item::LineWithNut: fishingLine(p, true, l); break;
        case Item::Wire: wire(p, l); break;
        case Item::Rod: rod(p, l); break;
        case Item::Nut: nut(p, l); break;
        case Item::Newspaper: newspaper(p, l); break;
        case Item::Phone: phone(p, l); break;
    }
    p.restore();
}

}  // namespace artgen
