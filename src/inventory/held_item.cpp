// The item in the hand: taking it from the list, its picture following the pointer, emptying the hand.
#include "app/main_form.hpp"
#include "inventory/combine_step.hpp"
#include "inventory/item_catalogue.hpp"

namespace app {

namespace {

// Only the first fifteen positions of the list can be taken into the hand.
constexpr int kTakeDepth = 15;

// The held picture's top-left corner from the pointer, so it never lies under the pointer.
constexpr int kHeldPictureDx = 1;
constexpr int kHeldPictureDy = 4;

// The order in which a pointer move looks at the flags.
constexpr std::array<int, 18> kFollowOrder = {
    held::ServiceCard, held::CreditCard, held::Gun,  held::Notebook, held::Cartridges,  held::EmptiedGun,
    held::Magazine,    held::Money,      held::Map,  held::Nail,     held::Hammer,      held::FishingLine,
    held::Wire,        held::Rod,        held::Nut,  held::Newspaper, held::Phone,      held::LineWithNut,
};

// The flag an entry sets when taken, or 0 for an entry that cannot be taken now.
int flagToTake(const std::string& caption, const GameState& state) {
    const inventory::CatalogueItem* item = inventory::itemByCaption(caption);
    if (item == nullptr) return 0;
    if (item->emptiedHeldFlag != 0 && state.magazineOut == 1) return item->emptiedHeldFlag;
    // The notebook is meant to lie in the hotel room while it is not carried.
    if (item->heldFlag == held::Notebook && state.notebookCarried != 1) return 0;
    return item->heldFlag;
}

}  // namespace

void TfrmHlavni::lbPredmetyClick() {
    dropHeldItem();
    if (sequenceRunning()) return;
    for (int p = 0; p < kTakeDepth; ++p) {
        if (state.itemCount < p + 1 || p >= lbPredmety.count() || !lbPredmety.isSelected(p)) continue;
        if (const int flag = flagToTake(lbPredmety.caption(p), state); flag != 0) setHeld(flag, 1);
    }
    if (state.combineArmed == 1) inventory::combineWithSelectedEntry(*this);
    // Once the door is barred, taking the phone calls for help.
    if (state.storyStage == stage::DoorBarred && holding(held::Phone)) startCutscene(cutscene::Ending);
}

void TfrmHlavni::imgHlavniMouseMove(int x, int y) {
    for (const int flag : kFollowOrder) {
        if (!holding(flag)) continue;
        const inventory::CatalogueItem& item = *inventory::itemByHeldFlag(flag);
        ui::Component& picture = inv(item.heldPicture);
        if (flag == held::EmptiedGun) loadPicture(picture, item.heldFiles[1]);
        picture.setTop(imgHlavni->rect().top + y + kHeldPictureDy);
        picture.setLeft(imgHlavni->rect().left + x + kHeldPictureDx);
        picture.setVisible(true);
    }
}

void TfrmHlavni::hideHeldPicture() {
    for (int flag = 1; flag <= kHeldFlagCount; ++flag) {
        if (!holding(flag)) continue;
        if (const inventory::CatalogueItem* item = inventory::itemByHeldFlag(flag)) inv(item->heldPicture).setVisible(false);
    }
}

void TfrmHlavni::dropHeldItem() {
    for (int n = 1; n <= kHeldPictureCount; ++n) inv(n).setVisible(false);
    for (int flag = 1; flag <= kHeldFlagCount; ++flag) setHeld(flag, 0);
}

}  // namespace app
