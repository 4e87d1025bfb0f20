#include "newscast.hpp"

#include "canvas.hpp"
#include "cutscene_kit.hpp"
#include "text.hpp"

#include <QLinearGradient>
#include <QPainterPath>

namespace artgen {

void newscast(QPainter& p, const Newscast& news) {
    // A dark living room, lit by the screen.
    p.fillRect(QRectF(0, 0, 800, 600), QColor(40, 36, 44));
    glow(p, QPointF(400, 300), 420, QColor(120, 160, 220, 80));
    QRectF screen;
    televisionSet(p, QRectF(70, 40, 660, 500), &screen);
    QLinearGradient studio(screen.topLeft(), screen.bottomLeft());
    studio.setColorAt(0, QColor(30, 60, 120));
    studio.setColorAt(1, QColor(10, 30, 70));
    p.fillRect(screen, studio);
    p.save();
    p.setClipRect(screen);
    drawPerson(p, cast::newsreader(), QRectF(screen.left() + 40, screen.top() + 40, 200, 620),
               Pose{.leftArm = 18, .rightArm = 18, .leftElbow = 62, .rightElbow = 62, .smile = news.readerSmiles});
    const QRectF photo(screen.right() - 190, screen.top() + 40, 150, 180);
    QPainterPath frame;
    frame.addRect(photo.adjusted(-6, -6, 6, 6));
    paperShape(p, frame, QColor(240, 240, 240), 0.6);
    p.fillRect(photo, QColor(170, 180, 190));
    drawPortrait(p, news.pictured, photo, news.pictureMood);
    // Caption bar and the channel mark.
    p.fillRect(QRectF(screen.left(), screen.bottom() - 80, screen.width(), 56), QColor(200, 30, 40));
    fittedText(p, QRectF(screen.left() + 20, screen.bottom() - 78, screen.width() - 40, 34), news.headline, Face::SansBold,
               QColor(255, 255, 255), Qt::AlignLeft | Qt::AlignVCenter);
    fittedText(p, QRectF(screen.left() + 20, screen.bottom() - 46, screen.width() - 40, 20), news.subline, Face::Sans,
               QColor(255, 230, 230), Qt::AlignLeft | Qt::AlignVCenter);
    fittedText(p, QRectF(screen.left() + 14, screen.top() + 10, 110, 26), QStringLiteral("ZPRÁVY"), Face::SansBold,
               QColor(255, 255, 255));
    p.restore();
    // The glass of the screen.
    QPainterPath shine;
    shine.moveTo(screen.left(), screen.top());
    shine.lineTo(screen.left() + screen.width() * 0.4, screen.top());
    shine.lineTo(screen.left(), screen.top() + screen.height() * 0.5);
    shine.closeSubpath();
    p.fillPath(shine, QColor(255, 255, 255, 25));
}

}  // namespace artgen
