// Story picture 10: the view down the well on the square, to the opening at the water level.
#pragma once

#include <QPainter>

namespace artgen {

void downTheWell(QPainter& p);

}  // namespace artgen
