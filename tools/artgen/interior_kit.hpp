// Pieces shared by the indoor scenes: walls and floors, furniture, shelves, plants and framed pictures.
#pragma once

#include "canvas.hpp"

#include <QRectF>
#include <QString>

namespace artgen {

enum class FloorKind { Boards, Tiles, Stone, Carpet };

// The back wall down to floorY, the floor below it and a skirting board between them.
void room(QPainter& p, QColor wall, QColor floorColour, qreal floorY, FloorKind kind, std::uint32_t seed = 1);

// Light falling in from a window as a soft pale trapezoid on the floor.
void windowLight(QPainter& p, const QRectF& window, qreal floorY, QColor colour = QColor(255, 240, 200, 50));

void pottedPlant(QPainter& p, QPointF base, qreal height, std::uint32_t seed);
void bookshelf(QPainter& p, const QRectF& frame, std::uint32_t seed);
void filingCabinet(QPainter& p, const QRectF& frame);
// An office desk seen from the front; its top edge at frame.top().
void desk(QPainter& p, const QRectF& frame, QColor wood);
void chairBack(QPainter& p, const QRectF& frame, QColor colour);
void hangingLamp(QPainter& p, QPointF hook, qreal length, bool lit = true);
void framedPicture(QPainter& p, const QRectF& frame, QColor top, QColor bottom);
void noticeBoard(QPainter& p, const QRectF& frame, const QString& heading, std::uint32_t seed);
void wallClock(QPainter& p, QPointF centre, qreal radius);
void coatRack(QPainter& p, QPointF base, qreal height, QColor coat);

}  // namespace artgen
