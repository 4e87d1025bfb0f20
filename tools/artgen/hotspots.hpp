// Hotspot rectangles of the main window, turned into scene-picture coordinates.
#pragma once

#include <QRect>
#include <QRectF>

namespace artgen {

// The rectangle of a named component, moved so that (0, 0) is the scene picture's top-left.
QRect sceneRect(const char* componentName);
inline QRectF sceneRectF(const char* componentName) { return QRectF(sceneRect(componentName)); }

// Picture sizes every scene, close-up and cutscene shares, and the held pictures' size.
inline constexpr int kSceneWidth = 800;
inline constexpr int kSceneHeight = 600;
inline constexpr int kHeldSize = 60;

}  // namespace artgen
