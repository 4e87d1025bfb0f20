// Hotspots of the square, the cash machine, the town hall and the secret passage.
#include "app/data_files.hpp"
#include "app/main_form.hpp"
#include "inventory/item_names.hpp"
#include "scenes/scene_table.hpp"

#include <string>

namespace app {

// The town hall door on the square.
void TfrmHlavni::imgCur1Click() {
    state.sceneId = 2;
    state.pictureId = 3;
    showPicture(pic::urad1);
    cur(1).setEnabled(false);
    cur(2).setEnabled(true);
    cur(3).setEnabled(true);
    for (int n : {4, 6, 7, 34}) cur(n).setEnabled(false);
}

// The well on the square: the agent spots an opening at the water level.
void TfrmHlavni::imgCur34Click() { startCutscene(464); }

// The cash machine seen from the street.
void TfrmHlavni::imgCur14Click() {
    state.sceneId += 1;
    state.pictureId += 2;
    showPicture(pic::bankomat2);
    cur(6).setEnabled(false);
    cur(14).setEnabled(false);
    cur(2).setEnabled(true);
    cur(15).setEnabled(state.storyStage == 6);
}

// The card slot: only the credit card goes in, and the machine keeps it.
void TfrmHlavni::imgCur15Click() {
    if (!holding(held::CreditCard)) {
        startRemark(0);
        return;
    }
    removeInventoryItem(item::kreditniKarta, 2);
    state.cardOwned = 0;
    startCutscene(153);
    setHeld(held::CreditCard, 0);
}

// The inner door of the town hall.
void TfrmHlavni::imgCur3Click() {
    state.sceneId = 3;
    state.pictureId = 5;
    showPicture(pic::urad2);
    cur(1).setEnabled(false);
    cur(2).setEnabled(true);
    cur(3).setEnabled(false);
    cur(4).setEnabled(true);
    if (state.storyStage == 31) cur(36).setEnabled(true);
}

// The door of the mayor's office: open except while the agent investigates the second day,
// when from storyStage 30 it turns out to be locked.
void TfrmHlavni::imgCur4Click() {
    const int stage = state.storyStage;
    if (stage < 24 || stage > 31) {
        state.sceneId = 4;
        state.pictureId = 7;
        showPicture(scenes::scenePicture(4, stage));
        if (stage >= 24) cur(37).setEnabled(true);
        if (stage >= 33) cur(39).setEnabled(true);
        cur(1).setEnabled(false);
        cur(2).setEnabled(true);
        cur(3).setEnabled(false);
        cur(4).setEnabled(false);
        cur(5).setEnabled(true);
    }
    if (stage == 30 || stage == 31) startCutscene(511);
}

// The lock of the office door: the wire picks it, anything else is only a remark.
void TfrmHlavni::imgCur36Click() {
    if (!holding(held::Wire)) {
        startRemark(12);
        dropHeldItem();
        return;
    }
    startCutscene(517);
    dropHeldItem();
}

// The mayor: the first talk, the service card, and the report once the agent has a room.
void TfrmHlavni::imgCur5Click() {
    switch (state.storyStage) {
        case 0:
            startCutscene(22);
            break;
        case 1:
            if (holding(held::ServiceCard)) {
                startCutscene(37);
                dropHeldItem();
            } else {
                startCutscene(22);
            }
            break;
        case 5:
            resumeStoryClock();
            break;
        default:
            break;
    }
}

// The door to the mayor's back room.
void TfrmHlavni::imgCur37Click() {
    state.sceneId += 1;
    state.pictureId += 2;
    showPicture(pic::urad4);
    cur(37).setEnabled(false);
    cur(39).setEnabled(false);
    if (state.storyStage == 32) cur(38).setEnabled(true);
}

// The button in the back room that opens the secret entrance.
void TfrmHlavni::imgCur38Click() { startCutscene(521); }

// The secret entrance: first the agent fetches a phone number, later he goes in.
void TfrmHlavni::imgCur39Click() {
    const int stage = state.storyStage;
    if (stage == 33 || stage == 34) startCutscene(532);
    if (stage > 38) {
        state.sceneId += 2;
        state.pictureId += 4;
        // At 41, during the chase, the passage shows no picture of its own.
        if (const std::string passage = scenes::scenePicture(6, stage); !passage.empty()) showPicture(passage);
        if (stage < 41) cur(43).setEnabled(true);
        if (stage > 41) cur(43).setEnabled(false);
        cur(39).setEnabled(false);
        cur(37).setEnabled(false);
    }
}

// The way on from the first room of the secret passage.
void TfrmHlavni::imgCur43Click() {
    state.sceneId += 1;
    state.pictureId += 2;
    showPicture(scenes::scenePicture(7, state.storyStage));
    cur(43).setEnabled(false);
    if (state.storyStage == 39) cur(44).setEnabled(true);
    if (state.storyStage > 39) cur(45).setEnabled(true);
}

// The prisoner: the missing engineer.
void TfrmHlavni::imgCur44Click() { startCutscene(576); }

// The way on from the second room.
void TfrmHlavni::imgCur45Click() {
    state.sceneId += 1;
    state.pictureId += 2;
    // The third room loads a picture only at storyStage 40; otherwise the last one stays.
    if (const std::string room = scenes::scenePicture(8, state.storyStage); !room.empty()) showPicture(room);
    cur(45).setEnabled(false);
    cur(46).setEnabled(true);
}

// The way on from the third room into the last one.
void TfrmHlavni::imgCur46Click() {
    state.sceneId += 1;
    state.pictureId += 2;
    showPicture(pic::tt4);
    cur(46).setEnabled(false);
}

// The door of the first room during the chase: only the rod bars it, and the death
// countdown stops before the story clock goes on.
void TfrmHlavni::imgCur47Click() {
    if (!holding(held::Rod)) return;
    showPicture(pic::tt1c);
    TimerDead.setEnabled(false);
    cur(2).setEnabled(true);
    startCutscene(685);
    cur(47).setEnabled(false);
    dropHeldItem();
    removeInventoryItem(item::tyc, 15);
}

}  // namespace app
