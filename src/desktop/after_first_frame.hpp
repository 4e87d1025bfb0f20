// Work that the player does not need before the window is on screen (the window icon drawn in
// seven sizes, say) runs once the window has painted its first frame.
#pragma once

#include <QWidget>

#include <functional>

namespace desktop {

// Runs the job from the event loop after the widget's first paint; the widget must outlive it.
void afterFirstFrame(QWidget& widget, std::function<void()> job);

}  // namespace desktop
