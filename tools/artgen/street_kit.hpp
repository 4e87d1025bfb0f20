// Pieces shared by the village's outdoor scenes: the sky of each day, village houses, street exits.
#pragma once

#include "canvas.hpp"

#include <QRectF>

namespace artgen {

enum class StreetLight { Warm, Cool, Dusk, Night };

// Sky with sun or moon and a few clouds, down to the horizon at y 330.
void streetSky(QPainter& p, StreetLight light, std::uint32_t seed);

// A village house: plastered wall, tiled roof, windows and sometimes a chimney.
void house(QPainter& p, const QRectF& wall, QColor plaster, QColor roof, std::uint32_t seed);

// A panelled double door in a stone frame with steps, for public buildings.
void townDoor(QPainter& p, const QRectF& frame);

// The flag of the Czech Republic on a short pole, fixed to a wall at `mount`.
void czechFlag(QPainter& p, QPointF mount, qreal width);

// A road leaving the picture at one side edge, from the ground line down: the way on.
void streetExit(QPainter& p, bool rightSide, qreal groundY);

// An arrow sign at one side edge of a street scene, wholly inside the picture: the way on.
void edgeSignpost(QPainter& p, bool rightSide, const QString& text, qreal groundY);

// A shop window with goods on shelves behind the glass.
void shopWindow(QPainter& p, const QRectF& frame, std::uint32_t seed);

}  // namespace artgen
