// "Nahrát": the fixed state of the second morning.
#include "app/data_files.hpp"
#include "app/main_form.hpp"
#include "inventory/item_names.hpp"

namespace app {

namespace {

// What the agent carries on the second morning, in the order it is put into the list.
constexpr std::array<const char*, 13> kCheckpointInventory = {
    item::sluzebniPrukaz, item::zbran,  item::zasobnik, item::naboje, item::kladivo,
    item::penize,         item::mapa,   item::hrebik,   item::vlasec, item::drat,
    item::tyc,            item::matka,  item::mobilniTelefon,
};

// The hotel room's pictureId on the second morning.
constexpr int kHotelRoomPicture = 26;

}  // namespace

void TfrmHlavni::mmNahratClick() {
    Timer.setEnabled(false);
    TimerDead.setEnabled(false);
    imgClona->setEnabled(false);
    state.storyStage = stage::SecondMorning;
    clearDialogueHistory();
    showPicture(pic::pokoj1a);
    disableAllHotspots();
    // Nothing of the scene left behind may show in the room, and an open map is folded so its
    // places cannot be clicked unseen.
    clearLeftovers();
    for (int n = 1; n <= kMapSpotCount; ++n) map(n).setEnabled(false);
    state.returnMode = 0;
    enableHotspots({hotspot::StepBack});
    state.sceneId = scene::HotelRoom;
    state.pictureId = kHotelRoomPicture;
    state.storyTick = tick::SecondMorning;
    state.itemCount = static_cast<std::int32_t>(kCheckpointInventory.size());
    state.notebookLeft = 1;
    clearInventory();
    for (int n = 1; n <= kHeldPictureCount; ++n) {
        inv(n).setVisible(true);
        inv(n).setEnabled(true);
    }
    dropHeldItem();
    setPlayerControls(true);
    for (const char* caption : kCheckpointInventory) appendInventoryEntry(caption);
    imgHlavni->setEnabled(true);
    loadHeldPictures(HeldPictureSet::Checkpoint);
    state.cardOwned = 0;
    state.lineTaken = 1;
    state.wireTaken = 1;
    state.rodTaken = 1;
    state.nutTaken = 1;
    state.magazineOut = 1;
    state.cartridgesOut = 1;
    state.notebookCarried = 0;
    state.cashPaidOut = 1;
    state.hammerTaken = 1;
    state.nailTaken = 1;
    startLocationCaption(LocationCaption::Pub);
}

}  // namespace app
