// The About window's slide-in: the group box and its five lines start beyond the right edge at
// every activation and move one pixel left per 10 ms tick until each reaches its place.
#pragma once

#include "info/about_text.hpp"
#include "ui/timer.hpp"

#include <array>
#include <functional>

namespace info {

inline constexpr int kSlideTickMs = 10;

class AboutSlideIn {
public:
    // The group box and the lines stand at their places; the timer is on, as the window is built.
    explicit AboutSlideIn(ui::Clock& clock);
    AboutSlideIn(const AboutSlideIn&) = delete;
    AboutSlideIn& operator=(const AboutSlideIn&) = delete;

    // The window became active: everything moves out to its current width and the timer runs.
    void FormActivate(int windowWidth);
    // One pixel left for each control still right of its place, each independently.
    void TimerTimer();

    // Left edges: the group box's in the window, each line's inside the group box.
    [[nodiscard]] int groupBoxLeft() const { return groupBoxLeft_; }
    [[nodiscard]] int lineLeft(AboutLine line) const { return lineLefts_.at(static_cast<std::size_t>(line)); }
    [[nodiscard]] bool arrived() const;

    ui::Timer Timer;
    // Called after a tick that moved something, so the window can place its controls.
    std::function<void()> onMoved;

private:
    int groupBoxLeft_ = kAboutGroupBox.left;
    std::array<int, kAboutLineCount> lineLefts_{};
};

}  // namespace info
