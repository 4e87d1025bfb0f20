// Pieces the power plant's pictures share, and the yard, which has a file of its own.
#pragma once

#include "canvas.hpp"

namespace artgen {

// The yellow high-voltage warning triangle with its lightning bolt.
void warningTriangle(QPainter& p, QPointF centre, qreal size);

// A lattice pylon standing at `base`.
void pylon(QPainter& p, QPointF base, qreal height);

// The power plant's yard (elektr2): the machine hall across the back, the storeroom along the right.
void powerPlantYard(QPainter& p);

}  // namespace artgen
