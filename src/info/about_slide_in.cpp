#include "info/about_slide_in.hpp"

namespace info {

namespace {

int target(AboutLine line) { return kAboutLines.at(static_cast<std::size_t>(line)).rect.left; }

// One pixel towards the target; true when it moved.
bool stepTowards(int& left, int targetLeft) {
    if (left <= targetLeft) return false;
    --left;
    return true;
}

}  // namespace

AboutSlideIn::AboutSlideIn(ui::Clock& clock) : Timer("Timer", kSlideTickMs, clock) {
    for (int line = 0; line < kAboutLineCount; ++line)
        lineLefts_.at(static_cast<std::size_t>(line)) = target(static_cast<AboutLine>(line));
    Timer.onTimer = [this] { TimerTimer(); };
    Timer.setEnabled(true);
}

void AboutSlideIn::FormActivate(int windowWidth) {
    // The lines first, then the box, as the window moves them.
    for (AboutLine line : {kTitle, kVersion, kMaker, kEmail, kWeb})
        lineLefts_.at(static_cast<std::size_t>(line)) = windowWidth;
    groupBoxLeft_ = windowWidth;
    Timer.setEnabled(true);
    if (onMoved) onMoved();
}

void AboutSlideIn::TimerTimer() {
    bool moved = stepTowards(groupBoxLeft_, kAboutGroupBox.left);
    for (int line = 0; line < kAboutLineCount; ++line)
        moved = stepTowards(lineLefts_.at(static_cast<std::size_t>(line)), target(static_cast<AboutLine>(line))) || moved;
    // Once everything is in place further ticks would change nothing, so the timer rests
    // until the next activation instead of waking the program a hundred times a second.
    if (arrived()) Timer.setEnabled(false);
    if (moved && onMoved) onMoved();
}

bool AboutSlideIn::arrived() const {
    if (groupBoxLeft_ > kAboutGroupBox.left) return false;
    for (int line = 0; line < kAboutLineCount; ++line)
        if (lineLefts_.at(static_cast<std::size_t>(line)) > target(static_cast<AboutLine>(line))) return false;
    return true;
}

}  // namespace info
