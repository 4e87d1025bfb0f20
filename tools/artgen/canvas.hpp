// The paper-cut drawing basics: a fresh picture, soft shadows under cut-out shapes, and the finishing grade.
#pragma once

#include <QColor>
#include <QImage>
#include <QPainter>
#include <QPainterPath>

#include <cstdint>

namespace artgen {

// The light a picture is finished in.
enum class Grade {
    WarmDay,      // the first day: late-summer afternoon
    CoolMorning,  // the second day
    Indoor,       // rooms lit by lamps and windows
    Stone,        // the secret passage
    Night,        // the evening and the night
    Neutral,      // close-ups, map, titles: no colour cast
};

// A blank opaque picture of the given size, filled with one colour.
QImage newPicture(int width, int height, QColor fill = QColor(240, 232, 214));

// A painter with antialiasing and smooth pixmap transforms switched on.
void prepare(QPainter& p);

// A blurred shadow of the path, drawn offset below whatever the painter draws next.
void softShadow(QPainter& p, const QPainterPath& path, QPointF offset = {4, 6}, qreal blur = 7,
                QColor colour = QColor(30, 20, 10, 90));

// The outline of overlapping shapes merged into one (overlaps count as inside, not as holes).
QPainterPath united(QPainterPath path);

// A cut-out paper shape: soft shadow, fill, and a thin light edge on its upper side.
void paperShape(QPainter& p, const QPainterPath& path, const QBrush& fill, qreal lift = 1.0);

// A soft glow (lamp, sun, muzzle flash) around a point.
void glow(QPainter& p, QPointF centre, qreal radius, QColor colour);

// Colour helpers.
QColor mix(QColor a, QColor b, qreal t);
QColor shade(QColor c, qreal factor);  // < 1 darker, > 1 lighter
QColor withAlpha(QColor c, int alpha);

// Deterministic pseudo-random numbers, the same on every run.
class Random {
public:
    explicit Random(std::uint32_t seed) : state_(seed * 2654435761u + 0x9E3779B9u) {}
    std::uint32_t next();
    qreal uniform(qreal lo, qreal hi);  // in [lo, hi)
    int range(int lo, int hi);           // in [lo, hi]

private:
    std::uint32_t state_;
};

// The last pass: the light's colour grade, a fine paper grain and a gentle vignette.
void finish(QImage& picture, Grade grade, std::uint32_t seed, qreal vignette = 0.22);

// Cuts a part out of a picture (for the overlay pictures that must match their scene).
QImage crop(const QImage& picture, QRect area);

}  // namespace artgen
