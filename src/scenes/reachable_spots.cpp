// The hotspots and map spots a click would reach now, as the hit test decides it.
#include "app/main_form.hpp"

namespace app {

std::vector<const ui::Component*> TfrmHlavni::reachableSpots() const {
    std::vector<const ui::Component*> reachable;
    if (imgClona->enabled()) return reachable;
    for (const auto& c : stack.all()) {
        const bool spot = c->kind() == ui::ComponentKind::Hotspot || c->kind() == ui::ComponentKind::MapSpot;
        if (spot && stack.clickablePoint(*c)) reachable.push_back(c.get());
    }
    return reachable;
}

}  // namespace app
