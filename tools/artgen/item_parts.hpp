// The drawing of each item in its 200 x 200 design square, shared by the files that draw them.
#pragma once

#include "item_art.hpp"

#include <QLinearGradient>

namespace artgen::itemart {

// Metal finishes, lit from the first point.
QLinearGradient steel(QPointF a, QPointF b);
QLinearGradient brass(QPointF a, QPointF b);

// Cards, papers and money.
void serviceCard(QPainter& p, qreal lift);
void creditCard(QPainter& p, qreal lift);
void notebook(QPainter& p, qreal lift);
void money(QPainter& p, Item which, qreal lift);
void villageMapFolded(QPainter& p, qreal lift);
void newspaper(QPainter& p, qreal lift);

// The gun and its ammunition.
void gun(QPainter& p, bool withMagazine, qreal lift);
void magazine(QPainter& p, bool loaded, qreal lift);
void cartridges(QPainter& p, qreal lift);

// Things found on the way, and the phone.
void nail(QPainter& p, qreal lift);
void hammer(QPainter& p, qreal lift);
void fishingLine(QPainter& p, bool withNut, qreal lift);
void wire(QPainter& p, qreal lift);
void rod(QPainter& p, qreal lift);
void nut(QPainter& p, qreal lift);
void phone(QPainter& p, qreal lift);

}  // namespace artgen::itemart
