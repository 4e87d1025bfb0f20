// Looks component rectangles up in the core's component table.
#include "hotspots.hpp"

#include "app/component_table.hpp"

#include <cstring>
#include <stdexcept>
#include <string>

namespace artgen {

QRect sceneRect(const char* componentName) {
    for (const app::ComponentRow& row : app::componentTable()) {
        if (std::strcmp(row.name, componentName) == 0) {
            return {row.rect.left - app::kSceneRect.left, row.rect.top - app::kSceneRect.top, row.rect.width,
                    row.rect.height};
        }
    }
    throw std::runtime_error(std::string("no component named ") + componentName);
}

}  // namespace artgen
