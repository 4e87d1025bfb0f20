// Examining the held item (Průzkum) and returning to the scene (Zpět).
#include "app/data_files.hpp"
#include "app/main_form.hpp"
#include "inventory/item_catalogue.hpp"
#include "scenes/scene_table.hpp"

namespace app {

namespace {

// The order in which Průzkum looks at the flags; the gun stands for both of its flags.
constexpr std::array<int, 17> kExamineOrder = {
    held::ServiceCard, held::CreditCard,  held::Gun,  held::Notebook, held::Magazine, held::Cartridges,
    held::Hammer,      held::Money,       held::Map,  held::Nail,     held::FishingLine, held::Wire,
    held::Rod,         held::Nut,         held::Newspaper, held::Phone, held::LineWithNut,
};

// returnMode while the map is open, without and with the factory.
constexpr int kMapOfThreePlaces = 1;
constexpr int kMapOfFourPlaces = 2;

// Reading the newspaper at this stage moves the story on to the next one.
constexpr int kNewspaperStage = 25;
constexpr int kNewspaperReadStage = 26;
// From this stage the map shows the factory as a fourth place.
constexpr int kFactoryOnMapStage = 18;
// The escape from the hotel: the map stays folded.
constexpr int kEscapeFirstStage = 36;
constexpr int kEscapeLastStage = 38;
// From this stage the storeroom lock lies open and its overlay stays hidden.
constexpr int kLockOpenedStage = 17;

bool inSecretPassage(int sceneId) { return sceneId >= 6 && sceneId <= 9; }

// Zpět's scene rows, in the order tested.
constexpr std::array<int, 28> kSceneRows = {1,   2,   3,   4,   11,  21,  12,  22,  13,  14, -9, -8, 100, 200,
                                            101, 120, 102, 103, 300, 301, 310, 311, 5,   15, 6,  7,  8,   9};

// Opens the village map, unless the agent is escaping or in the secret passage.
void openVillageMap(TfrmHlavni& f) {
    const bool escaping = f.state.storyStage >= kEscapeFirstStage && f.state.storyStage <= kEscapeLastStage;
    if (escaping || inSecretPassage(f.state.sceneId)) return;
    const bool withFactory = f.state.storyStage >= kFactoryOnMapStage;
    f.state.returnMode = withFactory ? kMapOfFourPlaces : kMapOfThreePlaces;
    f.showPicture(pic::mapa);
    for (int n = 1; n <= 3; ++n) f.map(n).setEnabled(true);
    f.map(4).setEnabled(withFactory);
    if (withFactory) {
        f.loadPicture(f.map(4), pic::maptov);
        f.map(4).setVisible(true);
    }
    f.disableAllHotspots();
}

// Zpět's row of one scene: applies when the scene's close-up number is shown.
void returnFromCloseUp(TfrmHlavni& f, int sceneId) {
    if (f.state.sceneId != sceneId || scenes::examineNumber(sceneId) != f.state.pictureId) return;
    --f.state.pictureId;
    if (const std::string scene = scenes::scenePicture(sceneId, f.state.storyStage); !scene.empty()) f.showPicture(scene);
    // The objects lying in the scene come back as their flags say.
    switch (sceneId) {
        case 21:
            if (f.state.hammerTaken == 0) f.showOverlay(21, true);
            break;
        case 100:
            if (f.state.nailTaken == 0) f.showOverlay(17, true);
            break;
        case 120:
            f.showOverlay(22, true);
            if (f.state.storyStage >= kLockOpenedStage) f.cur(22).setVisible(false);
            break;
        case 102: f.showOverlay(25, f.state.lineTaken == 0); break;
        case 103: f.showOverlay(26, f.state.wireTaken == 0); break;
        case 310: f.showOverlay(30, f.state.rodTaken == 0); break;
        case 311: f.showOverlay(32, f.state.nutTaken == 0); break;
        default: break;
    }
}

}  // namespace

void TfrmHlavni::btnPruzkumClick() {
    // The close-up covers the scene: nothing in it may be clicked or stand on top of it.
    imgClona->setEnabled(true);
    for (int n : {22, 32, 30, 26, 25}) showOverlay(n, false);
    cur(21).setVisible(false);
    cur(17).setVisible(false);
    for (ui::Component* till : {lblkasa1, lblkasa2}) {
        till->setEnabled(false);
        till->setVisible(false);
    }
    if (sequenceRunning()) return;

    for (const int flag : kExamineOrder) {
        const bool gun = flag == held::Gun;
        if (!(holding(flag) || (gun && holding(held::EmptiedGun)))) continue;
        const inventory::CatalogueItem& item = *inventory::itemByHeldFlag(flag);
        ui::Component& picture = inv(item.heldPicture);
        if (flag == held::Map) {
            setHeld(held::Map, 0);
            imgClona->setEnabled(false);  // the map's places must be clickable
            picture.setVisible(false);
            picture.setEnabled(false);
            openVillageMap(*this);
            continue;
        }
        if (flag == held::Newspaper && state.storyStage == kNewspaperStage) state.storyStage = kNewspaperReadStage;
        showPicture(inventory::closeUp(item, state));
        setExaminePictureId();
        setHeld(flag, 0);
        if (gun) setHeld(held::EmptiedGun, 0);
        picture.setVisible(false);
        picture.setEnabled(false);
    }
}

void TfrmHlavni::btnZpetClick() {
    if (!sequenceRunning()) imgClona->setEnabled(false);
    dropHeldItem();
    // While the map is open it stays on screen: it is left only through one of its places, so
    // no scene may show over it or put its objects back onto it.
    if (state.returnMode == kMapOfThreePlaces || state.returnMode == kMapOfFourPlaces) {
        showPicture(pic::mapa);
        if (state.returnMode == kMapOfFourPlaces) {
            loadPicture(map(4), pic::maptov);
            map(4).setVisible(true);
        }
        return;
    }
    for (const int sceneId : kSceneRows) returnFromCloseUp(*this, sceneId);
}

}  // namespace app
