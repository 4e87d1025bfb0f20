// The parts a person is drawn from, shared by the files that draw the body, the clothes and the head.
#pragma once

#include "people.hpp"

#include <QPainterPath>

#include <initializer_list>

namespace artgen::figure {

struct Body {
    qreal h;        // figure height
    qreal cx;       // centre line
    qreal top;      // head top
    qreal headY;    // head centre
    qreal headRx, headRy;
    qreal shoulderY, hipY, feetY;
    qreal shoulderHalf, hipHalf;
    qreal armWidth;
};

Body measure(const Character& who, const QRectF& box);

// A line through the points, stroked to the width with round ends, as one shape.
QPainterPath polyline(std::initializer_list<QPointF> points, qreal width);

// A cut-out shape of one colour, lightly shaded from top-left to bottom-right.
void part(QPainter& p, const QPainterPath& path, QColor colour, qreal lift);

QColor faceColour(const Character& who, const Pose& pose);

// The clothes over the trunk (and the skirt under a blouse), clipped details included.
void drawTorso(QPainter& p, const Character& who, const Body& b, const Pose& pose, qreal lift);

// Neck, ears, head, face, hair and hat.
void drawHead(QPainter& p, const Character& who, const Body& b, const Pose& pose);

}  // namespace artgen::figure
