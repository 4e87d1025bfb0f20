// Combining the fishing line with the nut, and taking the gun and the magazine apart.
#include "app/main_form.hpp"
#include "inventory/combine_step.hpp"
#include "inventory/item_catalogue.hpp"
#include "inventory/item_names.hpp"

namespace {

// Combining looks at the first fifteen positions, taking apart at the first seven.
constexpr int kCombineDepth = 15;
constexpr int kTakeApartDepth = 7;

// Double-clicking the whole gives the part: the whole's held picture changes to its second
// look, the part is added, and the flag records that the part is out.
struct TakeApartRule {
    const char* whole;
    const char* part;
    std::int32_t app::GameState::*partOut;
};

constexpr std::array<TakeApartRule, 2> kTakeApartRules = {{
    {.whole = item::zasobnik, .part = item::naboje, .partOut = &app::GameState::cartridgesOut},  // the magazine
    {.whole = item::zbran, .part = item::zasobnik, .partOut = &app::GameState::magazineOut},     // the gun
}};

// True when the entry at the position is selected and lies within the walk's depth and the
// counted entries.
bool selectedWithin(const app::TfrmHlavni& form, int position, int depth) {
    return position < depth && form.state.itemCount >= position + 1 && position < form.lbPredmety.count() &&
           form.lbPredmety.isSelected(position);
}

}  // namespace

namespace app {

void TfrmHlavni::btnSpojitClick() {
    // Only the fishing line arms combining; any other item only goes back.
    if (holding(held::FishingLine) && state.combineArmed == 0) state.combineArmed = 1;
    dropHeldItem();
}

void TfrmHlavni::removeCombinedParts() {
    removeInventoryItem(item::matka, kCombineDepth);
    removeInventoryItem(item::vlasec, kCombineDepth);
}

void TfrmHlavni::lbPredmetyDblClick() {
    for (const TakeApartRule& rule : kTakeApartRules) {
        const inventory::CatalogueItem& whole = *inventory::itemByCaption(rule.whole);
        const inventory::CatalogueItem& part = *inventory::itemByCaption(rule.part);
        // Downward: the added part sorts just before the whole, which the walk has passed.
        for (int p = kTakeApartDepth - 1; p >= 0; --p) {
            if (!selectedWithin(*this, p, kTakeApartDepth) || lbPredmety.caption(p) != rule.whole) continue;
            // Each part comes out once; a second double-click must not make another.
            if (state.*rule.partOut != 0) continue;
            loadPicture(inv(whole.heldPicture), whole.heldFiles[1]);
            setHeld(whole.heldFlag, 0);
            ++state.itemCount;
            loadPicture(inv(part.heldPicture), part.heldFiles[0]);
            appendInventoryEntry(rule.part);
            state.*rule.partOut = 1;
        }
    }
}

}  // namespace app

namespace inventory {

void combineWithSelectedEntry(app::TfrmHlavni& form) {
    for (int p = kCombineDepth - 1; p >= 0; --p) {
        if (!selectedWithin(form, p, kCombineDepth) || form.lbPredmety.caption(p) != item::matka) continue;
        form.addInventoryItem(item::vlasecMatka);
        form.dropHeldItem();  // the nut, just taken into the hand, goes back
        form.removeCombinedParts();
    }
}

bool combinationArmed(const app::TfrmHlavni& form) {
    // combineArmed stays 1 after the pair is made; the fishing line is gone from then on.
    if (form.state.combineArmed != 1) return false;
    for (int p = 0; p < form.lbPredmety.count(); ++p)
        if (form.lbPredmety.caption(p) == item::vlasec) return true;
    return false;
}

}  // namespace inventory
