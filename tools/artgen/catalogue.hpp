// The table of everything artgen can make: each data file name with the function that draws or synthesises it.
#pragma once

#include "ui/catalogue.hpp"

#include <QImage>

#include <cstdint>
#include <functional>
#include <map>
#include <string>
#include <vector>

namespace artgen {

using PictureMaker = std::function<QImage()>;
using SoundMaker = std::function<std::vector<std::int16_t>()>;

struct Catalogue {
    std::map<std::string, PictureMaker> pictures;
    std::map<std::string, SoundMaker> sounds;

    void picture(const char* name, PictureMaker make) { pictures.emplace(name, std::move(make)); }
    void sound(const char* name, SoundMaker make) { sounds.emplace(name, std::move(make)); }
};

// Each area of the game adds its own files.
void addVillageStreet(Catalogue& c);
void addTownHall(Catalogue& c);
void addInn(Catalogue& c);
void addHotelRoom(Catalogue& c);
void addTobacconist(Catalogue& c);
void addPowerPlant(Catalogue& c);
// The storeroom door and its lock, registered by addPowerPlant.
void addStoreroomLock(Catalogue& c);
void addFactoryAndPark(Catalogue& c);
void addSecretPassage(Catalogue& c);
void addVillageMap(Catalogue& c);
void addItemCloseUps(Catalogue& c);
void addHeldPictures(Catalogue& c);
void addOpeningCutscenes(Catalogue& c);
void addFirstDayCutscenes(Catalogue& c);
void addSecondDayCutscenes(Catalogue& c);
void addEndingCutscenes(Catalogue& c);
void addSounds(Catalogue& c);

// The title picture with its words in the catalogue's language (Czech: the game's own 1st picture).
QImage titlePictureIn(const ui::Catalogue& words);

// The whole catalogue, every area added.
Catalogue fullCatalogue();

}  // namespace artgen
