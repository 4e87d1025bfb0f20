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

bool inSecretPassage(int sceneId) { return sceneId >= scene::PassageFirstRoom && sceneId <= scene::PassageLastRoom; }

// Zpět's scene rows, in the order tested.
constexpr std::array<int, 28> kSceneRows = {
    scene::Square,          scene::TownHallEntrance,  scene::TownHallCorridor,  scene::MayorsOffice,
    scene::InnFront,        scene::TobacconistFront,  scene::Taproom,           scene::TobacconistShop,
    scene::Reception,       scene::HotelRoom,         scene::CashMachineStreet, scene::CashMachine,
    scene::PowerPlantGate,  scene::Park,              scene::PowerPlantYard,    scene::StoreroomLock,
    scene::MachineHall,     scene::PlantBackRoom,     scene::FactoryFront,      scene::FactoryOffice,
    scene::FactorySideYard, scene::FactoryStore,      scene::MayorsBackRoom,    scene::HotelWindow,
    scene::PassageFirstRoom, scene::PassageSecondRoom, scene::PassageThirdRoom, scene::PassageLastRoom,
};

// The factory marker on the open map.
void showFactoryMarker(TfrmHlavni& f) {
    f.loadPicture(f.map(mapspot::Factory), pic::maptov);
    f.map(mapspot::Factory).setVisible(true);
}

// Opens the village map, unless the agent is escaping from the hotel or is in the secret passage.
void openVillageMap(TfrmHlavni& f) {
    const bool escaping = f.state.storyStage >= stage::NoMoneyLeft && f.state.storyStage <= stage::GardenerBelow;
    if (escaping || inSecretPassage(f.state.sceneId)) return;
    // Once the factory is heard of, the map shows it as a fourth place.
    const bool withFactory = f.state.storyStage >= stage::FactoryHeardOf;
    f.state.returnMode = withFactory ? kMapOfFourPlaces : kMapOfThreePlaces;
    f.showPicture(pic::mapa);
    for (int n : {mapspot::Square, mapspot::PowerPlant, mapspot::Park}) f.map(n).setEnabled(true);
    f.map(mapspot::Factory).setEnabled(withFactory);
    if (withFactory) showFactoryMarker(f);
    f.disableAllHotspots();
}

// Zpět's row of one scene: applies when the scene's close-up number is shown.
void returnFromCloseUp(TfrmHlavni& f, int sceneId) {
    if (f.state.sceneId != sceneId || scenes::examineNumber(sceneId) != f.state.pictureId) return;
    --f.state.pictureId;
    if (const std::string scene = scenes::scenePicture(sceneId, f.state.storyStage); !scene.empty()) f.showPicture(scene);
    // The objects lying in the scene come back as their flags say.
    switch (sceneId) {
        case scene::TobacconistFront:
            if (f.state.hammerTaken == 0) f.showOverlay(hotspot::Hammer, true);
            break;
        case scene::PowerPlantGate:
            if (f.state.nailTaken == 0) f.showOverlay(hotspot::Nail, true);
            break;
        case scene::StoreroomLock:
            // Once the lock is repaired it lies open and its picture stays hidden.
            f.showOverlay(hotspot::StoreroomLock, true);
            if (f.state.storyStage >= stage::LockRepaired) f.cur(hotspot::StoreroomLock).setVisible(false);
            break;
        case scene::MachineHall: f.showOverlay(hotspot::FishingLine, f.state.lineTaken == 0); break;
        case scene::PlantBackRoom: f.showOverlay(hotspot::Wire, f.state.wireTaken == 0); break;
        case scene::FactorySideYard: f.showOverlay(hotspot::Rod, f.state.rodTaken == 0); break;
        case scene::FactoryStore: f.showOverlay(hotspot::Nut, f.state.nutTaken == 0); break;
        default: break;
    }
}

}  // namespace

void TfrmHlavni::btnPruzkumClick() {
    // The close-up covers the scene: nothing in it may be clicked or stand on top of it.
    imgClona->setEnabled(true);
    for (int n : {hotspot::StoreroomLock, hotspot::Nut, hotspot::Rod, hotspot::Wire, hotspot::FishingLine})
        showOverlay(n, false);
    cur(hotspot::Hammer).setVisible(false);
    cur(hotspot::Nail).setVisible(false);
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
        if (flag == held::Newspaper && state.storyStage == stage::NewspaperBought)
            state.storyStage = stage::NewspaperRead;
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
        if (state.returnMode == kMapOfFourPlaces) showFactoryMarker(*this);
        return;
    }
    for (const int sceneId : kSceneRows) returnFromCloseUp(*this, sceneId);
}

}  // namespace app
