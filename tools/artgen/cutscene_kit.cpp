// Cars, signs, the television, the helicopter and titles for the story pictures.
#include "cutscene_kit.hpp"

#include "palette.hpp"
#include "scenery.hpp"
#include "text.hpp"

#include <QLinearGradient>

namespace artgen {

namespace {

void wheel(QPainter& p, QPointF c, qreal r) {
    QPainterPath tyre;
    tyre.addEllipse(c, r, r);
    paperShape(p, tyre, QColor(30, 30, 32), 0.6);
    QPainterPath rim;
    rim.addEllipse(c, r * 0.55, r * 0.55);
    p.fillPath(rim, QColor(180, 184, 190));
}

}  // namespace

void agentsCar(QPainter& p, qreal x, qreal ground, qreal length, bool facingRight) {
    p.save();
    p.translate(x, ground);
    if (!facingRight) p.scale(-1, 1);
    const qreal L = length;
    QPainterPath body;
    body.moveTo(-L * 0.5, -L * 0.1);
    body.lineTo(-L * 0.5, -L * 0.2);
    body.lineTo(-L * 0.3, -L * 0.22);
    body.lineTo(-L * 0.18, -L * 0.36);
    body.lineTo(L * 0.16, -L * 0.36);
    body.lineTo(L * 0.3, -L * 0.23);
    body.lineTo(L * 0.5, -L * 0.2);
    body.lineTo(L * 0.5, -L * 0.1);
    body.closeSubpath();
    QLinearGradient g(0, -L * 0.36, 0, -L * 0.08);
    g.setColorAt(0, QColor(60, 110, 90));
    g.setColorAt(1, QColor(30, 66, 54));
    paperShape(p, body, g, L / 200);
    QPainterPath glassPath;
    glassPath.moveTo(-L * 0.15, -L * 0.33);
    glassPath.lineTo(L * 0.14, -L * 0.33);
    glassPath.lineTo(L * 0.25, -L * 0.23);
    glassPath.lineTo(-L * 0.26, -L * 0.23);
    glassPath.closeSubpath();
    p.fillPath(glassPath, QColor(170, 200, 214));
    p.fillRect(QRectF(-L * 0.005, -L * 0.33, L * 0.02, L * 0.1), QColor(30, 66, 54));
    p.fillRect(QRectF(L * 0.44, -L * 0.19, L * 0.06, L * 0.04), QColor(250, 240, 200));
    p.fillRect(QRectF(-L * 0.5, -L * 0.19, L * 0.04, L * 0.04), QColor(220, 60, 50));
    wheel(p, QPointF(-L * 0.3, -L * 0.08), L * 0.09);
    wheel(p, QPointF(L * 0.3, -L * 0.08), L * 0.09);
    p.restore();
}

void agencyVan(QPainter& p, qreal x, qreal ground, qreal length, bool lightOn) {
    p.save();
    p.translate(x, ground);
    const qreal L = length;
    QPainterPath body;
    body.addRoundedRect(QRectF(-L * 0.5, -L * 0.45, L, L * 0.37), L * 0.04, L * 0.04);
    paperShape(p, body, QColor(40, 46, 56), L / 200);
    p.fillRect(QRectF(L * 0.22, -L * 0.4, L * 0.24, L * 0.12), QColor(150, 180, 200));
    p.fillRect(QRectF(-L * 0.5, -L * 0.22, L, L * 0.03), QColor(230, 200, 60));
    fittedText(p, QRectF(-L * 0.42, -L * 0.38, L * 0.6, L * 0.12), QStringLiteral("TAJNÁ SLUŽBA"), Face::SansBold, QColor(230, 200, 60));
    if (lightOn) glow(p, QPointF(0, -L * 0.5), L * 0.3, QColor(80, 140, 255, 170));
    p.fillRect(QRectF(-L * 0.06, -L * 0.52, L * 0.12, L * 0.07), QColor(60, 120, 255));
    wheel(p, QPointF(-L * 0.3, -L * 0.08), L * 0.09);
    wheel(p, QPointF(L * 0.3, -L * 0.08), L * 0.09);
    p.restore();
}

void villageSign(QPainter& p, const QRectF& board, const QString& name, bool leaving) {
    QPainterPath posts;
    posts.addRect(QRectF(board.left() + board.width() * 0.15, board.bottom(), 6, board.height() * 1.6));
    posts.addRect(QRectF(board.right() - board.width() * 0.15 - 6, board.bottom(), 6, board.height() * 1.6));
    paperShape(p, posts, QColor(150, 154, 160), 0.8);
    QPainterPath plate;
    plate.addRect(board);
    paperShape(p, plate, QColor(250, 250, 248), 1.2);
    p.save();
    p.setPen(QPen(pal::ink, board.height() * 0.06));
    p.setBrush(Qt::NoBrush);
    p.drawRect(board.adjusted(board.height() * 0.1, board.height() * 0.1, -board.height() * 0.1, -board.height() * 0.1));
    p.restore();
    fittedText(p, board.adjusted(board.height() * 0.2, board.height() * 0.15, -board.height() * 0.2, -board.height() * 0.15), name,
               Face::CondensedBold, pal::ink);
    if (leaving) {
        p.save();
        p.setPen(QPen(QColor(210, 30, 30), board.height() * 0.12, Qt::SolidLine, Qt::FlatCap));
        p.drawLine(board.bottomLeft() + QPointF(board.height() * 0.2, -board.height() * 0.15),
                   board.topRight() + QPointF(-board.height() * 0.2, board.height() * 0.15));
        p.restore();
    }
}

void televisionSet(QPainter& p, const QRectF& body, QRectF* screen) {
    QPainterPath cabinet;
    cabinet.addRoundedRect(body, 18, 18);
    QLinearGradient g(body.topLeft(), body.bottomLeft());
    g.setColorAt(0, QColor(110, 80, 56));
    g.setColorAt(1, QColor(70, 48, 32));
    paperShape(p, cabinet, g, 2.0);
    const QRectF inner(body.left() + body.width() * 0.05, body.top() + body.height() * 0.07, body.width() * 0.74, body.height() * 0.86);
    QPainterPath bezel;
    bezel.addRoundedRect(inner, 26, 26);
    p.fillPath(bezel, QColor(20, 20, 22));
    *screen = inner.adjusted(14, 14, -14, -14);
    for (int i = 0; i < 3; ++i) {
        QPainterPath knob;
        knob.addEllipse(QPointF(body.right() - body.width() * 0.1, body.top() + body.height() * (0.2 + i * 0.18)), 14, 14);
        paperShape(p, knob, QColor(200, 190, 170), 0.6);
    }
    p.save();
    p.setPen(QPen(QColor(50, 36, 24), 2));
    for (int i = 0; i < 6; ++i) {
        const qreal y = body.top() + body.height() * 0.72 + i * 8;
        p.drawLine(QPointF(body.right() - body.width() * 0.17, y), QPointF(body.right() - body.width() * 0.04, y));
    }
    p.restore();
}

void helicopter(QPainter& p, QPointF c, qreal L) {
    QPainterPath body;
    body.addEllipse(QRectF(c.x() - L * 0.3, c.y() - L * 0.14, L * 0.5, L * 0.28));
    body.addRect(QRectF(c.x() + L * 0.1, c.y() - L * 0.04, L * 0.45, L * 0.07));
    paperShape(p, united(body), QColor(40, 46, 56), 1.0);
    QPainterPath bubble;
    bubble.addEllipse(QRectF(c.x() - L * 0.28, c.y() - L * 0.1, L * 0.2, L * 0.14));
    p.fillPath(bubble, QColor(150, 190, 214));
    p.fillRect(QRectF(c.x() - L * 0.4, c.y() - L * 0.2, L * 0.8, L * 0.02), QColor(30, 30, 30));
    p.fillRect(QRectF(c.x() - L * 0.2, c.y() + L * 0.17, L * 0.4, L * 0.02), QColor(30, 30, 30));
    p.fillRect(QRectF(c.x() + L * 0.52, c.y() - L * 0.1, L * 0.02, L * 0.16), QColor(30, 30, 30));
}

void title(QPainter& p, const QRectF& box, const QString& text, QColor colour, Face face) {
    fittedText(p, box.translated(3, 4), text, face, QColor(0, 0, 0, 110));
    fittedText(p, box, text, face, colour);
}

}  // namespace artgen
