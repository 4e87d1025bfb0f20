// Walking along the street (imgCur6, imgCur7) and stepping back out of a view (imgCur2).
#include "app/data_files.hpp"
#include "app/main_form.hpp"
#include "scenes/scene_table.hpp"

namespace app {

namespace {

// A street step and a step into a place move pictureId by these amounts.
constexpr int kStreetSceneStep = 10;
constexpr int kStreetPictureStep = 19;
constexpr int kBackPictureStep = 2;

void enableIf(TfrmHlavni& f, int n, bool condition) {
    if (condition) f.cur(n).setEnabled(true);
}
void showScene(TfrmHlavni& f, int sceneId) {
    if (const std::string file = scenes::scenePicture(sceneId, f.state.storyStage); !file.empty()) f.showPicture(file);
}
int storyStage(const TfrmHlavni& f) { return f.state.storyStage; }

// The effect of a walk or step for the sceneId it tests.
struct SceneRule {
    int sceneId;
    void (*apply)(TfrmHlavni&);
};

// The square's left edge opens once the agent knows where the cash machine is; the well
// takes clicks only while the workers' talk is fresh.
void squareEdgeAndWell(TfrmHlavni& f) {
    f.cur(hotspot::WalkLeft).setEnabled(storyStage(f) >= stage::CashMachineKnown);
    enableIf(f, hotspot::Well, storyStage(f) == stage::WorkersOverheard);
}

constexpr std::array<SceneRule, 3> kWalkRight = {{
    {.sceneId = scene::Square, .apply = [](TfrmHlavni& f) {  // from the cash machine street
         f.showPicture(pic::namesti1);
         f.enableHotspots({hotspot::WalkLeft, hotspot::TownHallDoor});
         f.disableHotspots({hotspot::CashMachine});
         enableIf(f, hotspot::Well, storyStage(f) == stage::WorkersOverheard);
     }},
    {.sceneId = scene::InnFront, .apply = [](TfrmHlavni& f) {  // from the square
         f.showPicture(pic::hospoda1);
         f.disableHotspots({hotspot::TownHallDoor});
         f.enableHotspots({hotspot::WalkLeft, hotspot::InnDoor});
         f.disableHotspots({hotspot::Well});
     }},
    {.sceneId = scene::TobacconistFront, .apply = [](TfrmHlavni& f) {  // from the inn
         if (f.state.hammerTaken == 0) {
             f.loadPicture(f.cur(hotspot::Hammer), pic::trkladivo);
             f.showOverlay(hotspot::Hammer, true);
         }
         f.showPicture(pic::trafika1);
         f.disableHotspots({hotspot::WalkRight});
         f.enableHotspots({hotspot::WalkLeft});
         f.disableHotspots({hotspot::InnDoor});
         f.enableHotspots({hotspot::ShopDoor});
     }},
}};

constexpr std::array<SceneRule, 3> kWalkLeft = {{
    {.sceneId = scene::Square, .apply = [](TfrmHlavni& f) {  // from the inn
         f.showPicture(pic::namesti1);
         f.enableHotspots({hotspot::TownHallDoor});
         f.disableHotspots({hotspot::WalkLeft});
         f.enableHotspots({hotspot::WalkRight});
         f.disableHotspots({hotspot::InnDoor});
         squareEdgeAndWell(f);
     }},
    {.sceneId = scene::InnFront, .apply = [](TfrmHlavni& f) {  // from the tobacconist
         f.showPicture(pic::hospoda1);
         f.enableHotspots({hotspot::WalkRight, hotspot::InnDoor});
         f.disableHotspots({hotspot::ShopDoor});
         f.showOverlay(hotspot::Hammer, false);
     }},
    {.sceneId = scene::CashMachineStreet, .apply = [](TfrmHlavni& f) {  // from the square
         f.showPicture(pic::bankomat1);
         f.disableHotspots({hotspot::TownHallDoor, hotspot::WalkLeft});
         f.enableHotspots({hotspot::CashMachine});
         f.disableHotspots({hotspot::Well});
     }},
}};

// Tested in this order against sceneId as it stands at each row: a row that sets sceneId
// changes what the later rows see (the storeroom lock lands in the yard, whose row then applies).
constexpr std::array<SceneRule, 21> kStepBack = {{
    {.sceneId = scene::Square, .apply = [](TfrmHlavni& f) {  // from the town hall entrance
         f.showPicture(pic::namesti1);
         f.enableHotspots({hotspot::TownHallDoor});
         f.disableHotspots({hotspot::StepBack, hotspot::TownHallInnerDoor, hotspot::OfficeDoor});
         f.enableHotspots({hotspot::WalkRight});
         squareEdgeAndWell(f);
     }},
    {.sceneId = scene::TownHallEntrance, .apply = [](TfrmHlavni& f) {  // from the corridor
         f.showPicture(pic::urad1);
         f.disableHotspots({hotspot::TownHallDoor});
         f.enableHotspots({hotspot::StepBack, hotspot::TownHallInnerDoor});
         f.disableHotspots({hotspot::OfficeDoor, hotspot::OfficeDoorLock});
     }},
    {.sceneId = scene::TownHallCorridor, .apply = [](TfrmHlavni& f) {  // from the mayor's office
         f.showPicture(pic::urad2);
         f.disableHotspots({hotspot::TownHallDoor});
         f.enableHotspots({hotspot::StepBack});
         f.disableHotspots({hotspot::TownHallInnerDoor});
         f.enableHotspots({hotspot::OfficeDoor});
         f.disableHotspots({hotspot::Mayor, hotspot::MayorsBackRoomDoor, hotspot::SecretEntrance});
     }},
    {.sceneId = scene::InnFront, .apply = [](TfrmHlavni& f) {  // from the taproom
         f.showPicture(pic::hospoda1);
         f.disableHotspots({hotspot::StepBack});
         f.enableHotspots({hotspot::WalkRight, hotspot::WalkLeft, hotspot::InnDoor});
         f.disableHotspots({hotspot::Innkeeper, hotspot::ToReception, hotspot::RegularsTable});
     }},
    {.sceneId = scene::TobacconistFront, .apply = [](TfrmHlavni& f) {  // from inside the shop
         for (ui::Component* till : {f.lblkasa1, f.lblkasa2}) {
             till->setEnabled(false);
             till->setVisible(false);
         }
         if (f.state.hammerTaken == 0) f.showOverlay(hotspot::Hammer, true);
         f.showPicture(pic::trafika1);
         f.disableHotspots({hotspot::StepBack});
         f.enableHotspots({hotspot::WalkLeft, hotspot::ShopDoor});
         f.disableHotspots({hotspot::ShopAssistant});
     }},
    {.sceneId = scene::Taproom, .apply = [](TfrmHlavni& f) {  // from the reception
         f.showPicture(pic::hospoda2);
         enableIf(f, hotspot::RegularsTable,
                  storyStage(f) >= stage::DirectorMet && storyStage(f) <= stage::PlayingCards);
         f.enableHotspots({hotspot::StepBack});
         f.disableHotspots({hotspot::Receptionist, hotspot::ToRoom});
         f.cur(hotspot::ToReception).setEnabled(storyStage(f) >= stage::SentToReception);
     }},
    {.sceneId = scene::Reception, .apply = [](TfrmHlavni& f) {  // from the hotel room
         f.showPicture(pic::hospoda3);
         f.enableHotspots({hotspot::ToRoom});
     }},
    {.sceneId = scene::CashMachineStreet, .apply = [](TfrmHlavni& f) {  // from the cash machine
         f.showPicture(pic::bankomat1);
         f.disableHotspots({hotspot::StepBack});
         f.enableHotspots({hotspot::WalkRight, hotspot::CashMachine});
         f.disableHotspots({hotspot::CardSlot});
     }},
    {.sceneId = scene::PowerPlantGate, .apply = [](TfrmHlavni& f) {  // from the power plant yard
         f.showPicture(pic::elektr1);
         f.showOverlay(hotspot::Nail, f.state.nailTaken == 0);
         f.enableHotspots({hotspot::IntoYard});
         // The machine hall door belongs to the yard: left open, it would lead from the gate
         // into the hall under the wrong sceneId.
         f.disableHotspots({hotspot::MaintenanceMan, hotspot::StepBack, hotspot::StoreroomDoor, hotspot::MachineHallDoor});
     }},
    {.sceneId = scene::StoreroomLock - 1, .apply = [](TfrmHlavni& f) {  // from the lock: the yard's row follows
         f.state.sceneId = scene::PowerPlantYard;
         f.state.pictureId = 202;
     }},
    {.sceneId = scene::PowerPlantYard, .apply = [](TfrmHlavni& f) {  // from the machine hall or the lock
         f.showPicture(pic::elektr2);
         f.enableHotspots({hotspot::StoreroomDoor});
         f.showOverlay(hotspot::StoreroomLock, false);
         f.disableHotspots({hotspot::PlantBackRoomDoor});
         f.showOverlay(hotspot::FishingLine, false);
         // The maintenance man: kept as he was while the nail waits for the hammer, back to
         // talk once the lock is repaired.
         if (storyStage(f) == stage::LockRepaired) f.cur(hotspot::MaintenanceMan).setEnabled(true);
         else if (storyStage(f) != stage::NailInLock) f.cur(hotspot::MaintenanceMan).setEnabled(false);
         f.cur(hotspot::MachineHallDoor).setEnabled(storyStage(f) >= stage::FactoryHeardOf);
     }},
    {.sceneId = scene::MachineHall, .apply = [](TfrmHlavni& f) {  // from the back room
         f.showPicture(pic::elektr4);
         f.showOverlay(hotspot::FishingLine, f.state.lineTaken == 0);
         f.showOverlay(hotspot::Wire, false);
         f.disableHotspots({hotspot::StoreroomDoor});
         f.enableHotspots({hotspot::PlantBackRoomDoor});
     }},
    {.sceneId = scene::FactoryFront, .apply = [](TfrmHlavni& f) {  // from the factory office
         f.showPicture(pic::tovarna1);
         f.disableHotspots({hotspot::StepBack});
         f.enableHotspots({hotspot::FactoryEntrance});
         f.disableHotspots({hotspot::Director});
         enableIf(f, hotspot::ToSideYard, storyStage(f) > stage::AtFactory);
     }},
    {.sceneId = scene::FactorySideYard - 1, .apply = [](TfrmHlavni& f) {  // from the side yard to the front
         f.state.sceneId = scene::FactoryFront;
         f.state.pictureId = 600;
         f.showPicture(pic::tovarna1);
         f.disableHotspots({hotspot::StepBack});
         f.enableHotspots({hotspot::FactoryEntrance, hotspot::ToSideYard});
         f.showOverlay(hotspot::Rod, false);
         f.disableHotspots({hotspot::FactoryStoreDoor});
     }},
    {.sceneId = scene::FactorySideYard, .apply = [](TfrmHlavni& f) {  // from the store
         f.state.sceneId = scene::FactorySideYard;
         f.state.pictureId = 620;
         f.showPicture(pic::tovarna3);
         f.showOverlay(hotspot::Rod, f.state.rodTaken == 0);
         f.enableHotspots({hotspot::FactoryStoreDoor});
         f.showOverlay(hotspot::Nut, false);
     }},
    {.sceneId = scene::MayorsOffice, .apply = [](TfrmHlavni& f) {  // from the back room
         f.state.sceneId = scene::MayorsOffice;
         f.state.pictureId = 8;
         showScene(f, scene::MayorsOffice);
         if (storyStage(f) > stage::OfficeLockPicked) {
             f.enableHotspots({hotspot::SecretEntrance});
             f.disableHotspots({hotspot::FirstRoomWayOn});
         }
         f.enableHotspots({hotspot::MayorsBackRoomDoor});
         f.disableHotspots({hotspot::SecretButton, hotspot::FirstRoomWayOn});
     }},
    {.sceneId = scene::HotelRoom, .apply = [](TfrmHlavni& f) {  // from the window; no way back to the reception
         f.showPicture(pic::pokoj1);
         f.disableHotspots({hotspot::StepBack});
         f.enableHotspots({hotspot::Window});
         f.disableHotspots({hotspot::Gardener});
     }},
    {.sceneId = scene::PassageFirstRoom - 1, .apply = [](TfrmHlavni& f) {  // from the passage to the office
         f.state.sceneId = scene::MayorsOffice;
         f.state.pictureId = 8;
         f.showPicture(pic::urad3c);
         f.enableHotspots({hotspot::MayorsBackRoomDoor, hotspot::SecretEntrance});
         f.disableHotspots({hotspot::FirstRoomWayOn});
     }},
    {.sceneId = scene::PassageFirstRoom, .apply = [](TfrmHlavni& f) {  // from the second room
         f.state.sceneId = scene::PassageFirstRoom;
         f.state.pictureId = 13;
         f.showPicture(pic::tt1a);
         f.enableHotspots({hotspot::FirstRoomWayOn});
         f.disableHotspots({hotspot::Prisoner, hotspot::SecondRoomWayOn});
     }},
    {.sceneId = scene::PassageSecondRoom, .apply = [](TfrmHlavni& f) {  // from the third room
         f.state.sceneId = scene::PassageSecondRoom;
         f.state.pictureId = 15;
         showScene(f, scene::PassageSecondRoom);
         f.enableHotspots({hotspot::SecondRoomWayOn});
         f.disableHotspots({hotspot::ThirdRoomWayOn});
     }},
    {.sceneId = scene::PassageThirdRoom, .apply = [](TfrmHlavni& f) {  // from the last room: the mayor is waiting
         f.state.sceneId = scene::PassageThirdRoom;
         f.state.pictureId = 17;
         f.startCutscene(cutscene::Confrontation);
         f.state.storyStage = stage::Chase;
         f.showPicture(pic::tt3b);
     }},
}};

template <std::size_t N>
void applyRules(TfrmHlavni& f, const std::array<SceneRule, N>& rules) {
    for (const SceneRule& rule : rules)
        if (f.state.sceneId == rule.sceneId) rule.apply(f);
}

}  // namespace

void TfrmHlavni::setExaminePictureId() {
    if (const std::optional<int> number = scenes::examineNumber(state.sceneId)) state.pictureId = *number;
}

void TfrmHlavni::imgCur6Click() {
    state.sceneId += kStreetSceneStep;
    state.pictureId += kStreetPictureStep;
    applyRules(*this, kWalkRight);
}

void TfrmHlavni::imgCur7Click() {
    state.sceneId -= kStreetSceneStep;
    state.pictureId -= kStreetPictureStep;
    applyRules(*this, kWalkLeft);
}

void TfrmHlavni::imgCur2Click() {
    state.sceneId -= 1;
    state.pictureId -= kBackPictureStep;
    applyRules(*this, kStepBack);
}

}  // namespace app
