// Hotspots of the inn, the hotel and the tobacconist.
#include "app/data_files.hpp"
#include "app/main_form.hpp"
#include "inventory/item_names.hpp"

namespace app {

namespace {

// The taproom's regulars sit at their table from the evening until the night is over.
bool regularsAtTable(int storyStage) {
    return storyStage >= stage::DirectorMet && storyStage <= stage::PlayingCards;
}

}  // namespace

// The inn door: the taproom, the evening once the four parts are found, and closed to the
// agent once he has fled without paying.
void TfrmHlavni::imgCur8Click() {
    if (state.storyStage < stage::EscapedThroughWindow) {
        state.sceneId += 1;
        state.pictureId += 2;
        showPicture(pic::hospoda2);
        if (regularsAtTable(state.storyStage)) cur(hotspot::RegularsTable).setEnabled(true);
        for (int n : {hotspot::InnDoor, hotspot::WalkRight, hotspot::WalkLeft}) cur(n).setEnabled(false);
        cur(hotspot::StepBack).setEnabled(true);
        cur(hotspot::Innkeeper).setEnabled(state.storyStage == stage::SentToInn);
        cur(hotspot::ToReception).setEnabled(state.storyStage >= stage::SentToReception);
        const bool allPartsFound =
            state.lineTaken == 1 && state.wireTaken == 1 && state.rodTaken == 1 && state.nutTaken == 1;
        if (allPartsFound && state.storyStage < stage::BeerOrdered) startCutscene(cutscene::EveningAtInn);
    }
    if (state.storyStage >= stage::EscapedThroughWindow) startRemark(remark::InnWantsMoney);
}

// The innkeeper.
void TfrmHlavni::imgCur10Click() { startCutscene(cutscene::Innkeeper); }

// The regulars' table in the evening.
void TfrmHlavni::imgCur33Click() {
    if (state.storyStage == stage::BeerOrdered) startCutscene(cutscene::RegularsTable);
}

// The way from the taproom to the reception.
void TfrmHlavni::imgCur11Click() {
    state.sceneId += 1;
    state.pictureId += 2;
    showPicture(pic::hospoda3);
    cur(hotspot::ToReception).setEnabled(false);
    cur(hotspot::RegularsTable).setEnabled(false);
    cur(hotspot::Receptionist).setEnabled(state.storyStage == stage::SentToReception);
    cur(hotspot::ToRoom).setEnabled(state.storyStage >= stage::RoomLet);
    if (state.storyStage == stage::FetchingNumber) startCutscene(cutscene::ReceptionistWantsPay);
}

// The receptionist: the conversation parked before the room is let goes on.
void TfrmHlavni::imgCur12Click() { resumeStoryClock(); }

// The way from the reception to the agent's room.
void TfrmHlavni::imgCur13Click() {
    state.sceneId += 1;
    state.pictureId += 2;
    if (state.storyStage == stage::RoomLet) showPicture(pic::pokoj1);
    if (state.storyStage >= stage::SettledIn) showPicture(pic::pokoj1a);
    cur(hotspot::ToRoom).setEnabled(false);
    if (state.storyTick == tick::ParkedAtReception) resumeStoryClock();
    if (state.storyStage == stage::AskedToPay) {
        startCutscene(cutscene::EmptyPockets);
        cur(hotspot::StepBack).setEnabled(false);
        cur(hotspot::Notebook).setEnabled(true);
    }
}

// The notebook the agent left in his room.
void TfrmHlavni::imgCur40Click() {
    addInventoryItem(item::zapisnik);
    showPicture(pic::pokoj1);
    cur(hotspot::Notebook).setEnabled(false);
    state.storyStage = stage::NotebookRetaken;
    state.notebookCarried = 1;
    cur(hotspot::Window).setEnabled(true);
}

// The window of the room.
void TfrmHlavni::imgCur41Click() {
    state.sceneId += 1;
    state.pictureId += 2;
    showPicture(pic::pokoj2a);
    cur(hotspot::Window).setEnabled(false);
    cur(hotspot::StepBack).setEnabled(true);
    if (state.storyStage == stage::NotebookRetaken) startCutscene(cutscene::Window);
    if (state.storyStage == stage::GardenerBelow) cur(hotspot::Gardener).setEnabled(true);
}

// The gardener below the window: only the line with the nut lures him away.
void TfrmHlavni::imgCur42Click() {
    if (!holding(held::LineWithNut)) return;
    dropHeldItem();
    startCutscene(cutscene::LuringGardener);
    removeInventoryItem(item::vlasecMatka, 15);
}

// The tobacconist's door.
void TfrmHlavni::imgCur9Click() {
    state.sceneId += 1;
    state.pictureId += 2;
    showPicture(pic::trafika2);
    cur(hotspot::StepBack).setEnabled(true);
    cur(hotspot::WalkLeft).setEnabled(false);
    cur(hotspot::ShopDoor).setEnabled(false);
    showOverlay(hotspot::Hammer, false);
    cur(hotspot::ShopAssistant).setEnabled(state.storyStage == stage::MoneyWithdrawn);
    if (state.storyStage == stage::SecondMorning) cur(hotspot::ShopAssistant).setEnabled(true);
}

// The shop assistant: the map on the first day, the newspaper on the second.
void TfrmHlavni::imgCur16Click() {
    if (state.storyStage == stage::MoneyWithdrawn) startCutscene(cutscene::BuyingMap);
    if (state.storyStage == stage::SecondMorning) startCutscene(cutscene::BuyingNewspaper);
}

// The hammer lying in front of the tobacconist.
void TfrmHlavni::imgCur21Click() {
    addInventoryItem(item::kladivo);
    state.hammerTaken = 1;
    showOverlay(hotspot::Hammer, false);
}

}  // namespace app
