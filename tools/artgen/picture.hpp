// Rendering a picture from a drawing function, and cutting matching overlay pictures out of a scene.
#pragma once

#include "canvas.hpp"
#include "hotspots.hpp"

#include <functional>

namespace artgen {

using Drawing = std::function<void(QPainter&)>;

// Draws onto a fresh picture and finishes it in the given light.
QImage render(Grade grade, std::uint32_t seed, const Drawing& draw, int width = kSceneWidth, int height = kSceneHeight);

// An overlay picture: the scene with the object drawn on it, finished exactly like the scene
// (same grade, same grain), then cut to the hotspot, so it sits seamlessly over the scene.
QImage renderOverlay(Grade grade, std::uint32_t seed, const Drawing& scene, const Drawing& object, QRect area);

}  // namespace artgen
