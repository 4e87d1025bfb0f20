// Hotspots of the power plant, with the jammed storeroom lock.
#include "app/data_files.hpp"
#include "app/main_form.hpp"
#include "inventory/item_names.hpp"

#include <array>

namespace app {

namespace {

// The remark "this way it does not work", for the wrong item on the lock.
constexpr int kWrongItemRemark = 6;

// One step of the lock puzzle: the item that works at that storyStage and what it does.
struct LockStep {
    int stage;
    int item;              // the held flag of the item that works
    const char* overlay;   // the lock's new picture, or nullptr when the hammer strikes
    const char* strike;    // the full-scene picture of the hammer blow, or nullptr
    int nextStage;
};

// In the order the lock tests them; each tests the storyStage the earlier rows left, and
// the stages run downwards, so one click makes at most one step.
constexpr std::array<LockStep, 5> kLockSteps = {{
    {.stage = 16, .item = held::Hammer, .strike = pic::story5, .nextStage = 17},      // knocks the piece out
    {.stage = 15, .item = held::Nail, .overlay = pic::el4, .nextStage = 16},          // nail into the opened lock
    {.stage = 14, .item = held::Cartridges, .overlay = pic::el3, .nextStage = 15},   // gunpowder into the lock
    {.stage = 12, .item = held::Hammer, .strike = pic::story4, .nextStage = 13},      // the nail is stuck
    {.stage = 11, .item = held::Nail, .overlay = pic::el2, .nextStage = 12},          // nail into the lock
}};

// The lock the agent sees at the storeroom door, by storyStage 10 to 17 (nullptr: none).
const char* lockPictureAt(int stage) {
    switch (stage) {
        case 10:
        case 11:
        case 13:
        case 14:
            return pic::el1;
        case 12:
            return pic::el2;
        case 15:
            return pic::el3;
        case 16:
            return pic::el4;
        default:
            return nullptr;
    }
}

// The stages at which the lock takes a click when the agent comes to the door. At 16 the
// lock still waits for the hammer, so an agent who stepped away can finish it on his return.
bool lockTakesClicks(int stage) { return (stage >= 10 && stage <= 16) && stage != 13; }

}  // namespace

// The nail lying at the gate.
void TfrmHlavni::imgCur17Click() {
    addInventoryItem(item::hrebik);
    dropHeldItem();
    state.nailTaken = 1;
    showOverlay(17, false);
}

// From the gate into the yard.
void TfrmHlavni::imgCur18Click() {
    state.sceneId += 1;
    state.pictureId += 2;
    showPicture(pic::elektr2);
    cur(18).setEnabled(false);
    showOverlay(17, false);
    cur(19).setEnabled(true);
    cur(2).setEnabled(true);
    cur(20).setEnabled(state.storyStage >= 10);
    if (state.storyStage < 18) {
        cur(23).setEnabled(false);
    } else {
        cur(23).setEnabled(true);
        cur(20).setEnabled(false);
    }
}

// The maintenance man: he wants the service card, then the lock repaired. At storyStage 9
// the card row follows the repeat row, so the card decides the start value.
void TfrmHlavni::imgCur19Click() {
    if (state.storyStage == 8) startCutscene(200);
    if (state.storyStage == 9) startCutscene(200);
    if (state.storyStage == 9 && holding(held::ServiceCard)) {
        startCutscene(220);
        setHeld(held::ServiceCard, 0);
        dropHeldItem();
    }
    if (state.storyStage == 17) resumeStoryClock();
}

// From the yard to the storeroom door and its lock.
void TfrmHlavni::imgCur20Click() {
    state.sceneId = 120;
    state.pictureId = 140;
    showPicture(pic::elektr3);
    const int stage = state.storyStage;
    if (const char* lock = lockPictureAt(stage)) {
        loadPicture(cur(22), lock);
        cur(22).setVisible(true);
    }
    if (stage == 17) cur(22).setVisible(false);
    if (stage == 10) resumeStoryClock();
    cur(19).setEnabled(false);
    cur(20).setEnabled(false);
    // The machine hall door belongs to the yard; left on, it would lead from the lock to scene 121.
    cur(23).setEnabled(false);
    cur(2).setEnabled(true);
    cur(22).setEnabled(lockTakesClicks(stage));
}

// The storeroom lock: nail, hammer, cartridges, nail, hammer.
void TfrmHlavni::imgCur22Click() {
    for (const LockStep& step : kLockSteps) {
        if (state.storyStage != step.stage) continue;
        if (!holding(step.item)) {
            startRemark(kWrongItemRemark);
            continue;
        }
        if (step.strike != nullptr) {
            showPicture(step.strike);
            cur(22).setVisible(false);
            resumeStoryClock();
        } else {
            loadPicture(cur(22), step.overlay);
        }
        state.storyStage = step.nextStage;
        setHeld(step.item, 0);
        dropHeldItem();
        if (step.stage == 14) cur(22).setEnabled(true);
    }
    if (state.storyStage == 18) {
        showOverlay(22, false);
        cur(23).setEnabled(false);
    }
}

// From the yard into the machine hall.
void TfrmHlavni::imgCur23Click() {
    state.sceneId += 1;
    state.pictureId += 2;
    showPicture(pic::elektr4);
    loadPicture(cur(25), pic::elvlasec);
    showOverlay(25, state.lineTaken == 0);
    cur(2).setEnabled(true);
    cur(20).setEnabled(false);
    cur(23).setEnabled(false);
    cur(24).setEnabled(true);
}

// From the machine hall into the back room.
void TfrmHlavni::imgCur24Click() {
    state.sceneId += 1;
    state.pictureId += 2;
    showPicture(pic::elektr5);
    loadPicture(cur(26), pic::eldrat);
    showOverlay(26, state.wireTaken == 0);
    showOverlay(25, false);
    cur(24).setEnabled(false);
    cur(2).setEnabled(true);
}

// The fishing line in the machine hall.
void TfrmHlavni::imgCur25Click() {
    state.lineTaken = 1;
    dropHeldItem();
    addInventoryItem(item::vlasec);
    showOverlay(25, false);
    dropHeldItem();
}

// The wire in the back room.
void TfrmHlavni::imgCur26Click() {
    state.wireTaken = 1;
    dropHeldItem();
    addInventoryItem(item::drat);
    showOverlay(26, false);
    dropHeldItem();
}

}  // namespace app
