// Hotspots of the factory and the park.
#include "app/data_files.hpp"
#include "app/main_form.hpp"
#include "inventory/item_names.hpp"
#include "scenes/scene_table.hpp"

namespace app {

// The factory entrance.
void TfrmHlavni::imgCur27Click() {
    state.sceneId += 1;
    state.pictureId += 2;
    showPicture(pic::tovarna2);
    cur(27).setEnabled(false);
    cur(2).setEnabled(true);
    // The director receives the agent only for the two talks; otherwise his hotspot keeps its state.
    if (state.storyStage == 19) cur(28).setEnabled(true);
    if (state.storyStage == 26) cur(28).setEnabled(true);
}

// The director.
void TfrmHlavni::imgCur28Click() {
    if (state.storyStage == 19) startCutscene(298);
    if (state.storyStage == 26) startCutscene(426);
}

// From the factory front to the side yard on the left.
void TfrmHlavni::imgCur29Click() {
    state.sceneId = 310;
    state.pictureId = 620;
    showPicture(pic::tovarna3);
    loadPicture(cur(30), pic::totyc);
    showOverlay(30, state.rodTaken == 0);
    cur(29).setEnabled(false);
    cur(27).setEnabled(false);
    cur(2).setEnabled(true);
    cur(31).setEnabled(true);
}

// The rod lying in the side yard.
void TfrmHlavni::imgCur30Click() {
    state.rodTaken = 1;
    dropHeldItem();
    addInventoryItem(item::tyc);
    showOverlay(30, false);
}

// From the side yard into the store, where two workers talk on the second day.
void TfrmHlavni::imgCur31Click() {
    state.sceneId += 1;
    state.pictureId += 2;
    showPicture(scenes::scenePicture(311, state.storyStage));
    loadPicture(cur(32), pic::tomatka);
    showOverlay(32, state.nutTaken == 0);
    cur(31).setEnabled(false);
    showOverlay(30, false);
    if (state.storyStage == 27) startCutscene(447);
}

// The nut lying in the store.
void TfrmHlavni::imgCur32Click() {
    state.nutTaken = 1;
    dropHeldItem();
    addInventoryItem(item::matka);
    showOverlay(32, false);
}

// The madman in the park.
void TfrmHlavni::imgCur35Click() { startCutscene(471); }

}  // namespace app
