// The village square with its town hall and well, shared by the scene and the story pictures set there.
#pragma once

#include "street_kit.hpp"

namespace artgen {

// The square in the given light: houses, the town hall with its door at imgCur1, the well at imgCur34.
void villageSquare(QPainter& p, StreetLight light);

}  // namespace artgen
