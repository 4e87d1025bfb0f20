#include "inventory/item_names.hpp"

namespace item {

int rank(const std::string& caption) {
    for (std::size_t i = 0; i < kListOrder.size(); ++i)
        if (kListOrder[i] == caption) return static_cast<int>(i);
    return static_cast<int>(kListOrder.size());
}

}  // namespace item
