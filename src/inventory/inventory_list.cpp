// Adding and removing inventory entries; itemCount is kept by hand beside the list.
#include "app/main_form.hpp"
#include "inventory/item_catalogue.hpp"

namespace app {

void TfrmHlavni::appendInventoryEntry(const std::string& caption) { lbPredmety.append(caption); }

void TfrmHlavni::addInventoryItem(const std::string& caption) {
    appendInventoryEntry(caption);
    ++state.itemCount;
}

void TfrmHlavni::removeInventoryItem(const std::string& caption, int depth) {
    // Downward, so a deletion only moves entries already examined; positions the counter
    // claims but the list does not hold are treated as absent.
    for (int p = depth - 1; p >= 0; --p) {
        if (state.itemCount < p + 1 || p >= lbPredmety.count()) continue;
        if (lbPredmety.caption(p) == caption) lbPredmety.removeAt(p);
    }
    --state.itemCount;
    lbPredmety.resort();
}

void TfrmHlavni::clearInventory() { lbPredmety.clear(); }

void TfrmHlavni::loadHeldPictures(HeldPictureSet set) {
    // imgInv1 ... imgInv17 in number order, which is the catalogue's order.
    for (const inventory::CatalogueItem& item : inventory::catalogue()) {
        const int variant = set == HeldPictureSet::Starting ? 0 : item.checkpointHeldFile;
        loadPicture(inv(item.heldPicture), item.heldFiles.at(static_cast<std::size_t>(variant)));
    }
}

}  // namespace app
