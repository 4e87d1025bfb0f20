// Leaving the village map for one of its four places.
#include "app/data_files.hpp"
#include "app/main_form.hpp"

namespace app {

namespace {

// Every journey: the place and its picture, and the map folded so that no place can be
// chosen any more and the factory marker goes away.
void travelTo(TfrmHlavni& f, int sceneId, int pictureId, const char* picture) {
    f.state.sceneId = sceneId;
    f.state.pictureId = pictureId;
    f.state.returnMode = 0;
    f.showPicture(picture);
    for (int n = 1; n <= kMapSpotCount; ++n) f.map(n).setEnabled(false);
    f.map(mapspot::Factory).setVisible(false);
}

}  // namespace

void TfrmHlavni::imgMap1Click() {
    travelTo(*this, scene::Square, 1, pic::namesti1);
    enableHotspots({hotspot::TownHallDoor, hotspot::WalkRight, hotspot::WalkLeft});
    showOverlay(hotspot::Nail, false);
    disableHotspots({hotspot::FactoryEntrance});
    if (state.storyStage == stage::WorkersOverheard) cur(hotspot::Well).setEnabled(true);
}

void TfrmHlavni::imgMap2Click() {
    travelTo(*this, scene::PowerPlantGate, 200, pic::elektr1);
    if (state.nailTaken == 0) loadPicture(cur(hotspot::Nail), pic::elhrebik);
    showOverlay(hotspot::Nail, state.nailTaken == 0);
    enableHotspots({hotspot::IntoYard});
    disableHotspots({hotspot::FactoryEntrance});
    if (state.storyTick == tick::MapBought) resumeStoryClock();
}

void TfrmHlavni::imgMap3Click() {
    travelTo(*this, scene::Park, 400, pic::park);
    showOverlay(hotspot::Nail, false);
    disableHotspots({hotspot::FactoryEntrance});
    if (state.storyStage == stage::WellOpeningSeen) cur(hotspot::Madman).setEnabled(true);
}

void TfrmHlavni::imgMap4Click() {
    travelTo(*this, scene::FactoryFront, 600, pic::tovarna1);
    // The agent has found the factory and decides to look inside.
    if (state.storyStage == stage::FactoryHeardOf) resumeStoryClock();
    showOverlay(hotspot::Nail, false);
    enableHotspots({hotspot::FactoryEntrance});
    if (state.storyStage > stage::FactoryHeardOf) cur(hotspot::ToSideYard).setEnabled(true);
}

}  // namespace app
