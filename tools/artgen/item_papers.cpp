// Drawing the cards, the notebook, the money, the folded map and the newspaper.
#include "canvas.hpp"
#include "item_parts.hpp"
#include "palette.hpp"
#include "people.hpp"
#include "text.hpp"

#include <cmath>

namespace artgen::itemart {

namespace {

void cardBase(QPainter& p, QRectF r, const QBrush& fill, qreal lift) {
    QPainterPath card;
    card.addRoundedRect(r, 8, 8);
    paperShape(p, card, fill, lift);
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

}  // namespace

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

}  // namespace artgen::itemart
