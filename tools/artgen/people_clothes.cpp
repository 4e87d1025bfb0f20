// Drawing a person's clothes over the trunk: the cut of each outfit and its details.
#include "canvas.hpp"
#include "person_parts.hpp"

#include <QTransform>

#include <algorithm>

namespace artgen::figure {

namespace {

QPainterPath torsoPath(const Character& who, const Body& b, qreal bottomY) {
    const qreal sw = b.shoulderHalf;
    const qreal hw = b.hipHalf;
    QPainterPath t;
    t.moveTo(b.cx - sw, b.shoulderY + b.h * 0.04);
    t.quadTo(b.cx - sw, b.shoulderY, b.cx - sw * 0.7, b.shoulderY - b.h * 0.004);
    t.lineTo(b.cx + sw * 0.7, b.shoulderY - b.h * 0.004);
    t.quadTo(b.cx + sw, b.shoulderY, b.cx + sw, b.shoulderY + b.h * 0.04);
    const bool belly = who.build == Build::Stout || who.build == Build::Big;
    const qreal bulge = belly ? sw * 1.16 : sw * 0.98;
    t.quadTo(b.cx + bulge, b.top + 0.42 * b.h, b.cx + hw, b.hipY);
    if (bottomY > b.hipY) t.lineTo(b.cx + hw * 1.18, bottomY);
    if (bottomY > b.hipY) t.lineTo(b.cx - hw * 1.18, bottomY);
    t.lineTo(b.cx - hw, b.hipY);
    t.quadTo(b.cx - bulge, b.top + 0.42 * b.h, b.cx - sw, b.shoulderY + b.h * 0.04);
    t.closeSubpath();
    return t;
}

// Where the clothes end and their colour.
struct TorsoCut {
    qreal bottom;
    QColor colour;
};

TorsoCut torsoCut(const Character& who, const Body& b) {
    qreal bottom = b.hipY + b.h * 0.02;
    QColor colour = who.outer;
    switch (who.outfit) {
        case Outfit::TrenchCoat: bottom = b.top + 0.78 * b.h; break;
        case Outfit::ShopCoat: bottom = b.top + 0.74 * b.h; break;
        case Outfit::Rags: bottom = b.top + 0.72 * b.h; break;
        case Outfit::Suit:
        case Outfit::LeatherJacket: bottom = b.hipY + b.h * 0.05; break;
        case Outfit::ShirtAndApron:
        case Outfit::Shirt: colour = who.shirt; break;
        case Outfit::Blouse: bottom = b.hipY + b.h * 0.01; break;
        case Outfit::Overalls: break;
    }
    return {bottom, colour};
}

// The front of the clothes, drawn clipped to the torso.
struct TorsoFront {
    QPainter& p;
    const Character& who;
    const Body& b;
    QColor colour;
    qreal collarY;
    qreal bottom;

    // The opening at the neck, showing what is underneath.
    void vNeck(qreal depth, QColor inner) const {
        QPainterPath v;
        v.moveTo(b.cx - b.shoulderHalf * 0.38, collarY - b.h * 0.01);
        v.lineTo(b.cx + b.shoulderHalf * 0.38, collarY - b.h * 0.01);
        v.lineTo(b.cx, collarY + depth);
        v.closeSubpath();
        p.fillPath(v, inner);
    }

    void tie(qreal length) const {
        QPainterPath t;
        t.moveTo(b.cx - b.h * 0.01, collarY + b.h * 0.005);
        t.lineTo(b.cx + b.h * 0.01, collarY + b.h * 0.005);
        t.lineTo(b.cx + b.h * 0.016, collarY + length - b.h * 0.02);
        t.lineTo(b.cx, collarY + length);
        t.lineTo(b.cx - b.h * 0.016, collarY + length - b.h * 0.02);
        t.closeSubpath();
        p.fillPath(t, who.accent);
    }

    // One outfit's front each.
    void trenchCoat() const;
    void suit() const;
    void overalls() const;
    void shirtAndApron() const;
    void blouse() const;
    void shopCoat() const;
    void rags() const;
    void leatherJacket() const;
    void shirt() const;
    void draw() const;
};

// The coat: lapels, belt and buttons down to the hem.
void TorsoFront::trenchCoat() const {
    vNeck(b.h * 0.12, who.shirt);
    if (who.tie) tie(b.h * 0.11);
    // Lapels, belt and buttons.
    QPainterPath lapel;
    lapel.moveTo(b.cx - b.shoulderHalf * 0.42, collarY - b.h * 0.01);
    lapel.lineTo(b.cx - b.shoulderHalf * 0.05, collarY + b.h * 0.13);
    lapel.lineTo(b.cx - b.shoulderHalf * 0.5, collarY + b.h * 0.06);
    lapel.closeSubpath();
    p.fillPath(lapel, shade(colour, 0.82));
    QTransform m;
    m.translate(2 * b.cx, 0);
    m.scale(-1, 1);
    p.fillPath(m.map(lapel), shade(colour, 0.82));
    p.fillRect(QRectF(b.cx - b.shoulderHalf * 1.3, b.top + 0.47 * b.h, b.shoulderHalf * 2.6, b.h * 0.03), shade(colour, 0.72));
    p.fillRect(QRectF(b.cx - b.h * 0.015, b.top + 0.465 * b.h, b.h * 0.03, b.h * 0.04), QColor(180, 150, 80));
    p.setPen(QPen(shade(colour, 0.7), std::max(1.0, b.h * 0.004)));
    p.drawLine(QPointF(b.cx + b.h * 0.01, b.top + 0.5 * b.h), QPointF(b.cx + b.h * 0.02, bottom));
}

// The jacket over shirt and tie.
void TorsoFront::suit() const {
    vNeck(b.h * 0.16, who.shirt);
    if (who.tie) tie(b.h * 0.15);
    p.setPen(QPen(shade(colour, 0.65), std::max(1.0, b.h * 0.005)));
    p.drawLine(QPointF(b.cx - b.shoulderHalf * 0.38, collarY), QPointF(b.cx - b.h * 0.01, collarY + b.h * 0.17));
    p.drawLine(QPointF(b.cx + b.shoulderHalf * 0.38, collarY), QPointF(b.cx + b.h * 0.01, collarY + b.h * 0.17));
    p.setBrush(shade(colour, 0.6));
    p.setPen(Qt::NoPen);
    for (qreal y : {0.4, 0.46}) p.drawEllipse(QPointF(b.cx + b.h * 0.012, b.top + y * b.h), b.h * 0.007, b.h * 0.007);
}

// The bib, its straps and the pocket.
void TorsoFront::overalls() const {
    p.fillRect(QRectF(b.cx - b.shoulderHalf, b.shoulderY - b.h * 0.01, b.shoulderHalf * 2, b.h * 0.1), who.shirt);
    QPainterPath bib;
    bib.addRoundedRect(QRectF(b.cx - b.shoulderHalf * 0.55, b.shoulderY + b.h * 0.06, b.shoulderHalf * 1.1, b.h * 0.14), 3, 3);
    p.fillPath(bib, shade(colour, 1.05));
    p.setPen(QPen(shade(colour, 0.8), b.h * 0.022));
    p.drawLine(QPointF(b.cx - b.shoulderHalf * 0.45, b.shoulderY + b.h * 0.07), QPointF(b.cx - b.shoulderHalf * 0.6, b.shoulderY));
    p.drawLine(QPointF(b.cx + b.shoulderHalf * 0.45, b.shoulderY + b.h * 0.07), QPointF(b.cx + b.shoulderHalf * 0.6, b.shoulderY));
    p.fillRect(QRectF(b.cx - b.shoulderHalf * 0.25, b.shoulderY + b.h * 0.1, b.shoulderHalf * 0.5, b.h * 0.04), shade(colour, 0.85));
    if (who.accent.isValid()) p.fillRect(QRectF(b.cx - b.shoulderHalf * 0.18, b.shoulderY + b.h * 0.105, b.shoulderHalf * 0.36, b.h * 0.028), who.accent);
}

// The innkeeper's apron.
void TorsoFront::shirtAndApron() const {
    vNeck(b.h * 0.05, who.skin);
    QPainterPath apron;
    apron.addRoundedRect(QRectF(b.cx - b.hipHalf * 1.05, b.shoulderY + b.h * 0.1, b.hipHalf * 2.1, b.h * 0.6), 4, 4);
    p.fillPath(apron, who.accent);
    p.setPen(QPen(shade(who.accent, 0.8), b.h * 0.008));
    p.drawLine(QPointF(b.cx - b.hipHalf * 1.1, b.hipY - b.h * 0.05), QPointF(b.cx + b.hipHalf * 1.1, b.hipY - b.h * 0.05));
}

// Buttons and a brooch.
void TorsoFront::blouse() const {
    vNeck(b.h * 0.06, who.skin);
    p.setPen(QPen(shade(colour, 0.75), std::max(1.0, b.h * 0.004)));
    p.drawLine(QPointF(b.cx, b.shoulderY + b.h * 0.06), QPointF(b.cx, b.hipY));
    p.setPen(Qt::NoPen);
    p.setBrush(who.accent);
    p.drawEllipse(QPointF(b.cx, b.shoulderY + b.h * 0.02), b.h * 0.012, b.h * 0.012);
}

// Buttons and a pen in the breast pocket.
void TorsoFront::shopCoat() const {
    vNeck(b.h * 0.08, who.shirt);
    p.setPen(Qt::NoPen);
    p.setBrush(shade(colour, 0.7));
    for (qreal y : {0.32, 0.42, 0.52, 0.62}) p.drawEllipse(QPointF(b.cx + b.h * 0.01, b.top + y * b.h), b.h * 0.007, b.h * 0.007);
    p.fillRect(QRectF(b.cx + b.shoulderHalf * 0.3, b.top + 0.3 * b.h, b.shoulderHalf * 0.4, b.h * 0.05), shade(colour, 0.85));
    p.fillRect(QRectF(b.cx + b.shoulderHalf * 0.33, b.top + 0.29 * b.h, b.h * 0.006, b.h * 0.035), QColor(30, 30, 140));
}

// Patches and a torn hem.
void TorsoFront::rags() const {
    vNeck(b.h * 0.1, who.shirt);
    p.setPen(Qt::NoPen);
    p.fillRect(QRectF(b.cx - b.shoulderHalf * 0.8, b.top + 0.4 * b.h, b.shoulderHalf * 0.4, b.h * 0.06), shade(who.accent, 0.9));
    p.fillRect(QRectF(b.cx + b.shoulderHalf * 0.3, b.top + 0.58 * b.h, b.shoulderHalf * 0.5, b.h * 0.05), QColor(140, 130, 90));
    // A torn hem.
    QPainterPath teeth;
    for (int i = 0; i < 8; ++i) {
        const qreal x = b.cx - b.hipHalf * 1.2 + i * b.hipHalf * 0.3;
        teeth.moveTo(x, bottom + 1);
        teeth.lineTo(x + b.hipHalf * 0.15, bottom - b.h * 0.03);
        teeth.lineTo(x + b.hipHalf * 0.3, bottom + 1);
    }
    p.fillPath(teeth, shade(who.outer, 0.62));
}

// The zip and a shine on the leather.
void TorsoFront::leatherJacket() const {
    vNeck(b.h * 0.08, who.shirt);
    p.setPen(QPen(QColor(150, 150, 150), std::max(1.0, b.h * 0.004)));
    p.drawLine(QPointF(b.cx + b.h * 0.02, b.shoulderY + b.h * 0.08), QPointF(b.cx + b.h * 0.02, b.hipY + b.h * 0.05));
    QPainterPath shine;
    shine.addEllipse(QPointF(b.cx - b.shoulderHalf * 0.55, b.shoulderY + b.h * 0.12), b.shoulderHalf * 0.15, b.h * 0.06);
    p.fillPath(shine, QColor(255, 255, 255, 40));
}

// Checks or stripes, and a belt.
void TorsoFront::shirt() const {
    vNeck(b.h * 0.05, who.skin);
    if (who.accent.isValid() && who.outer == who.shirt) {
        // Checks or stripes, in the accent colour.
        p.setPen(QPen(withAlpha(who.accent, 150), std::max(1.0, b.h * 0.008)));
        for (qreal x = b.cx - b.shoulderHalf * 1.2; x < b.cx + b.shoulderHalf * 1.2; x += b.h * 0.03)
            p.drawLine(QPointF(x, b.shoulderY), QPointF(x, b.hipY + b.h * 0.03));
        if (who.build == Build::Stout)
            for (qreal y = b.shoulderY + b.h * 0.02; y < b.hipY; y += b.h * 0.03)
                p.drawLine(QPointF(b.cx - b.shoulderHalf * 1.3, y), QPointF(b.cx + b.shoulderHalf * 1.3, y));
    }
    p.fillRect(QRectF(b.cx - b.hipHalf * 1.1, b.hipY - b.h * 0.015, b.hipHalf * 2.2, b.h * 0.02), QColor(60, 40, 30));
}

void TorsoFront::draw() const {
    switch (who.outfit) {
        case Outfit::TrenchCoat: trenchCoat(); break;
        case Outfit::Suit: suit(); break;
        case Outfit::Overalls: overalls(); break;
        case Outfit::ShirtAndApron: shirtAndApron(); break;
        case Outfit::Blouse: blouse(); break;
        case Outfit::ShopCoat: shopCoat(); break;
        case Outfit::Rags: rags(); break;
        case Outfit::LeatherJacket: leatherJacket(); break;
        case Outfit::Shirt: shirt(); break;
    }
}

// The mayor's tricolour sash.
void drawSash(QPainter& p, const Body& b) {
    // White, red and blue, from the right shoulder down to the left hip.
    const QColor stripes[] = {QColor(246, 246, 246), QColor(206, 30, 40), QColor(20, 60, 150)};
    const qreal w = b.h * 0.014;
    for (int i = 0; i < 3; ++i) {
        QPainterPath band;
        const qreal off = (i - 1) * w;
        band.moveTo(b.cx + b.shoulderHalf * 0.8 + off, b.shoulderY - b.h * 0.01);
        band.lineTo(b.cx + b.shoulderHalf * 0.8 + off + w, b.shoulderY - b.h * 0.01);
        band.lineTo(b.cx - b.hipHalf * 1.1 + off + w, b.hipY + b.h * 0.02);
        band.lineTo(b.cx - b.hipHalf * 1.1 + off, b.hipY + b.h * 0.02);
        band.closeSubpath();
        p.fillPath(band, stripes[i]);
    }
}

}  // namespace

void drawTorso(QPainter& p, const Character& who, const Body& b, const Pose& pose, qreal lift) {
    const auto [bottom, colour] = torsoCut(who, b);
    if (who.female && who.outfit == Outfit::Blouse) {
        // The skirt under the blouse.
        QPainterPath skirt;
        skirt.moveTo(b.cx - b.hipHalf, b.hipY - b.h * 0.02);
        skirt.lineTo(b.cx + b.hipHalf, b.hipY - b.h * 0.02);
        skirt.lineTo(b.cx + b.hipHalf * 1.3, b.top + 0.76 * b.h);
        skirt.lineTo(b.cx - b.hipHalf * 1.3, b.top + 0.76 * b.h);
        skirt.closeSubpath();
        part(p, skirt, who.trousers, lift);
    }
    const QPainterPath torso = torsoPath(who, b, bottom);
    part(p, torso, colour, lift);
    p.save();
    p.setClipPath(torso, Qt::IntersectClip);
    const qreal collarY = b.shoulderY;
    if (pose.back) {
        if (who.outfit == Outfit::TrenchCoat) {
            p.fillRect(QRectF(b.cx - b.hipHalf * 1.2, b.top + 0.47 * b.h, b.hipHalf * 2.4, b.h * 0.03), shade(colour, 0.75));
            p.setPen(QPen(shade(colour, 0.7), b.h * 0.004));
            p.drawLine(QPointF(b.cx, b.top + 0.55 * b.h), QPointF(b.cx, bottom));
        }
        p.restore();
        return;
    }
    TorsoFront{.p = p, .who = who, .b = b, .colour = colour, .collarY = collarY, .bottom = bottom}.draw();
    if (who.sash) drawSash(p, b);
    p.restore();
}

}  // namespace artgen::figure
