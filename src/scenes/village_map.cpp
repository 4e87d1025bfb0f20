// Leaving the village map for one of its four places.
#include "app/data_files.hpp"
#include "app/main_form.hpp"

namespace app {

namespace {

constexpr int kWellStage = 28;
constexpr int kMadmanStage = 29;
constexpr int kFactoryFoundStage = 18;
// The script stops here after the map was bought and goes on once the agent reaches the plant.
constexpr int kMapBoughtTick = 195;

// Folds the map: no place can be chosen any more and the factory marker goes away.
void closeMap(TfrmHlavni& f) {
    for (int n = 1; n <= kMapSpotCount; ++n) f.map(n).setEnabled(false);
    f.map(4).setVisible(false);
}

}  // namespace

void TfrmHlavni::imgMap1Click() {
    state.sceneId = 1;
    state.pictureId = 1;
    state.returnMode = 0;
    showPicture(pic::namesti1);
    closeMap(*this);
    for (int n : {1, 6, 7}) cur(n).setEnabled(true);
    showOverlay(17, false);
    cur(27).setEnabled(false);
    if (state.storyStage == kWellStage) cur(34).setEnabled(true);
}

void TfrmHlavni::imgMap2Click() {
    state.sceneId = 100;
    state.pictureId = 200;
    state.returnMode = 0;
    showPicture(pic::elektr1);
    if (state.nailTaken == 0) loadPicture(cur(17), pic::elhrebik);
    showOverlay(17, state.nailTaken == 0);
    closeMap(*this);
    cur(18).setEnabled(true);
    cur(27).setEnabled(false);
    if (state.storyTick == kMapBoughtTick) resumeStoryClock();
}

void TfrmHlavni::imgMap3Click() {
    state.sceneId = 200;
    state.pictureId = 400;
    state.returnMode = 0;
    showPicture(pic::park);
    closeMap(*this);
    showOverlay(17, false);
    cur(27).setEnabled(false);
    if (state.storyStage == kMadmanStage) cur(35).setEnabled(true);
}

void TfrmHlavni::imgMap4Click() {
    state.sceneId = 300;
    state.pictureId = 600;
    state.returnMode = 0;
    // The agent has found the factory and decides to look inside.
    if (state.storyStage == kFactoryFoundStage) resumeStoryClock();
    showOverlay(17, false);
    showPicture(pic::tovarna1);
    cur(27).setEnabled(true);
    closeMap(*this);
    if (state.storyStage > kFactoryFoundStage) cur(29).setEnabled(true);
}

}  // namespace app
