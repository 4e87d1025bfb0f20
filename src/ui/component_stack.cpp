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

Component* ComponentStack::find(const std::string& name) const {
    for (const auto& c : components_)
        if (c->name() == name) return c.get();
    return nullptr;
}

}  // namespace ui
