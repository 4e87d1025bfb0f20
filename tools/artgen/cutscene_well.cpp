// Story picture 10: the agent leans over the well on the square and looks down the shaft. The
// stone courses are projected from a real cylinder, so they close in towards the water; the sun
// lights one side down to where the rim's shadow begins; the opening sits in the far wall just
// above the water.
#include "cutscene_well.hpp"
#include "palette.hpp"
#include "scenery.hpp"

#include <QPolygonF>

#include <cmath>
#include <vector>

namespace artgen {

namespace {

// World: x to the right, y away from the viewer, z up; the shaft's axis is x = y = 0, its rim at z = 0.
struct Vec {
    qreal x, y, z;
};

Vec operator-(Vec a, Vec b) { return {a.x - b.x, a.y - b.y, a.z - b.z}; }
qreal dot(Vec a, Vec b) { return a.x * b.x + a.y * b.y + a.z * b.z; }
Vec cross(Vec a, Vec b) { return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x}; }
Vec normalised(Vec a) {
    const qreal l = std::sqrt(dot(a, a));
    return {a.x / l, a.y / l, a.z / l};
}

constexpr qreal kRadius = 1.0;       // the shaft, metres
constexpr qreal kWater = 4.0;        // depth of the water below the rim
constexpr qreal kCourse = 0.3;       // height of one course of stones
constexpr int kStonesPerCourse = 22;
constexpr qreal kPi = 3.14159265358979;
// The opening in the far wall: its middle's angle, half its width (radians), its height (metres).
constexpr qreal kOpeningAngle = kPi / 2;
constexpr qreal kOpeningHalf = 0.52;
constexpr qreal kOpeningHeight = 1.4;

class Camera {
public:
    Camera() {
        const Vec eye{0.05, -0.5, 1.15};
        const Vec target{0.0, 0.22, -kWater};
        eye_ = eye;
        forward_ = normalised(target - eye);
        right_ = normalised(cross(forward_, Vec{0, 0, 1}));
        up_ = cross(right_, forward_);
    }
    QPointF project(Vec world) const {
        const Vec v = world - eye_;
        const qreal depth = std::max(0.05, dot(v, forward_));
        return {400 + kFocal * dot(v, right_) / depth, 300 - kFocal * dot(v, up_) / depth};
    }

private:
    static constexpr qreal kFocal = 560;
    Vec eye_{}, forward_{}, right_{}, up_{};
};

Vec onWall(qreal angle, qreal depth, qreal radius = kRadius) { return {radius * std::cos(angle), radius * std::sin(angle), -depth}; }

// The outline of the piece of wall between two angles and two depths, its arcs bent in steps.
QPolygonF wallPatch(const Camera& cam, qreal a0, qreal a1, qreal d0, qreal d1) {
    QPolygonF poly;
    constexpr int kSteps = 5;
    for (int i = 0; i <= kSteps; ++i) poly << cam.project(onWall(a0 + (a1 - a0) * i / kSteps, d0));
    for (int i = kSteps; i >= 0; --i) poly << cam.project(onWall(a0 + (a1 - a0) * i / kSteps, d1));
    return poly;
}

// How much sun a stone gets: the sun stands high over the viewer's left shoulder, so it falls on the
// far right of the wall, down to where the rim's shadow cuts it off.
qreal sunlight(qreal angle, qreal depth) {
    constexpr qreal kLitSide = 0.95;       // the wall facing the sun
    constexpr qreal kSunSteepness = 1.8;  // tangent of the sun's height
    const qreal facing = std::cos(angle - kLitSide);
    if (facing <= 0) return 0;
    const qreal litDown = 2 * kRadius * facing * kSunSteepness;
    const qreal edge = litDown - depth;
    // Soft at both edges: where the wall turns away from the sun, and at the shadow's line.
    return std::clamp(edge / 0.6, 0.0, 1.0) * std::clamp(facing / 0.35, 0.0, 1.0) * (0.55 + 0.45 * facing);
}

void shaft(QPainter& p, const Camera& cam) {
    Random r(1207);
    // Beyond the shaft: the sunlit top of the well's wall.
    QLinearGradient rim(0, 0, 800, 600);
    rim.setColorAt(0, QColor(196, 186, 166));
    rim.setColorAt(1, QColor(150, 140, 124));
    p.fillRect(QRectF(0, 0, 800, 600), rim);
    p.save();
    p.setPen(QPen(QColor(110, 102, 90), 3));
    for (int i = 0; i < 16; ++i) {
        const qreal a = i * 2 * kPi / 16 + 0.1;
        p.drawLine(cam.project(onWall(a, 0, kRadius)), cam.project(onWall(a, 0, kRadius * 1.6)));
    }
    p.restore();
    const int courses = static_cast<int>(std::ceil(kWater / kCourse)) + 1;
    for (int c = 0; c < courses; ++c) {
        const qreal d0 = c * kCourse;
        const qreal d1 = std::min(kWater + 0.2, d0 + kCourse);
        const qreal dark = 1.0 - 0.62 * (d0 / kWater);
        const QColor mortar = shade(QColor(88, 82, 72), dark);
        const qreal stagger = (c % 2) * 0.5;
        for (int s = -1; s < kStonesPerCourse; ++s) {
            const qreal a0 = (s + stagger) * 2 * kPi / kStonesPerCourse;
            const qreal a1 = a0 + 2 * kPi / kStonesPerCourse;
            const QPolygonF joint = wallPatch(cam, a0, a1, d0, d1);
            if (!joint.boundingRect().intersects(QRectF(-40, -40, 880, 680))) continue;
            p.setPen(Qt::NoPen);
            p.setBrush(mortar);
            p.drawPolygon(joint);
            const qreal mid = (a0 + a1) / 2;
            const qreal light = sunlight(mid, (d0 + d1) / 2);
            // Field stones of slightly different colours, darker with depth, wet and mossy near the water.
            const QColor kinds[] = {QColor(150, 144, 134), QColor(160, 148, 128), QColor(136, 134, 130), QColor(146, 136, 122)};
            QColor stone = shade(kinds[r.range(0, 3)], (0.74 + r.uniform(-0.1, 0.1)) * dark);
            if (d0 > kWater - 0.9) stone = mix(stone, QColor(48, 70, 48), 0.5);
            stone = mix(stone, QColor(255, 226, 168), 0.62 * light);
            const qreal gapA = (a1 - a0) * r.uniform(0.025, 0.045);
            const qreal gapD = kCourse * r.uniform(0.05, 0.08);
            const QPolygonF face = wallPatch(cam, a0 + gapA, a1 - gapA, d0 + gapD, d1 - gapD);
            QLinearGradient g(face.boundingRect().topLeft(), face.boundingRect().bottomLeft());
            g.setColorAt(0, shade(stone, 1.06));
            g.setColorAt(1, shade(stone, 0.88));
            p.setBrush(g);
            p.drawPolygon(face);
        }
    }
}

void opening(QPainter& p, const Camera& cam) {
    // The arch's outline: the water line below, the rounded top above.
    auto outline = [&](qreal grow) {
        QPolygonF poly;
        constexpr int kSteps = 24;
        for (int i = 0; i <= kSteps; ++i) {
            const qreal s = -1 + 2.0 * i / kSteps;
            const qreal angle = kOpeningAngle + s * (kOpeningHalf + grow);
            const qreal top = kOpeningHeight * 0.72 + kOpeningHeight * 0.28 * std::sqrt(std::max(0.0, 1 - s * s)) + grow;
            poly << cam.project(onWall(angle, kWater - top));
        }
        for (int i = kSteps; i >= 0; --i) {
            const qreal s = -1 + 2.0 * i / kSteps;
            poly << cam.project(onWall(kOpeningAngle + s * (kOpeningHalf + grow), kWater));
        }
        return poly;
    };
    // A ring of dressed stones round it, then the dark tunnel going on behind.
    QPainterPath ring;
    ring.addPolygon(outline(0.16));
    QLinearGradient stone(ring.boundingRect().topLeft(), ring.boundingRect().bottomLeft());
    stone.setColorAt(0, QColor(150, 142, 128));
    stone.setColorAt(1, QColor(92, 88, 80));
    paperShape(p, ring, stone, 0.6);
    p.save();
    p.setPen(QPen(QColor(60, 56, 50), 2));
    for (int i = 0; i <= 8; ++i) {
        const qreal s = -1 + 2.0 * i / 8;
        const qreal top = kOpeningHeight * 0.72 + kOpeningHeight * 0.28 * std::sqrt(std::max(0.0, 1 - s * s));
        p.drawLine(cam.project(onWall(kOpeningAngle + s * kOpeningHalf, kWater - top)),
                   cam.project(onWall(kOpeningAngle + s * (kOpeningHalf + 0.16), kWater - top - 0.16)));
    }
    p.restore();
    QPainterPath hole;
    hole.addPolygon(outline(0));
    const QRectF b = hole.boundingRect();
    QRadialGradient dark(QPointF(b.center().x(), b.bottom()), b.width() * 0.7);
    dark.setColorAt(0, QColor(2, 2, 4));
    dark.setColorAt(1, QColor(22, 24, 26));
    p.fillPath(hole, dark);
    // Water running in over the sill.
    p.save();
    p.setPen(QPen(QColor(150, 190, 200, 120), 2));
    for (int i = 1; i <= 3; ++i) {
        const qreal k = i * 0.22;
        p.drawLine(cam.project(onWall(kOpeningAngle - kOpeningHalf * (0.8 - k), kWater - 0.03)),
                   cam.project(onWall(kOpeningAngle - kOpeningHalf * (0.6 - k), kWater - 0.03)));
    }
    p.restore();
}

void water(QPainter& p, const Camera& cam) {
    QPolygonF surface;
    for (int i = 0; i < 64; ++i) surface << cam.project(onWall(i * 2 * kPi / 64, kWater, kRadius));
    QPainterPath path;
    path.addPolygon(surface);
    path.closeSubpath();
    const QRectF b = path.boundingRect();
    QRadialGradient g(b.center(), b.width() * 0.6);
    g.setColorAt(0, QColor(70, 110, 120));
    g.setColorAt(1, QColor(16, 34, 40));
    p.fillPath(path, g);
    p.save();
    p.setClipPath(path, Qt::IntersectClip);
    // The bright circle of sky mirrored in it, with the agent's hat and shoulders against it.
    const QPointF sky = cam.project(Vec{0.0, -0.3, -kWater});
    QRadialGradient glow(sky, b.width() * 0.32);
    glow.setColorAt(0, QColor(214, 232, 240, 230));
    glow.setColorAt(0.7, QColor(160, 200, 214, 150));
    glow.setColorAt(1, QColor(160, 200, 214, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(glow);
    p.drawEllipse(sky, b.width() * 0.32, b.height() * 0.4);
    const qreal u = b.width() * 0.05;
    QPainterPath figure;
    figure.addEllipse(sky + QPointF(0, u * 1.2), u * 3.4, u * 1.3);       // shoulders
    figure.addEllipse(sky + QPointF(0, -u * 0.2), u * 1.1, u * 1.25);     // head
    figure.addEllipse(sky + QPointF(0, -u * 0.9), u * 2.0, u * 0.45);     // hat brim
    figure.addEllipse(sky + QPointF(0, -u * 1.3), u * 1.1, u * 0.65);     // hat crown
    p.fillPath(united(figure), QColor(30, 40, 46, 200));
    // Rings spreading from a drop.
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(200, 226, 232, 90), 1.6));
    const QPointF drop = cam.project(Vec{0.45, 0.1, -kWater});
    for (int i = 1; i <= 3; ++i) p.drawEllipse(drop, u * 1.3 * i, u * 0.5 * i);
    p.restore();
    apple(p, cam.project(Vec{-0.4, 0.35, -kWater}), b.width() * 0.035, pal::appleRed);
    apple(p, cam.project(Vec{-0.2, 0.52, -kWater}), b.width() * 0.03, pal::appleRed);
    apple(p, cam.project(Vec{0.5, -0.35, -kWater}), b.width() * 0.03, pal::appleGreen);
}

void ropeAndBucket(QPainter& p, const Camera& cam) {
    const Vec hangs{0.32, 0.05, 0.0};
    const qreal bucketDepth = 1.9;
    p.save();
    p.setPen(QPen(QColor(176, 150, 104), 4, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(cam.project(Vec{hangs.x, hangs.y, 1.0}), cam.project(Vec{hangs.x, hangs.y, -bucketDepth + 0.05}));
    p.restore();
    // The bucket: a wooden tub seen from above, its open top towards the viewer.
    auto circle = [&](qreal depth, qreal radius) {
        QPolygonF poly;
        for (int i = 0; i < 32; ++i) {
            const qreal a = i * 2 * kPi / 32;
            poly << cam.project(Vec{hangs.x + radius * std::cos(a), hangs.y + radius * std::sin(a), -depth});
        }
        return poly;
    };
    QPainterPath body;
    body.addPolygon(circle(bucketDepth, 0.17));
    body.addPolygon(circle(bucketDepth + 0.3, 0.14));
    paperShape(p, united(body), pal::woodMid, 0.8);
    QPainterPath inside;
    inside.addPolygon(circle(bucketDepth, 0.14));
    p.fillPath(inside, QColor(40, 30, 22));
    p.save();
    p.setPen(QPen(QColor(70, 70, 74), 3));
    p.setBrush(Qt::NoBrush);
    p.drawPolygon(circle(bucketDepth + 0.06, 0.165));
    p.restore();
}

}  // namespace

void downTheWell(QPainter& p) {
    const Camera cam;
    shaft(p, cam);
    opening(p, cam);
    water(p, cam);
    ropeAndBucket(p, cam);
    // Daylight spilling over the rim at the top of the view.
    QLinearGradient light(0, 0, 0, 220);
    light.setColorAt(0, QColor(255, 240, 206, 120));
    light.setColorAt(1, QColor(255, 240, 206, 0));
    p.fillRect(QRectF(0, 0, 800, 220), light);
}

}  // namespace artgen
