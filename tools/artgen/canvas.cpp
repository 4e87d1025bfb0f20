// Soft shadows, glows, colour grading and paper grain for the paper-cut style.
#include "canvas.hpp"

#include <QRadialGradient>

#include <algorithm>
#include <cmath>
#include <vector>

namespace artgen {

QImage newPicture(int width, int height, QColor fill) {
    QImage picture(width, height, QImage::Format_ARGB32_Premultiplied);
    picture.fill(fill);
    return picture;
}

void prepare(QPainter& p) {
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setRenderHint(QPainter::SmoothPixmapTransform, true);
    p.setRenderHint(QPainter::TextAntialiasing, true);
}

namespace {

// One box-blur pass over the alpha of a premultiplied image, first along rows, then along columns.
void boxBlur(QImage& img, int radius) {
    if (radius < 1) return;
    const int w = img.width();
    const int h = img.height();
    std::vector<int> line(static_cast<std::size_t>(std::max(w, h)));
    const int window = 2 * radius + 1;
    for (int y = 0; y < h; ++y) {
        auto* row = reinterpret_cast<QRgb*>(img.scanLine(y));
        int sum = 0;
        for (int i = -radius; i <= radius; ++i) sum += qAlpha(row[std::clamp(i, 0, w - 1)]);
        for (int x = 0; x < w; ++x) {
            line[static_cast<std::size_t>(x)] = sum / window;
            sum += qAlpha(row[std::min(x + radius + 1, w - 1)]) - qAlpha(row[std::max(x - radius, 0)]);
        }
        for (int x = 0; x < w; ++x) row[x] = qRgba(0, 0, 0, line[static_cast<std::size_t>(x)]);
    }
    for (int x = 0; x < w; ++x) {
        int sum = 0;
        auto at = [&](int y) { return qAlpha(reinterpret_cast<const QRgb*>(img.constScanLine(y))[x]); };
        for (int i = -radius; i <= radius; ++i) sum += at(std::clamp(i, 0, h - 1));
        for (int y = 0; y < h; ++y) {
            line[static_cast<std::size_t>(y)] = sum / window;
            sum += at(std::min(y + radius + 1, h - 1)) - at(std::max(y - radius, 0));
        }
        for (int y = 0; y < h; ++y) reinterpret_cast<QRgb*>(img.scanLine(y))[x] = qRgba(0, 0, 0, line[static_cast<std::size_t>(y)]);
    }
}

}  // namespace

void softShadow(QPainter& p, const QPainterPath& path, QPointF offset, qreal blur, QColor colour) {
    // The shadow is blurred at half size: cheap, and softness hides the scaling.
    constexpr qreal kScale = 0.5;
    const QRectF bounds = path.boundingRect().adjusted(-2 * blur, -2 * blur, 2 * blur, 2 * blur);
    const int w = std::max(1, static_cast<int>(std::ceil(bounds.width() * kScale)));
    const int h = std::max(1, static_cast<int>(std::ceil(bounds.height() * kScale)));
    QImage mask(w, h, QImage::Format_ARGB32_Premultiplied);
    mask.fill(Qt::transparent);
    {
        QPainter m(&mask);
        m.setRenderHint(QPainter::Antialiasing, true);
        m.scale(kScale, kScale);
        m.translate(-bounds.topLeft());
        m.fillPath(path, Qt::black);
    }
    const int radius = std::max(1, static_cast<int>(std::lround(blur * kScale * 0.6)));
    for (int pass = 0; pass < 3; ++pass) boxBlur(mask, radius);
    {
        QPainter m(&mask);
        m.setCompositionMode(QPainter::CompositionMode_SourceIn);
        m.fillRect(mask.rect(), colour);
    }
    p.save();
    p.setRenderHint(QPainter::SmoothPixmapTransform, true);
    p.drawImage(QRectF(bounds.topLeft() + offset, bounds.size()), mask);
    p.restore();
}

QPainterPath united(QPainterPath path) {
    path.setFillRule(Qt::WindingFill);
    return path.simplified();
}

void paperShape(QPainter& p, const QPainterPath& path, const QBrush& fill, qreal lift) {
    if (lift > 0) softShadow(p, path, QPointF(3 * lift, 4 * lift), 5 * lift + 1, QColor(25, 15, 5, 80));
    p.fillPath(path, fill);
    // A thin highlight along the cut edge, strongest at the top, as on lifted paper.
    p.save();
    p.setClipPath(path, Qt::IntersectClip);
    QPen edge(QColor(255, 255, 255, 55), 2.0);
    p.strokePath(path.translated(0.8, 1.2), edge);
    p.restore();
}

void glow(QPainter& p, QPointF centre, qreal radius, QColor colour) {
    QRadialGradient g(centre, radius);
    g.setColorAt(0, colour);
    g.setColorAt(0.4, withAlpha(colour, colour.alpha() / 2));
    g.setColorAt(1, withAlpha(colour, 0));
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawEllipse(centre, radius, radius);
    p.restore();
}

QColor mix(QColor a, QColor b, qreal t) {
    return QColor::fromRgbF(static_cast<float>(a.redF() + (b.redF() - a.redF()) * t),
                            static_cast<float>(a.greenF() + (b.greenF() - a.greenF()) * t),
                            static_cast<float>(a.blueF() + (b.blueF() - a.blueF()) * t),
                            static_cast<float>(a.alphaF() + (b.alphaF() - a.alphaF()) * t));
}

QColor shade(QColor c, qreal factor) {
    auto ch = [&](int v) { return std::clamp(static_cast<int>(std::lround(v * factor)), 0, 255); };
    if (factor > 1) {
        const qreal t = std::min(1.0, factor - 1.0);
        return mix(c, QColor(255, 255, 255, c.alpha()), t);
    }
    return QColor(ch(c.red()), ch(c.green()), ch(c.blue()), c.alpha());
}

QColor withAlpha(QColor c, int alpha) {
    c.setAlpha(std::clamp(alpha, 0, 255));
    return c;
}

std::uint32_t Random::next() {
    // xorshift32: small, fast, and identical on every platform.
    state_ ^= state_ << 13;
    state_ ^= state_ >> 17;
    state_ ^= state_ << 5;
    return state_;
}

qreal Random::uniform(qreal lo, qreal hi) { return lo + (hi - lo) * (next() % 1000000u) / 1000000.0; }

int Random::range(int lo, int hi) { return lo + static_cast<int>(next() % static_cast<std::uint32_t>(hi - lo + 1)); }

namespace {

struct ChannelGrade {
    float mulR, mulG, mulB;
    float addR, addG, addB;
    float saturation;
};

ChannelGrade gradeOf(Grade grade) {
    switch (grade) {
        case Grade::WarmDay: return {1.04f, 1.00f, 0.90f, 6, 3, 0, 1.05f};
        case Grade::CoolMorning: return {0.90f, 0.97f, 1.06f, 0, 4, 12, 0.88f};
        case Grade::Indoor: return {1.02f, 0.97f, 0.88f, 4, 2, 0, 0.97f};
        case Grade::Stone: return {0.78f, 0.82f, 0.84f, 4, 6, 8, 0.75f};
        case Grade::Night: return {0.70f, 0.76f, 0.95f, 0, 2, 14, 0.80f};
        case Grade::Neutral: return {1, 1, 1, 0, 0, 0, 1};
    }
    return {1, 1, 1, 0, 0, 0, 1};
}

}  // namespace

void finish(QImage& picture, Grade grade, std::uint32_t seed, qreal vignette) {
    const ChannelGrade g = gradeOf(grade);
    Random random(seed);
    const int w = picture.width();
    const int h = picture.height();
    const float cx = w / 2.0f;
    const float cy = h / 2.0f;
    const float maxD2 = cx * cx + cy * cy;
    for (int y = 0; y < h; ++y) {
        auto* row = reinterpret_cast<QRgb*>(picture.scanLine(y));
        for (int x = 0; x < w; ++x) {
            const QRgb px = row[x];
            float r = qRed(px) * g.mulR + g.addR;
            float gr = qGreen(px) * g.mulG + g.addG;
            float b = qBlue(px) * g.mulB + g.addB;
            const float luma = 0.299f * r + 0.587f * gr + 0.114f * b;
            r = luma + (r - luma) * g.saturation;
            gr = luma + (gr - luma) * g.saturation;
            b = luma + (b - luma) * g.saturation;
            const float dx = x - cx;
            const float dy = y - cy;
            const float v = 1.0f - static_cast<float>(vignette) * (dx * dx + dy * dy) / maxD2;
            // Paper grain: a little noise, finer than a pixel of detail.
            const float grain = static_cast<float>(static_cast<int>(random.next() % 9u) - 4);
            auto clampByte = [](float c) { return std::clamp(static_cast<int>(std::lround(c)), 0, 255); };
            row[x] = qRgb(clampByte(r * v + grain), clampByte(gr * v + grain), clampByte(b * v + grain));
        }
    }
}

QImage crop(const QImage& picture, QRect area) { return picture.copy(area); }

}  // namespace artgen
