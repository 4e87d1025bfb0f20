// The game's variables with their start values, in their fixed order.
#pragma once

#include <array>
#include <cstdint>

namespace app {

constexpr int kHeldFlagCount = 19;

struct GameState {
    std::int32_t storyTick = 0;
    std::int32_t remarkFrame = 0;
    std::int32_t sceneId = 0;
    std::int32_t pictureId = 1;
    std::int32_t storyStage = 0;
    std::int32_t nailTaken = 0;
    std::int32_t hammerTaken = 0;
    std::int32_t returnMode = 0;
    std::int32_t sequenceStep = 0;
    std::int32_t soundOn = 1;
    std::int32_t soundMenuArmed = 0;
    std::int32_t deathStep = 0;
    std::int32_t cardOwned = 1;
    std::int32_t lineTaken = 0;
    std::int32_t wireTaken = 0;
    std::int32_t rodTaken = 0;
    std::int32_t nutTaken = 0;
    std::int32_t magazineOut = 0;
    std::int32_t cartridgesOut = 0;
    std::int32_t notebookCarried = 1;
    std::int32_t cashPaidOut = 0;
    std::int32_t combineArmed = 0;
    std::int32_t itemCount = 5;
    std::int32_t tillSoundPlayed = 0;
    std::int32_t shotSoundPlayed = 0;
    std::int32_t hammerSoundPlayed = 0;
    std::int32_t atmSoundPlayed = 0;
    // Indexed 1 to 19 like the game's flags; element 0 is never used.
    std::array<std::int32_t, kHeldFlagCount + 1> heldFlags{};
    std::int32_t notebookLeft = 0;

    friend bool operator==(const GameState&, const GameState&) = default;
};

// Calls visit(name, value) for every scalar variable in the fixed order; heldFlags is
// visited separately by callers that need it.
template <class State, class Visit>
void forEachScalar(State& s, Visit&& visit) {
    visit("storyTick", s.storyTick);
    visit("remarkFrame", s.remarkFrame);
    visit("sceneId", s.sceneId);
    visit("pictureId", s.pictureId);
    visit("storyStage", s.storyStage);
    visit("nailTaken", s.nailTaken);
    visit("hammerTaken", s.hammerTaken);
    visit("returnMode", s.returnMode);
    visit("sequenceStep", s.sequenceStep);
    visit("soundOn", s.soundOn);
    visit("soundMenuArmed", s.soundMenuArmed);
    visit("deathStep", s.deathStep);
    visit("cardOwned", s.cardOwned);
    visit("lineTaken", s.lineTaken);
    visit("wireTaken", s.wireTaken);
    visit("rodTaken", s.rodTaken);
    visit("nutTaken", s.nutTaken);
    visit("magazineOut", s.magazineOut);
    visit("cartridgesOut", s.cartridgesOut);
    visit("notebookCarried", s.notebookCarried);
    visit("cashPaidOut", s.cashPaidOut);
    visit("combineArmed", s.combineArmed);
    visit("itemCount", s.itemCount);
    visit("tillSoundPlayed", s.tillSoundPlayed);
    visit("shotSoundPlayed", s.shotSoundPlayed);
    visit("hammerSoundPlayed", s.hammerSoundPlayed);
    visit("atmSoundPlayed", s.atmSoundPlayed);
    visit("notebookLeft", s.notebookLeft);
}

// The index of each item's held flag (heldFlags[k] is 1 while the item is in the hand).
namespace held {
enum : int {
    ServiceCard = 1,   // "Služební průkaz"
    CreditCard = 2,    // "Kreditní karta"
    Gun = 3,           // "Zbraň" with its magazine
    EmptiedGun = 4,    // "Zbraň" once the magazine is out
    Magazine = 5,      // "Zásobník"
    Unused = 6,        // never set
    Cartridges = 7,    // "Náboje"
    Notebook = 8,      // "Zápisník"
    Money = 9,         // "Peníze"
    Map = 10,          // "Mapa"
    Nail = 11,         // "Hřebík"
    Hammer = 12,       // "Kladivo"
    FishingLine = 13,  // "Vlasec"
    Wire = 14,         // "Drát"
    Rod = 15,          // "Tyč"
    Nut = 16,          // "Matka"
    Newspaper = 17,    // "Noviny"
    Phone = 18,        // "Mobilní telefon"
    LineWithNut = 19,  // "Vlasec + matka"
};
}  // namespace held

// The cursor numbers registered at start-up; 0 is the system arrow.
enum Cursor : int {
    kCursorDefault = 0,
    kCursorUp = 1,     // "Sipka1"
    kCursorDown = 2,   // "Sipka2"
    kCursorTalk = 3,   // "Mluvit"
    kCursorHand = 4,   // "Ruka"
    kCursorRight = 5,  // "Sipka3"
    kCursorLeft = 6,   // "Sipka4"
};

}  // namespace app
