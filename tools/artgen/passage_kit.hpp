// Pieces of the secret passage: vaulted cellar rooms, torches, tunnel mouths and the mayor's apple robots.
#pragma once

#include "canvas.hpp"

#include <QRectF>

namespace artgen {

// A vaulted stone room with its floor from floorY down.
void cellar(QPainter& p, qreal floorY, std::uint32_t seed);
void torch(QPainter& p, QPointF mount);
// A dark opening where the passage goes on.
void tunnelMouth(QPainter& p, const QRectF& opening);
// One of the mayor's robots: an apple on legs with a glowing eye.
void appleRobot(QPainter& p, QPointF foot, qreal size);

}  // namespace artgen
