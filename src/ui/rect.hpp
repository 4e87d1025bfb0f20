// A rectangle in window client coordinates; half-open, so the right and bottom edges are outside.
#pragma once

namespace ui {

struct Rect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;

    [[nodiscard]] bool contains(int x, int y) const {
        return x >= left && x < left + width && y >= top && y < top + height;
    }
};

}  // namespace ui
