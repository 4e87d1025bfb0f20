// The picture and label components of a window in stacking order, lowest first, and the hit test.
#pragma once

#include "ui/component.hpp"

#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace ui {

struct Point {
    int x = 0;
    int y = 0;
    friend bool operator==(const Point&, const Point&) = default;
};

class ComponentStack {
public:
    explicit ComponentStack(ChangeCounter& changes) : changes_(changes) {}

    // Adds a component above every earlier one.
    Component& add(const std::string& name, ComponentKind kind, Rect rect);

    // The topmost visible and enabled component containing the point, or nullptr.
    [[nodiscard]] Component* hitTest(int x, int y) const;

    // The one input path of every front end and driver: the point goes through the hit test
    // and the component it names gets the click, or the move relative to its top-left corner.
    // Each returns that component, or nullptr when the point reaches none.
    Component* click(int x, int y) const;
    Component* move(int x, int y) const;

    // Where a player would click the component: its centre if the hit test gives that point to
    // it, else the first point of its rectangle, row by row from the top-left, that the hit
    // test gives to it; none while it is hidden, disabled or wholly covered.
    [[nodiscard]] std::optional<Point> clickablePoint(const Component& component) const;
    // The clickable point, or the centre when there is none: a player aims at a covered or
    // disabled thing's middle, and whatever lies there gets the click.
    [[nodiscard]] Point aimPoint(const Component& component) const;

    [[nodiscard]] Component* find(const std::string& name) const;
    [[nodiscard]] const std::vector<std::unique_ptr<Component>>& all() const { return components_; }

private:
    ChangeCounter& changes_;
    std::vector<std::unique_ptr<Component>> components_;
};

}  // namespace ui
