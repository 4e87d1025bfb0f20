// How the 1024 x 768 layout is scaled into the window: one factor for the whole layout, and the
// mapping between layout pixels and screen pixels that painting and hit testing share, so a point
// is drawn in exactly the layout pixel the pointer reports there.
#pragma once

#include "ui/component_stack.hpp"
#include "ui/rect.hpp"

#include <QPoint>
#include <QPointF>
#include <QRect>
#include <QRectF>
#include <QSize>

namespace desktop {

// Below this the smallest texts (the list, the buttons) stop being readable.
inline constexpr double kMinimumFactor = 0.75;

class LayoutScale {
public:
    LayoutScale() = default;
    // factor: logical pixels per layout pixel; pixelRatio: the screen's device pixels per logical pixel.
    LayoutScale(double factor, double pixelRatio);

    // The largest factor that shows the whole layout in an area of that logical size; with
    // wholeMultiples, one that makes every layout pixel a whole number of device pixels (when
    // the area has room for at least one device pixel per layout pixel).
    static LayoutScale fitting(QSize area, double pixelRatio, bool wholeMultiples);

    [[nodiscard]] double factor() const { return factor_; }
    [[nodiscard]] double pixelRatio() const { return pixelRatio_; }
    // Device pixels per layout pixel.
    [[nodiscard]] double deviceFactor() const { return factor_ * pixelRatio_; }
    // True when every layout pixel is a square of whole device pixels: pictures scale crisply.
    [[nodiscard]] bool isWholeMultiple() const;

    // The first device pixel whose centre lies at or beyond layout coordinate v: layout pixel v
    // covers the device pixels from deviceEdge(v) up to deviceEdge(v + 1), not included.
    [[nodiscard]] int deviceEdge(int v) const;
    // The layout pixel covering device pixel d; the exact inverse of deviceEdge.
    [[nodiscard]] int layoutPixel(int d) const;

    // The device pixels a layout rectangle covers, and the same in logical pixels.
    [[nodiscard]] QRect deviceRect(const ui::Rect& r) const;
    [[nodiscard]] QRectF logicalRect(const ui::Rect& r) const;
    // A layout rectangle for a child widget, whose geometry is in whole logical pixels.
    [[nodiscard]] QRect widgetRect(const ui::Rect& r) const;
    // The logical size of the whole layout.
    [[nodiscard]] QSize logicalSize() const;

    // The layout point under a pointer position given in the view's logical coordinates.
    [[nodiscard]] ui::Point toLayout(QPointF logical) const;
    // A logical position inside the given layout pixel (the middle of its device pixels), as a
    // player's pointer would report it.
    [[nodiscard]] QPointF toLogical(ui::Point layout) const;

    // A length of the layout in logical pixels, rounded, at least one when the length is not 0.
    [[nodiscard]] int pixels(double layoutLength) const;

    friend bool operator==(const LayoutScale&, const LayoutScale&) = default;

private:
    double factor_ = 1.0;
    double pixelRatio_ = 1.0;
};

}  // namespace desktop
