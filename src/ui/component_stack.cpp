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
    for (int y = r.top; y < r.top + r.height; ++y)
        for (int x = r.left; x < r.left + r.width; ++x)
            if (hitTest(x, y) == &component) return Point{x, y};
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
