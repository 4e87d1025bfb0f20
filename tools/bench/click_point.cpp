#include "bench/click_point.hpp"

namespace bench {

std::optional<Point> clickPointOf(const ui::ComponentStack& stack, const std::string& name) {
    const ui::Component* target = stack.find(name);
    if (target == nullptr) return std::nullopt;
    const ui::Rect r = target->rect();
    const Point centre{r.left + r.width / 2, r.top + r.height / 2};
    if (stack.hitTest(centre.x, centre.y) == target) return centre;
    for (int y = r.top; y < r.top + r.height; ++y)
        for (int x = r.left; x < r.left + r.width; ++x)
            if (stack.hitTest(x, y) == target) return Point{x, y};
    return centre;
}

}  // namespace bench
