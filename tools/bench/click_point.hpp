// Where a player clicks a named component: the same rule as kvelnor-script's "click NAME".
#pragma once

#include "ui/component_stack.hpp"

#include <optional>
#include <string>

namespace bench {

struct Point {
    int x = 0;
    int y = 0;
};

// Its centre if the hit test gives that point to it, else the first point of its rectangle, row
// by row from the top-left, that the hit test gives to it, else its centre; none if no
// component has that name.
std::optional<Point> clickPointOf(const ui::ComponentStack& stack, const std::string& name);

}  // namespace bench
