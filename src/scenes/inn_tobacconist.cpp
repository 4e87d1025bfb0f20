// Hotspots of the inn, the hotel and the tobacconist.
#include "app/data_files.hpp"
#include "app/main_form.hpp"
#include "inventory/item_names.hpp"

namespace app {

namespace {

// The taproom's regulars sit at their table from the evening until the night is over.
bool regularsAtTable(int stage) { return stage >= 20 && stage <= 23; }

}  // namespace

// The inn door: the taproom, the evening once the four parts are found, and closed to the
// agent once he has fled without paying.
void TfrmHlavni::imgCur8Click() {
    if (state.storyStage < 39) {
        state.sceneId += 1;
        state.pictureId += 2;
        showPicture(pic::hospoda2);
        if (regularsAtTable(state.storyStage)) cur(33).setEnabled(true);
        for (int n : {8, 6, 7}) cur(n).setEnabled(false);
        cur(2).setEnabled(true);
        cur(10).setEnabled(state.storyStage == 2);
        cur(11).setEnabled(state.storyStage >= 3);
        const bool allPartsFound =
            state.lineTaken == 1 && state.wireTaken == 1 && state.rodTaken == 1 && state.nutTaken == 1;
        if (allPartsFound && state.storyStage < 21) startCutscene(328);
    }
    if (state.storyStage > 38) startRemark(16);
}

// The innkeeper.
void TfrmHlavni::imgCur10Click() { startCutscene(73); }

// The regulars' table in the evening.
void TfrmHlavni::imgCur33Click() {
    if (state.storyStage == 21) startCutscene(340);
}

// The way from the taproom to the reception.
void TfrmHlavni::imgCur11Click() {
    state.sceneId += 1;
    state.pictureId += 2;
    showPicture(pic::hospoda3);
    cur(11).setEnabled(false);
    cur(33).setEnabled(false);
    cur(12).setEnabled(state.storyStage == 3);
    cur(13).setEnabled(state.storyStage >= 4);
    if (state.storyStage == 34) startCutscene(539);
}

// The receptionist: the conversation parked before the room is let goes on.
void TfrmHlavni::imgCur12Click() { resumeStoryClock(); }

// The way from the reception to the agent's room.
void TfrmHlavni::imgCur13Click() {
    state.sceneId += 1;
    state.pictureId += 2;
    if (state.storyStage == 4) showPicture(pic::pokoj1);
    if (state.storyStage >= 5) showPicture(pic::pokoj1a);
    cur(13).setEnabled(false);
    constexpr int kParkedTick = 127;  // where the script waits for the first visit to the room
    if (state.storyTick == kParkedTick) resumeStoryClock();
    if (state.storyStage == 35) {
        startCutscene(551);
        cur(2).setEnabled(false);
        cur(40).setEnabled(true);
    }
}

// The notebook the agent left in his room.
void TfrmHlavni::imgCur40Click() {
    addInventoryItem(item::zapisnik);
    showPicture(pic::pokoj1);
    cur(40).setEnabled(false);
    state.storyStage = 37;
    state.notebookCarried = 1;
    cur(41).setEnabled(true);
}

// The window of the room.
void TfrmHlavni::imgCur41Click() {
    state.sceneId += 1;
    state.pictureId += 2;
    showPicture(pic::pokoj2a);
    cur(41).setEnabled(false);
    cur(2).setEnabled(true);
    if (state.storyStage == 37) startCutscene(556);
    if (state.storyStage == 38) cur(42).setEnabled(true);
}

// The gardener below the window: only the line with the nut lures him away.
void TfrmHlavni::imgCur42Click() {
    if (!holding(held::LineWithNut)) return;
    dropHeldItem();
    startCutscene(562);
    removeInventoryItem(item::vlasecMatka, 15);
}

// The tobacconist's door.
void TfrmHlavni::imgCur9Click() {
    state.sceneId += 1;
    state.pictureId += 2;
    showPicture(pic::trafika2);
    cur(2).setEnabled(true);
    cur(7).setEnabled(false);
    cur(9).setEnabled(false);
    showOverlay(21, false);
    cur(16).setEnabled(state.storyStage == 7);
    if (state.storyStage == 24) cur(16).setEnabled(true);
}

// The shop assistant: the map on the first day, the newspaper on the second.
void TfrmHlavni::imgCur16Click() {
    if (state.storyStage == 7) startCutscene(170);
    if (state.storyStage == 24) startCutscene(412);
}

// The hammer lying in front of the tobacconist.
void TfrmHlavni::imgCur21Click() {
    addInventoryItem(item::kladivo);
    state.hammerTaken = 1;
    showOverlay(21, false);
}

}  // namespace app
