// Hotspots of the factory and the park.
#include "app/data_files.hpp"
#include "app/main_form.hpp"
#include "inventory/item_names.hpp"
#include "scenes/scene_table.hpp"

namespace app {

// The factory entrance.
void TfrmHlavni::imgCur27Click() {
    stepInto(pic::tovarna2);
    disableHotspots({hotspot::FactoryEntrance});
    enableHotspots({hotspot::StepBack});
    // The director receives the agent only for the two talks; otherwise his hotspot keeps its state.
    if (state.storyStage == stage::AtFactory) cur(hotspot::Director).setEnabled(true);
    if (state.storyStage == stage::NewspaperRead) cur(hotspot::Director).setEnabled(true);
}

// The director.
void TfrmHlavni::imgCur28Click() {
    if (state.storyStage == stage::AtFactory) startCutscene(cutscene::DirectorFirstTalk);
    if (state.storyStage == stage::NewspaperRead) startCutscene(cutscene::DirectorSecondTalk);
}

// From the factory front to the side yard on the left.
void TfrmHlavni::imgCur29Click() {
    state.sceneId = scene::FactorySideYard;
    state.pictureId = 620;
    showPicture(pic::tovarna3);
    loadPicture(cur(hotspot::Rod), pic::totyc);
    showOverlay(hotspot::Rod, state.rodTaken == 0);
    // Out of the office the director cannot be talked to; the entrance brings him back.
    disableHotspots({hotspot::ToSideYard, hotspot::FactoryEntrance, hotspot::Director});
    enableHotspots({hotspot::StepBack, hotspot::FactoryStoreDoor});
}

// The rod lying in the side yard.
void TfrmHlavni::imgCur30Click() {
    pickUp(state.rodTaken, item::tyc, hotspot::Rod);
}

// From the side yard into the store, where two workers talk on the second day.
void TfrmHlavni::imgCur31Click() {
    stepInto(scenes::scenePicture(scene::FactoryStore, state.storyStage));
    loadPicture(cur(hotspot::Nut), pic::tomatka);
    showOverlay(hotspot::Nut, state.nutTaken == 0);
    disableHotspots({hotspot::FactoryStoreDoor});
    showOverlay(hotspot::Rod, false);
    if (state.storyStage == stage::DirectorMetAgain) startCutscene(cutscene::Workers);
}

// The nut lying in the store.
void TfrmHlavni::imgCur32Click() {
    pickUp(state.nutTaken, item::matka, hotspot::Nut);
}

// The madman in the park.
void TfrmHlavni::imgCur35Click() { startCutscene(cutscene::Madman); }

}  // namespace app
