// The picture and label components of a window in stacking order, lowest first, and the hit test.
#pragma once

#include "ui/component.hpp"

#include <memory>
#include <string>
#include <vector>

namespace ui {

class ComponentStack {
public:
    explicit ComponentStack(ChangeCounter& changes) : changes_(changes) {}

    // Adds a component above every earlier one.
    Component& add(const std::string& name, ComponentKind kind, Rect rect);

    // The topmost visible and enabled component containing the point, or nullptr.
    [[nodiscard]] Component* hitTest(int x, int y) const;

    [[nodiscard]] Component* find(const std::string& name) const;
    [[nodiscard]] const std::vector<std::unique_ptr<Component>>& all() const { return components_; }

private:
    ChangeCounter& changes_;
    std::vector<std::unique_ptr<Component>> components_;
};

}  // namespace ui
