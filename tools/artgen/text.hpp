// Lettering: the game's typefaces, loaded from files so every run draws the same glyphs.
#pragma once

#include <QColor>
#include <QFont>
#include <QPainter>
#include <QRectF>
#include <QString>

namespace artgen {

enum class Face { Sans, SansBold, Condensed, CondensedBold, Serif, SerifBold, Mono };

// Loads the typefaces; call once after the application object exists.
void loadTypefaces();

QFont font(Face face, qreal pixelSize);

// Text centred in a box, shrunk until it fits the box's width.
void fittedText(QPainter& p, const QRectF& box, const QString& text, Face face, QColor colour,
                Qt::Alignment align = Qt::AlignCenter);

// A painted sign: a board with a border and its lettering, lifted off the wall by a soft shadow.
void sign(QPainter& p, const QRectF& board, const QString& text, QColor boardColour, QColor letterColour,
          Face face = Face::SansBold, QColor borderColour = QColor(0, 0, 0, 0));

}  // namespace artgen
