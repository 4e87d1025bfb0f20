// Walking along the street (imgCur6, imgCur7) and stepping back out of a view (imgCur2).
#include "app/data_files.hpp"
#include "app/main_form.hpp"
#include "scenes/scene_table.hpp"

#include <initializer_list>

namespace app {

namespace {

// The square's left edge opens once the agent knows where the cash machine is.
constexpr int kCashMachineKnownStage = 6;
constexpr int kWellStage = 28;
constexpr int kReceptionOpenStage = 3;
constexpr int kRegularsFirstStage = 20;
constexpr int kRegularsLastStage = 23;
constexpr int kMaintenanceWaitsStage = 12;
constexpr int kMaintenanceTalksStage = 17;
constexpr int kMachineHallOpenStage = 18;
constexpr int kSideYardOpenAfterStage = 19;
constexpr int kSecretEntranceAfterStage = 32;
// Stepping back from the passage's last room starts the confrontation with the mayor.
constexpr int kConfrontationTick = 649;
constexpr int kConfrontationStage = 41;

// A street step and a step into a place move pictureId by these amounts.
constexpr int kStreetSceneStep = 10;
constexpr int kStreetPictureStep = 19;
constexpr int kBackPictureStep = 2;

void enable(TfrmHlavni& f, std::initializer_list<int> hotspots) {
    for (int n : hotspots) f.cur(n).setEnabled(true);
}
void disable(TfrmHlavni& f, std::initializer_list<int> hotspots) {
    for (int n : hotspots) f.cur(n).setEnabled(false);
}
void enableIf(TfrmHlavni& f, int n, bool condition) {
    if (condition) f.cur(n).setEnabled(true);
}
void showScene(TfrmHlavni& f, int sceneId) {
    if (const std::string file = scenes::scenePicture(sceneId, f.state.storyStage); !file.empty()) f.showPicture(file);
}
int stage(const TfrmHlavni& f) { return f.state.storyStage; }

// The effect of a walk or step for the sceneId it tests.
struct SceneRule {
    int sceneId;
    void (*apply)(TfrmHlavni&);
};

constexpr std::array<SceneRule, 3> kWalkRight = {{
    {.sceneId = 1, .apply = [](TfrmHlavni& f) {  // from the cash machine street to the square
         f.showPicture(pic::namesti1);
         enable(f, {7, 1});
         disable(f, {14});
         enableIf(f, 34, stage(f) == kWellStage);
     }},
    {.sceneId = 11, .apply = [](TfrmHlavni& f) {  // from the square to the inn
         f.showPicture(pic::hospoda1);
         disable(f, {1});
         enable(f, {7, 8});
         disable(f, {34});
     }},
    {.sceneId = 21, .apply = [](TfrmHlavni& f) {  // from the inn to the tobacconist
         if (f.state.hammerTaken == 0) {
             f.loadPicture(f.cur(21), pic::trkladivo);
             f.showOverlay(21, true);
         }
         f.showPicture(pic::trafika1);
         disable(f, {6});
         enable(f, {7});
         disable(f, {8});
         enable(f, {9});
     }},
}};

constexpr std::array<SceneRule, 3> kWalkLeft = {{
    {.sceneId = 1, .apply = [](TfrmHlavni& f) {  // from the inn to the square
         f.showPicture(pic::namesti1);
         enable(f, {1});
         disable(f, {7});
         enable(f, {6});
         disable(f, {8});
         f.cur(7).setEnabled(stage(f) >= kCashMachineKnownStage);
         enableIf(f, 34, stage(f) == kWellStage);
     }},
    {.sceneId = 11, .apply = [](TfrmHlavni& f) {  // from the tobacconist to the inn
         f.showPicture(pic::hospoda1);
         enable(f, {6, 8});
         disable(f, {9});
         f.showOverlay(21, false);
     }},
    {.sceneId = -9, .apply = [](TfrmHlavni& f) {  // from the square to the cash machine street
         f.showPicture(pic::bankomat1);
         disable(f, {1, 7});
         enable(f, {14});
         disable(f, {34});
     }},
}};

// Tested in this order against sceneId as it stands at each row: a row that sets sceneId
// changes what the later rows see (119 lands in the yard, whose row then applies).
constexpr std::array<SceneRule, 21> kStepBack = {{
    {.sceneId = 1, .apply = [](TfrmHlavni& f) {  // town hall entrance -> square
         f.showPicture(pic::namesti1);
         enable(f, {1});
         disable(f, {2, 3, 4});
         enable(f, {6});
         f.cur(7).setEnabled(stage(f) >= kCashMachineKnownStage);
         enableIf(f, 34, stage(f) == kWellStage);
     }},
    {.sceneId = 2, .apply = [](TfrmHlavni& f) {  // corridor -> town hall entrance
         f.showPicture(pic::urad1);
         disable(f, {1});
         enable(f, {2, 3});
         disable(f, {4, 36});
     }},
    {.sceneId = 3, .apply = [](TfrmHlavni& f) {  // mayor's office -> corridor
         f.showPicture(pic::urad2);
         disable(f, {1});
         enable(f, {2});
         disable(f, {3});
         enable(f, {4});
         disable(f, {5, 37, 39});
     }},
    {.sceneId = 11, .apply = [](TfrmHlavni& f) {  // taproom -> in front of the inn
         f.showPicture(pic::hospoda1);
         disable(f, {2});
         enable(f, {6, 7, 8});
         disable(f, {10, 11, 33});
     }},
    {.sceneId = 21, .apply = [](TfrmHlavni& f) {  // inside the shop -> in front of the tobacconist
         for (ui::Component* till : {f.lblkasa1, f.lblkasa2}) {
             till->setEnabled(false);
             till->setVisible(false);
         }
         if (f.state.hammerTaken == 0) f.showOverlay(21, true);
         f.showPicture(pic::trafika1);
         disable(f, {2});
         enable(f, {7, 9});
         disable(f, {16});
     }},
    {.sceneId = 12, .apply = [](TfrmHlavni& f) {  // reception -> taproom
         f.showPicture(pic::hospoda2);
         enableIf(f, 33, stage(f) >= kRegularsFirstStage && stage(f) <= kRegularsLastStage);
         enable(f, {2});
         disable(f, {12, 13});
         f.cur(11).setEnabled(stage(f) >= kReceptionOpenStage);
     }},
    {.sceneId = 13, .apply = [](TfrmHlavni& f) {  // hotel room -> reception
         f.showPicture(pic::hospoda3);
         enable(f, {13});
     }},
    {.sceneId = -9, .apply = [](TfrmHlavni& f) {  // cash machine -> its street
         f.showPicture(pic::bankomat1);
         disable(f, {2});
         enable(f, {6, 14});
         disable(f, {15});
     }},
    {.sceneId = 100, .apply = [](TfrmHlavni& f) {  // power plant yard -> gate
         f.showPicture(pic::elektr1);
         f.showOverlay(17, f.state.nailTaken == 0);
         enable(f, {18});
         // The machine hall door belongs to the yard: left open, it would lead from the gate
         // into the hall under the wrong sceneId.
         disable(f, {19, 2, 20, 23});
     }},
    {.sceneId = 119, .apply = [](TfrmHlavni& f) {  // storeroom lock -> the yard, whose row follows
         f.state.sceneId = 101;
         f.state.pictureId = 202;
     }},
    {.sceneId = 101, .apply = [](TfrmHlavni& f) {  // machine hall or storeroom lock -> yard
         f.showPicture(pic::elektr2);
         enable(f, {20});
         f.showOverlay(22, false);
         disable(f, {24});
         f.showOverlay(25, false);
         // The maintenance man: kept as he was while he waits, back to talk at 17.
         if (stage(f) == kMaintenanceTalksStage) f.cur(19).setEnabled(true);
         else if (stage(f) != kMaintenanceWaitsStage) f.cur(19).setEnabled(false);
         f.cur(23).setEnabled(stage(f) >= kMachineHallOpenStage);
     }},
    {.sceneId = 102, .apply = [](TfrmHlavni& f) {  // back room -> machine hall
         f.showPicture(pic::elektr4);
         f.showOverlay(25, f.state.lineTaken == 0);
         f.showOverlay(26, false);
         disable(f, {20});
         enable(f, {24});
     }},
    {.sceneId = 300, .apply = [](TfrmHlavni& f) {  // factory office -> front
         f.showPicture(pic::tovarna1);
         disable(f, {2});
         enable(f, {27});
         disable(f, {28});
         enableIf(f, 29, stage(f) > kSideYardOpenAfterStage);
     }},
    {.sceneId = 309, .apply = [](TfrmHlavni& f) {  // side yard -> factory front
         f.state.sceneId = 300;
         f.state.pictureId = 600;
         f.showPicture(pic::tovarna1);
         disable(f, {2});
         enable(f, {27, 29});
         f.showOverlay(30, false);
         disable(f, {31});
     }},
    {.sceneId = 310, .apply = [](TfrmHlavni& f) {  // store -> side yard
         f.state.sceneId = 310;
         f.state.pictureId = 620;
         f.showPicture(pic::tovarna3);
         f.showOverlay(30, f.state.rodTaken == 0);
         enable(f, {31});
         f.showOverlay(32, false);
     }},
    {.sceneId = 4, .apply = [](TfrmHlavni& f) {  // back room -> mayor's office
         f.state.sceneId = 4;
         f.state.pictureId = 8;
         showScene(f, 4);
         if (stage(f) > kSecretEntranceAfterStage) {
             enable(f, {39});
             disable(f, {43});
         }
         enable(f, {37});
         disable(f, {38, 43});
     }},
    {.sceneId = 14, .apply = [](TfrmHlavni& f) {  // window -> hotel room; no way back to the reception
         f.showPicture(pic::pokoj1);
         disable(f, {2});
         enable(f, {41});
         disable(f, {42});
     }},
    {.sceneId = 5, .apply = [](TfrmHlavni& f) {  // passage's first room -> mayor's office
         f.state.sceneId = 4;
         f.state.pictureId = 8;
         f.showPicture(pic::urad3c);
         enable(f, {37, 39});
         disable(f, {43});
     }},
    {.sceneId = 6, .apply = [](TfrmHlavni& f) {  // second room -> first room
         f.state.sceneId = 6;
         f.state.pictureId = 13;
         f.showPicture(pic::tt1a);
         enable(f, {43});
         disable(f, {44, 45});
     }},
    {.sceneId = 7, .apply = [](TfrmHlavni& f) {  // third room -> second room
         f.state.sceneId = 7;
         f.state.pictureId = 15;
         showScene(f, 7);
         enable(f, {45});
         disable(f, {46});
     }},
    {.sceneId = 8, .apply = [](TfrmHlavni& f) {  // last room -> third room: the mayor is waiting
         f.state.sceneId = 8;
         f.state.pictureId = 17;
         f.startCutscene(kConfrontationTick);
         f.state.storyStage = kConfrontationStage;
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
