// Hotspots of the square, the cash machine, the town hall and the secret passage.
#include "app/data_files.hpp"
#include "app/main_form.hpp"
#include "inventory/item_names.hpp"
#include "scenes/scene_table.hpp"

#include <string>

namespace app {

// The town hall door on the square.
void TfrmHlavni::imgCur1Click() {
    state.sceneId = scene::TownHallEntrance;
    state.pictureId = 3;
    showPicture(pic::urad1);
    disableHotspots({hotspot::TownHallDoor});
    enableHotspots({hotspot::StepBack, hotspot::TownHallInnerDoor});
    disableHotspots({hotspot::OfficeDoor, hotspot::WalkRight, hotspot::WalkLeft, hotspot::Well});
}

// The well on the square: the agent spots an opening at the water level.
void TfrmHlavni::imgCur34Click() { startCutscene(cutscene::Well); }

// The cash machine seen from the street.
void TfrmHlavni::imgCur14Click() {
    stepInto(pic::bankomat2);
    disableHotspots({hotspot::WalkRight, hotspot::CashMachine});
    enableHotspots({hotspot::StepBack});
    cur(hotspot::CardSlot).setEnabled(state.storyStage == stage::CashMachineKnown);
}

// The card slot: only the credit card goes in, and the machine keeps it.
void TfrmHlavni::imgCur15Click() {
    if (!holding(held::CreditCard)) {
        startRemark(remark::HandIntoSlot);
        return;
    }
    removeInventoryItem(item::kreditniKarta, 2);
    state.cardOwned = 0;
    startCutscene(cutscene::CashMachine);
    setHeld(held::CreditCard, 0);
}

// The inner door of the town hall.
void TfrmHlavni::imgCur3Click() {
    state.sceneId = scene::TownHallCorridor;
    state.pictureId = 5;
    showPicture(pic::urad2);
    disableHotspots({hotspot::TownHallDoor});
    enableHotspots({hotspot::StepBack});
    disableHotspots({hotspot::TownHallInnerDoor});
    enableHotspots({hotspot::OfficeDoor});
    if (state.storyStage == stage::OfficeLocked) cur(hotspot::OfficeDoorLock).setEnabled(true);
}

// The door of the mayor's office: open except while the agent investigates the second day,
// when after the madman's story it turns out to be locked.
void TfrmHlavni::imgCur4Click() {
    const int storyStage = state.storyStage;
    if (storyStage < stage::SecondMorning || storyStage > stage::OfficeLocked) {
        state.sceneId = scene::MayorsOffice;
        state.pictureId = 7;
        showPicture(scenes::scenePicture(scene::MayorsOffice, storyStage));
        if (storyStage >= stage::SecondMorning) cur(hotspot::MayorsBackRoomDoor).setEnabled(true);
        if (storyStage >= stage::SecretEntranceFound) cur(hotspot::SecretEntrance).setEnabled(true);
        disableHotspots({hotspot::TownHallDoor});
        enableHotspots({hotspot::StepBack});
        disableHotspots({hotspot::TownHallInnerDoor, hotspot::OfficeDoor});
        enableHotspots({hotspot::Mayor});
    }
    if (storyStage == stage::MadmanHeard || storyStage == stage::OfficeLocked) startCutscene(cutscene::OfficeLocked);
}

// The lock of the office door: the wire picks it, anything else is only a remark.
void TfrmHlavni::imgCur36Click() {
    if (!holding(held::Wire)) {
        startRemark(remark::CantGetIn);
        dropHeldItem();
        return;
    }
    startCutscene(cutscene::PickingLock);
    dropHeldItem();
}

// The mayor: the first talk, the service card, and the report once the agent has a room.
void TfrmHlavni::imgCur5Click() {
    switch (state.storyStage) {
        case stage::Start:
            startCutscene(cutscene::MayorFirstTalk);
            break;
        case stage::MayorWantsCard:
            if (holding(held::ServiceCard)) {
                startCutscene(cutscene::MayorSeesCard);
                dropHeldItem();
            } else {
                startCutscene(cutscene::MayorFirstTalk);
            }
            break;
        case stage::SettledIn:
            resumeStoryClock();
            break;
        default:
            break;
    }
}

// The door to the mayor's back room.
void TfrmHlavni::imgCur37Click() {
    stepInto(pic::urad4);
    disableHotspots({hotspot::MayorsBackRoomDoor, hotspot::SecretEntrance});
    if (state.storyStage == stage::OfficeLockPicked) cur(hotspot::SecretButton).setEnabled(true);
}

// The button in the back room that opens the secret entrance.
void TfrmHlavni::imgCur38Click() { startCutscene(cutscene::SecretButton); }

// The secret entrance: first the agent fetches a phone number, later he goes in.
void TfrmHlavni::imgCur39Click() {
    const int storyStage = state.storyStage;
    if (storyStage == stage::SecretEntranceFound || storyStage == stage::FetchingNumber)
        startCutscene(cutscene::SecretEntrance);
    if (storyStage > stage::GardenerBelow) {
        state.sceneId += 2;
        state.pictureId += 4;
        // During the chase the passage shows no picture of its own.
        if (const std::string passage = scenes::scenePicture(scene::PassageFirstRoom, storyStage); !passage.empty())
            showPicture(passage);
        if (storyStage < stage::Chase) cur(hotspot::FirstRoomWayOn).setEnabled(true);
        if (storyStage > stage::Chase) cur(hotspot::FirstRoomWayOn).setEnabled(false);
        disableHotspots({hotspot::SecretEntrance, hotspot::MayorsBackRoomDoor});
    }
}

// The way on from the first room of the secret passage.
void TfrmHlavni::imgCur43Click() {
    stepInto(scenes::scenePicture(scene::PassageSecondRoom, state.storyStage));
    disableHotspots({hotspot::FirstRoomWayOn});
    if (state.storyStage == stage::EscapedThroughWindow) cur(hotspot::Prisoner).setEnabled(true);
    if (state.storyStage > stage::EscapedThroughWindow) cur(hotspot::SecondRoomWayOn).setEnabled(true);
}

// The prisoner: the missing engineer.
void TfrmHlavni::imgCur44Click() { startCutscene(cutscene::Engineer); }

// The way on from the second room.
void TfrmHlavni::imgCur45Click() {
    // The third room loads a picture only right after the engineer's death; otherwise the last one stays.
    stepInto(scenes::scenePicture(scene::PassageThirdRoom, state.storyStage));
    disableHotspots({hotspot::SecondRoomWayOn});
    enableHotspots({hotspot::ThirdRoomWayOn});
}

// The way on from the third room into the last one.
void TfrmHlavni::imgCur46Click() {
    stepInto(pic::tt4);
    disableHotspots({hotspot::ThirdRoomWayOn});
}

// The door of the first room during the chase: only the rod bars it, and the death
// countdown stops before the story clock goes on.
void TfrmHlavni::imgCur47Click() {
    if (!holding(held::Rod)) return;
    showPicture(pic::tt1c);
    TimerDead.setEnabled(false);
    enableHotspots({hotspot::StepBack});
    startCutscene(cutscene::DoorBarred);
    disableHotspots({hotspot::DoorToBar});
    dropHeldItem();
    removeInventoryItem(item::tyc, 15);
}

}  // namespace app
