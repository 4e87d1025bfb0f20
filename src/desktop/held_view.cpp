#include "desktop/held_view.hpp"

#include "inventory/item_catalogue.hpp"

namespace desktop {

namespace {

const inventory::CatalogueItem* heldItem(const app::TfrmHlavni& form) {
    for (int flag = 1; flag <= app::kHeldFlagCount; ++flag)
        if (form.holding(flag))
            if (const inventory::CatalogueItem* item = inventory::itemByHeldFlag(flag)) return item;
    return nullptr;
}

}  // namespace

const ui::Component* heldPicture(const app::TfrmHlavni& form) {
    const inventory::CatalogueItem* item = heldItem(form);
    return item != nullptr ? form.imgInv.at(static_cast<std::size_t>(item->heldPicture)) : nullptr;
}

std::optional<std::string> heldCaption(const app::TfrmHlavni& form) {
    const inventory::CatalogueItem* item = heldItem(form);
    if (item == nullptr) return std::nullopt;
    return std::string(item->caption);
}

}  // namespace desktop
