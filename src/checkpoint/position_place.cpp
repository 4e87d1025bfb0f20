#include "checkpoint/position_place.hpp"

#include "app/story_names.hpp"
#include "checkpoint/position_texts.hpp"

namespace checkpoint {

namespace {

namespace scene = app::scene;

// One row per scene: the place as the slot list names it.
struct PlaceName {
    int sceneId;
    const char* words;
};

constexpr PlaceName kPlaces[] = {
    {scene::None, "příjezd do vesnice"},
    {scene::CashMachineStreet, "ulice s bankomatem"},
    {scene::CashMachine, "bankomat"},
    {scene::Square, "náměstí"},
    {scene::TownHallEntrance, "radnice"},
    {scene::TownHallCorridor, "chodba radnice"},
    {scene::MayorsOffice, "kancelář starosty"},
    {scene::MayorsBackRoom, "zadní místnost radnice"},
    {scene::PassageFirstRoom, "tajná chodba"},
    {scene::PassageSecondRoom, "tajná chodba"},
    {scene::PassageThirdRoom, "tajná chodba"},
    {scene::PassageLastRoom, "tajná chodba"},
    {scene::InnFront, "před hospodou"},
    {scene::Taproom, "hospoda"},
    {scene::Reception, "recepce hotelu"},
    {scene::HotelRoom, "pokoj v hotelu"},
    {scene::HotelWindow, "okno pokoje"},
    {scene::TobacconistFront, "před trafikou"},
    {scene::TobacconistShop, "trafika"},
    {scene::PowerPlantGate, "brána elektrárny"},
    {scene::PowerPlantYard, "dvůr elektrárny"},
    {scene::MachineHall, "strojovna"},
    {scene::PlantBackRoom, "zadní místnost elektrárny"},
    {scene::StoreroomLock, "zámek skladu"},
    {scene::Park, "park"},
    {scene::FactoryFront, "před továrnou"},
    {scene::FactoryOffice, "kancelář ředitele"},
    {scene::FactorySideYard, "dvůr továrny"},
    {scene::FactoryStore, "sklad továrny"},
};

// The last tick of the end titles: the game is over.
constexpr int kEndTick = 740;

}  // namespace

std::string placeOf(const app::GameState& state, const ui::Catalogue& catalogue) {
    if (state.storyTick >= kEndTick) return catalogue.translate(text::kGameOver);
    const std::string day = catalogue.translate(state.storyStage >= app::stage::SecondMorning ? text::kSecondDay : text::kFirstDay);
    if (state.returnMode != 0) return ui::fill(day, catalogue.translate(text::kVillageMap));
    for (const PlaceName& place : kPlaces)
        if (place.sceneId == state.sceneId) return ui::fill(day, catalogue.translate(place.words));
    return ui::fill(day, catalogue.translate(text::kVillage));
}

std::vector<std::string> placeWords() {
    std::vector<std::string> words;
    for (const PlaceName& place : kPlaces) words.emplace_back(place.words);
    return words;
}

}  // namespace checkpoint
