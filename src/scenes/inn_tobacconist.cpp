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
        stepInto(pic::hospoda2);
        if (regularsAtTable(state.storyStage)) cur(hotspot::RegularsTable).setEnabled(true);
        disableHotspots({hotspot::InnDoor, hotspot::WalkRight, hotspot::WalkLeft});
        enableHotspots({hotspot::StepBack});
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
    stepInto(pic::hospoda3);
    disableHotspots({hotspot::ToReception, hotspot::RegularsTable});
    cur(hotspot::Receptionist).setEnabled(state.storyStage == stage::SentToReception);
    cur(hotspot::ToRoom).setEnabled(state.storyStage >= stage::RoomLet);
    if (state.storyStage == stage::FetchingNumber) startCutscene(cutscene::ReceptionistWantsPay);
}

// The receptionist: the conversation parked before the room is let goes on.
void TfrmHlavni::imgCur12Click() { resumeStoryClock(); }

// The way from the reception to the agent's room.
void TfrmHlavni::imgCur13Click() {
    // Seen from the door, the notebook lies in the room from the first night on; before the
    // room is let there is nothing to show.
    const int storyStage = state.storyStage;
    stepInto(storyStage == stage::RoomLet ? pic::pokoj1 : storyStage >= stage::SettledIn ? pic::pokoj1a : "");
    disableHotspots({hotspot::ToRoom});
    if (state.storyTick == tick::ParkedAtReception) resumeStoryClock();
    if (state.storyStage == stage::AskedToPay) {
        startCutscene(cutscene::EmptyPockets);
        disableHotspots({hotspot::StepBack});
        enableHotspots({hotspot::Notebook});
    }
}

// The notebook the agent left in his room.
void TfrmHlavni::imgCur40Click() {
    addInventoryItem(item::zapisnik);
    showPicture(pic::pokoj1);
    disableHotspots({hotspot::Notebook});
    state.storyStage = stage::NotebookRetaken;
    state.notebookCarried = 1;
    enableHotspots({hotspot::Window});
}

// The window of the room.
void TfrmHlavni::imgCur41Click() {
    stepInto(pic::pokoj2a);
    disableHotspots({hotspot::Window});
    enableHotspots({hotspot::StepBack});
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
    stepInto(pic::trafika2);
    enableHotspots({hotspot::StepBack});
    disableHotspots({hotspot::WalkLeft, hotspot::ShopDoor});
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
