// Leaving the village map for one of its four places.
#include "app/data_files.hpp"
#include "app/main_form.hpp"

namespace app {

namespace {

// Folds the map: no place can be chosen any more and the factory marker goes away.
void closeMap(TfrmHlavni& f) {
    for (int n = 1; n <= kMapSpotCount; ++n) f.map(n).setEnabled(false);
    f.map(mapspot::Factory).setVisible(false);
}

}  // namespace

void TfrmHlavni::imgMap1Click() {
    state.sceneId = scene::Square;
    state.pictureId = 1;
    state.returnMode = 0;
    showPicture(pic::namesti1);
    closeMap(*this);
    for (int n : {hotspot::TownHallDoor, hotspot::WalkRight, hotspot::WalkLeft}) cur(n).setEnabled(true);
    showOverlay(hotspot::Nail, false);
    cur(hotspot::FactoryEntrance).setEnabled(false);
    if (state.storyStage == stage::WorkersOverheard) cur(hotspot::Well).setEnabled(true);
}

void TfrmHlavni::imgMap2Click() {
    state.sceneId = scene::PowerPlantGate;
    state.pictureId = 200;
    state.returnMode = 0;
    showPicture(pic::elektr1);
    if (state.nailTaken == 0) loadPicture(cur(hotspot::Nail), pic::elhrebik);
    showOverlay(hotspot::Nail, state.nailTaken == 0);
    closeMap(*this);
    cur(hotspot::IntoYard).setEnabled(true);
    cur(hotspot::FactoryEntrance).setEnabled(false);
    if (state.storyTick == tick::MapBought) resumeStoryClock();
}

void TfrmHlavni::imgMap3Click() {
    state.sceneId = scene::Park;
    state.pictureId = 400;
    state.returnMode = 0;
    showPicture(pic::park);
    closeMap(*this);
    showOverlay(hotspot::Nail, false);
    cur(hotspot::FactoryEntrance).setEnabled(false);
    if (state.storyStage == stage::WellOpeningSeen) cur(hotspot::Madman).setEnabled(true);
}

void TfrmHlavni::imgMap4Click() {
    state.sceneId = scene::FactoryFront;
    state.pictureId = 600;
    state.returnMode = 0;
    // The agent has found the factory and decides to look inside.
    if (state.storyStage == stage::FactoryHeardOf) resumeStoryClock();
    showOverlay(hotspot::Nail, false);
    showPicture(pic::tovarna1);
    cur(hotspot::FactoryEntrance).setEnabled(true);
    closeMap(*this);
    if (state.storyStage > stage::FactoryHeardOf) cur(hotspot::ToSideYard).setEnabled(true);
}

}  // namespace app
