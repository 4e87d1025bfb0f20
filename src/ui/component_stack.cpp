#include "ui/component_stack.hpp"

namespace ui {

Component& ComponentStack::add(const std::string& name, ComponentKind kind, Rect rect) {
    components_.push_back(std::make_unique<Component>(name, kind, rect, changes_));
    return *components_.back();
}

Component* ComponentStack::hitTest(int x, int y) const {
    for (auto it = components_.rbegin(); it != components_.rend(); ++it) {
        Component& c = **it;
        if (c.visible() && c.enabled() && c.rect().contains(x, y)) return &c;
    }
    return nullptr;
}

Component* ComponentStack::click(int x, int y) const {
    Component* hit = hitTest(x, y);
    if (hit != nullptr && hit->onClick) hit->onClick();
    return hit;
}

Component* ComponentStack::move(int x, int y) const {
    Component* hit = hitTest(x, y);
    if (hit != nullptr && hit->onMouseMove) hit->onMouseMove(x - hit->rect().left, y - hit->rect().top);
    return hit;
}

std::optional<Point> ComponentStack::clickablePoint(const Component& component) const {
    if (!component.visible() || !component.enabled()) return std::nullopt;
    const Rect r = component.rect();
    const Point centre{r.left + r.width / 2, r.top + r.height / 2};
    if (hitTest(centre.x, centre.y) == &component) return centre;
    // The hit test gives a point of the rectangle to the component unless one of the components
    // above it that take the mouse covers it; row by row, skip across those covers.
    std::vector<Rect> covers;
    bool above = false;
    for (const auto& c : components_) {
        if (above && c->visible() && c->enabled()) covers.push_back(c->rect());
        if (c.get() == &component) above = true;
    }
    if (!above) return std::nullopt;  // not in this stack: the hit test never names it
    for (int y = r.top; y < r.top + r.height; ++y) {
        int x = r.left;
        for (bool skipped = true; skipped && x < r.left + r.width;) {
            skipped = false;
            for (const Rect& cover : covers)
                if (cover.contains(x, y)) {
                    x = cover.left + cover.width;
                    skipped = true;
                }
        }
        if (x < r.left + r.width) return Point{x, y};
    }
    return std::nullopt;
}

Point ComponentStack::aimPoint(const Component& component) const {
    const Rect r = component.rect();
    return clickablePoint(component).value_or(Point{r.left + r.width / 2, r.top + r.height / 2});
}

Component* ComponentStack::find(const std::string& name) const {
    for (const auto& c : components_)
        if (c->name() == name) return c.get();
    return nullptr;
}

}  // namespace ui
