// Props of the story pictures: the agent's car, the village sign, a television set, a helicopter.
#pragma once

#include "canvas.hpp"
#include "text.hpp"

#include <QRectF>
#include <QString>

namespace artgen {

// The agent's dark green saloon in side view, standing on `ground` with its centre at x.
void agentsCar(QPainter& p, qreal x, qreal ground, qreal length, bool facingRight = true);
// A dark van of the agency with a blue light.
void agencyVan(QPainter& p, qreal x, qreal ground, qreal length, bool lightOn);
// The white village sign with a black border; crossed out in red where the village ends.
void villageSign(QPainter& p, const QRectF& board, const QString& name, bool leaving);
// A television set; `screen` receives the area to draw the broadcast into.
void televisionSet(QPainter& p, const QRectF& body, QRectF* screen);
void helicopter(QPainter& p, QPointF centre, qreal length);
// A title line in big lettering with a soft shadow.
void title(QPainter& p, const QRectF& box, const QString& text, QColor colour, Face face = Face::SerifBold);

}  // namespace artgen
