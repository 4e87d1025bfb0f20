// The scenery toolkit: skies, hills, ground, trees, houses with roofs, windows and doors, street furniture.
#pragma once

#include "canvas.hpp"

#include <QRectF>

namespace artgen {

// Sky and land.
void sky(QPainter& p, const QRectF& area, QColor top, QColor bottom);
void sun(QPainter& p, QPointF centre, qreal radius, QColor colour);
void cloud(QPainter& p, QPointF centre, qreal size, QColor colour);
void stars(QPainter& p, const QRectF& area, int count, std::uint32_t seed);
void hills(QPainter& p, qreal baseY, qreal height, QColor colour, std::uint32_t seed, qreal width = 800);
void ground(QPainter& p, const QRectF& area, QColor far, QColor near);
void cobbles(QPainter& p, const QRectF& area, qreal horizonY, QColor stoneColour, std::uint32_t seed);
void floorBoards(QPainter& p, const QRectF& area, QColor wood, qreal boardWidth = 46);
void tiles(QPainter& p, const QRectF& area, QColor a, QColor b, qreal size);
void wallpaper(QPainter& p, const QRectF& area, QColor base, QColor pattern);
void stoneWall(QPainter& p, const QRectF& area, QColor stoneColour, std::uint32_t seed, qreal blockHeight = 34);

// Plants.
void tree(QPainter& p, QPointF base, qreal height, QColor leaves, std::uint32_t seed, bool apples = false);
void bush(QPainter& p, QPointF base, qreal width, QColor leaves, std::uint32_t seed);
void grassTufts(QPainter& p, const QRectF& area, QColor colour, int count, std::uint32_t seed);
void flowers(QPainter& p, const QRectF& area, int count, std::uint32_t seed);

// Buildings.
enum class RoofStyle { Gable, Hip, Flat, Gambrel };
void facade(QPainter& p, const QRectF& wall, QColor plaster, QColor roofColour, qreal roofHeight,
            RoofStyle style = RoofStyle::Gable, qreal overhang = 14);
void window(QPainter& p, const QRectF& frame, QColor frameColour, bool lit = false, bool shutters = false,
            QColor shutterColour = QColor(70, 110, 80), bool curtains = true);
void door(QPainter& p, const QRectF& frame, QColor wood, bool arched = false, bool glazed = false, bool open = false);
void doorway(QPainter& p, const QRectF& frame, QColor inside, bool arched = false);
void chimney(QPainter& p, const QRectF& body, QColor brickColour);
void gableFront(QPainter& p, const QRectF& wall, qreal gableHeight, QColor plaster, QColor roofColour);

// Street furniture and things.
void lampPost(QPainter& p, QPointF base, qreal height, bool lit = false);
void fence(QPainter& p, const QRectF& area, QColor wood, qreal pitch = 18);
void bench(QPainter& p, QPointF base, qreal width);
void signpost(QPainter& p, QPointF base, qreal height, const QString& text, bool pointsRight);
void crate(QPainter& p, const QRectF& box, QColor wood);
void barrel(QPainter& p, const QRectF& box, QColor wood);
void apple(QPainter& p, QPointF centre, qreal radius, QColor colour);
void bottle(QPainter& p, const QRectF& box, QColor glassColour, QColor labelColour);
void beerGlass(QPainter& p, const QRectF& box, bool full = true);
void shelf(QPainter& p, const QRectF& board, QColor wood);
void tableTop(QPainter& p, const QRectF& top, qreal legHeight, QColor wood);

// A darker floor band with a threshold along the bottom: the way back out of a view.
void wayBackEdge(QPainter& p, QColor floorColour);
// A soft darkening towards one side edge, so a street or passage reads as leading on.
void wayOnEdge(QPainter& p, bool rightSide, qreal width = 90);

}  // namespace artgen
