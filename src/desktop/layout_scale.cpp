#include "desktop/layout_scale.hpp"

#include "app/component_table.hpp"

#include <algorithm>
#include <cmath>

namespace desktop {

namespace {
constexpr double kWholeTolerance = 1e-9;
}

LayoutScale::LayoutScale(double factor, double pixelRatio)
    : factor_(factor > 0 ? factor : 1.0), pixelRatio_(pixelRatio > 0 ? pixelRatio : 1.0) {}

LayoutScale LayoutScale::fitting(QSize area, double pixelRatio, bool wholeMultiples) {
    const double ratio = pixelRatio > 0 ? pixelRatio : 1.0;
    const double fit = std::min(area.width() / static_cast<double>(app::kWindowWidth),
                                area.height() / static_cast<double>(app::kWindowHeight));
    double device = std::max(fit, kMinimumFactor) * ratio;
    if (wholeMultiples && device >= 1.0) device = std::floor(device + kWholeTolerance);
    return {device / ratio, ratio};
}

bool LayoutScale::isWholeMultiple() const {
    const double device = deviceFactor();
    return std::abs(device - std::round(device)) < kWholeTolerance && device >= 1.0 - kWholeTolerance;
}

int LayoutScale::deviceEdge(int v) const { return static_cast<int>(std::ceil(v * deviceFactor() - 0.5)); }

int LayoutScale::layoutPixel(int d) const {
    // First guess from the pixel's centre, then made consistent with deviceEdge whatever the
    // rounding of the two divisions did.
    int v = static_cast<int>(std::floor((d + 0.5) / deviceFactor()));
    while (deviceEdge(v + 1) <= d) ++v;
    while (deviceEdge(v) > d) --v;
    return v;
}

QRect LayoutScale::deviceRect(const ui::Rect& r) const {
    const int left = deviceEdge(r.left);
    const int top = deviceEdge(r.top);
    return {left, top, deviceEdge(r.left + r.width) - left, deviceEdge(r.top + r.height) - top};
}

QRectF LayoutScale::logicalRect(const ui::Rect& r) const {
    const QRect d = deviceRect(r);
    return {d.x() / pixelRatio_, d.y() / pixelRatio_, d.width() / pixelRatio_, d.height() / pixelRatio_};
}

QRect LayoutScale::widgetRect(const ui::Rect& r) const {
    const QRectF l = logicalRect(r);
    const int left = static_cast<int>(std::lround(l.left()));
    const int top = static_cast<int>(std::lround(l.top()));
    return {left, top, static_cast<int>(std::lround(l.right())) - left, static_cast<int>(std::lround(l.bottom())) - top};
}

QSize LayoutScale::logicalSize() const {
    return {static_cast<int>(std::ceil(deviceEdge(app::kWindowWidth) / pixelRatio_ - kWholeTolerance)),
            static_cast<int>(std::ceil(deviceEdge(app::kWindowHeight) / pixelRatio_ - kWholeTolerance))};
}

ui::Point LayoutScale::toLayout(QPointF logical) const {
    // The device pixel the pointer is on, then the layout pixel covering it.
    const int dx = static_cast<int>(std::floor(logical.x() * pixelRatio_ + kWholeTolerance));
    const int dy = static_cast<int>(std::floor(logical.y() * pixelRatio_ + kWholeTolerance));
    return {layoutPixel(dx), layoutPixel(dy)};
}

QPointF LayoutScale::toLogical(ui::Point layout) const {
    const auto middle = [this](int v) { return (deviceEdge(v) + deviceEdge(v + 1) - 1) / 2; };
    return {middle(layout.x) / pixelRatio_, middle(layout.y) / pixelRatio_};
}

int LayoutScale::pixels(double layoutLength) const {
    if (layoutLength == 0) return 0;
    return std::max(1, static_cast<int>(std::lround(layoutLength * factor_)));
}

}  // namespace desktop
