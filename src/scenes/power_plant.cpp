// Hotspots of the power plant, with the jammed storeroom lock.
#include "app/data_files.hpp"
#include "app/main_form.hpp"
#include "inventory/item_names.hpp"

#include <array>

namespace app {

namespace {

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
    {.stage = stage::NailOnGunpowder, .item = held::Hammer, .strike = pic::story5,
     .nextStage = stage::LockRepaired},  // fires the powder and knocks the piece out
    {.stage = stage::GunpowderInLock, .item = held::Nail, .overlay = pic::el4,
     .nextStage = stage::NailOnGunpowder},  // nail into the opened lock
    {.stage = stage::NailStuck, .item = held::Cartridges, .overlay = pic::el3,
     .nextStage = stage::GunpowderInLock},  // gunpowder into the lock
    {.stage = stage::NailInLock, .item = held::Hammer, .strike = pic::story4,
     .nextStage = stage::NailHammered},  // the nail gets stuck
    {.stage = stage::LockExamined, .item = held::Nail, .overlay = pic::el2,
     .nextStage = stage::NailInLock},  // nail into the lock
}};

// The lock the agent sees at the storeroom door while it is being repaired (nullptr: none).
const char* lockPictureAt(int storyStage) {
    switch (storyStage) {
        case stage::LockToRepair:
        case stage::LockExamined:
        case stage::NailHammered:
        case stage::NailStuck:
            return pic::el1;
        case stage::NailInLock:
            return pic::el2;
        case stage::GunpowderInLock:
            return pic::el3;
        case stage::NailOnGunpowder:
            return pic::el4;
        default:
            return nullptr;
    }
}

// The stages at which the lock takes a click when the agent comes to the door. With the nail
// on the powder the lock still waits for the hammer, so an agent who stepped away can finish
// it on his return.
bool lockTakesClicks(int storyStage) {
    return storyStage >= stage::LockToRepair && storyStage <= stage::NailOnGunpowder &&
           storyStage != stage::NailHammered;
}

}  // namespace

// The nail lying at the gate.
void TfrmHlavni::imgCur17Click() {
    pickUp(state.nailTaken, item::hrebik, hotspot::Nail);
}

// From the gate into the yard.
void TfrmHlavni::imgCur18Click() {
    stepInto(pic::elektr2);
    disableHotspots({hotspot::IntoYard});
    showOverlay(hotspot::Nail, false);
    enableHotspots({hotspot::MaintenanceMan, hotspot::StepBack});
    cur(hotspot::StoreroomDoor).setEnabled(state.storyStage >= stage::LockToRepair);
    if (state.storyStage < stage::FactoryHeardOf) {
        disableHotspots({hotspot::MachineHallDoor});
    } else {
        enableHotspots({hotspot::MachineHallDoor});
        disableHotspots({hotspot::StoreroomDoor});
    }
}

// The maintenance man: he wants the service card, then the lock repaired. Until he has seen
// the card he repeats the first talk; the card row comes after, so the card decides the start value.
void TfrmHlavni::imgCur19Click() {
    const int storyStage = state.storyStage;
    if (storyStage == stage::MapBought || storyStage == stage::MaintenanceWantsCard)
        startCutscene(cutscene::MaintenanceFirstTalk);
    if (storyStage == stage::MaintenanceWantsCard && holding(held::ServiceCard)) {
        startCutscene(cutscene::MaintenanceSeesCard);
        setHeld(held::ServiceCard, 0);
        dropHeldItem();
    }
    if (storyStage == stage::LockRepaired) resumeStoryClock();
}

// From the yard to the storeroom door and its lock.
void TfrmHlavni::imgCur20Click() {
    state.sceneId = scene::StoreroomLock;
    state.pictureId = 140;
    showPicture(pic::elektr3);
    const int storyStage = state.storyStage;
    if (const char* lock = lockPictureAt(storyStage)) {
        loadPicture(cur(hotspot::StoreroomLock), lock);
        cur(hotspot::StoreroomLock).setVisible(true);
    }
    if (storyStage == stage::LockRepaired) cur(hotspot::StoreroomLock).setVisible(false);
    if (storyStage == stage::LockToRepair) resumeStoryClock();
    disableHotspots({hotspot::MaintenanceMan, hotspot::StoreroomDoor});
    // The machine hall door belongs to the yard; left on, it would lead from the lock to scene 121.
    disableHotspots({hotspot::MachineHallDoor});
    enableHotspots({hotspot::StepBack});
    cur(hotspot::StoreroomLock).setEnabled(lockTakesClicks(storyStage));
}

// The storeroom lock: nail, hammer, cartridges, nail, hammer.
void TfrmHlavni::imgCur22Click() {
    for (const LockStep& step : kLockSteps) {
        if (state.storyStage != step.stage) continue;
        if (!holding(step.item)) {
            startRemark(remark::WontWork);
            continue;
        }
        if (step.strike != nullptr) {
            showPicture(step.strike);
            cur(hotspot::StoreroomLock).setVisible(false);
            resumeStoryClock();
        } else {
            loadPicture(cur(hotspot::StoreroomLock), step.overlay);
        }
        state.storyStage = step.nextStage;
        setHeld(step.item, 0);
        dropHeldItem();
        if (step.stage == stage::NailStuck) cur(hotspot::StoreroomLock).setEnabled(true);
    }
    if (state.storyStage == stage::FactoryHeardOf) {
        showOverlay(hotspot::StoreroomLock, false);
        disableHotspots({hotspot::MachineHallDoor});
    }
}

// From the yard into the machine hall.
void TfrmHlavni::imgCur23Click() {
    stepInto(pic::elektr4);
    loadPicture(cur(hotspot::FishingLine), pic::elvlasec);
    showOverlay(hotspot::FishingLine, state.lineTaken == 0);
    enableHotspots({hotspot::StepBack});
    disableHotspots({hotspot::StoreroomDoor, hotspot::MachineHallDoor});
    enableHotspots({hotspot::PlantBackRoomDoor});
}

// From the machine hall into the back room.
void TfrmHlavni::imgCur24Click() {
    stepInto(pic::elektr5);
    loadPicture(cur(hotspot::Wire), pic::eldrat);
    showOverlay(hotspot::Wire, state.wireTaken == 0);
    showOverlay(hotspot::FishingLine, false);
    disableHotspots({hotspot::PlantBackRoomDoor});
    enableHotspots({hotspot::StepBack});
}

// The fishing line in the machine hall.
void TfrmHlavni::imgCur25Click() {
    pickUp(state.lineTaken, item::vlasec, hotspot::FishingLine);
}

// The wire in the back room.
void TfrmHlavni::imgCur26Click() {
    pickUp(state.wireTaken, item::drat, hotspot::Wire);
}

}  // namespace app
