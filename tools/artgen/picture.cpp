// Rendering pictures and overlay cut-outs.
#include "picture.hpp"

namespace artgen {

QImage render(Grade grade, std::uint32_t seed, const Drawing& draw, int width, int height) {
    QImage picture = newPicture(width, height);
    {
        QPainter p(&picture);
        prepare(p);
        draw(p);
    }
    finish(picture, grade, seed, width >= 400 ? 0.22 : 0.0);
    return picture;
}

QImage renderOverlay(Grade grade, std::uint32_t seed, const Drawing& scene, const Drawing& object, QRect area) {
    const QImage full = render(grade, seed, [&](QPainter& p) {
        scene(p);
        object(p);
    });
    return crop(full, area);
}

}  // namespace artgen
