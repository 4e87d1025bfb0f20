// Puts the areas' files together into one catalogue.
#include "catalogue.hpp"

namespace artgen {

Catalogue fullCatalogue() {
    Catalogue c;
    addVillageStreet(c);
    addTownHall(c);
    addInn(c);
    addHotelRoom(c);
    addTobacconist(c);
    addPowerPlant(c);
    addFactoryAndPark(c);
    addSecretPassage(c);
    addVillageMap(c);
    addItemCloseUps(c);
    addHeldPictures(c);
    addOpeningCutscenes(c);
    addFirstDayCutscenes(c);
    addSecondDayCutscenes(c);
    addEndingCutscenes(c);
    addSounds(c);
    return c;
}

}  // namespace artgen
