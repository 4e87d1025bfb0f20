// The item catalogue: for each of the seventeen items its caption, held flag, held picture,
// held picture files and close-ups, in one table. (The held pictures' hints stand in the
// component table.)
#pragma once

#include "app/game_state.hpp"

#include <array>
#include <string>
#include <string_view>

namespace inventory {

// How Průzkum chooses among an item's close-ups.
enum class CloseUpRule {
    Single,           // closeUps[0]
    ByMagazineOut,    // the gun: [1] once the magazine is out
    ByCartridgesOut,  // the magazine: [1] once the cartridges are out
    ByMoneyStage,     // the money: [0] before storyStage 8, [1] to 23, [2] from 24
    OpensMap,         // the map has no close-up: examining it opens the village map
};

struct CatalogueItem {
    const char* caption = nullptr;
    int heldFlag = 0;         // heldFlags index set while the item is in the hand
    int emptiedHeldFlag = 0;  // the gun's flag once magazineOut is 1; 0 for every other item
    int heldPicture = 0;      // n of imgInvN, the picture following the pointer
    // [0] is the starting set; the others are the later states the game loads into it.
    std::array<const char*, 3> heldFiles{};
    int checkpointHeldFile = 0;  // which of heldFiles the checkpoint set loads
    std::array<const char*, 3> closeUps{};
    CloseUpRule closeUpRule = CloseUpRule::Single;
};

inline constexpr int kItemCount = 17;

// The rows in held-picture order: row i belongs to imgInv(i + 1).
const std::array<CatalogueItem, kItemCount>& catalogue();

// The item with exactly this caption, or nullptr.
const CatalogueItem* itemByCaption(std::string_view caption);

// The item whose held flag (or the gun's emptied flag) is this one; nullptr for flag 6.
const CatalogueItem* itemByHeldFlag(int flag);

// The close-up Průzkum shows for the item in the current state; "" for the map.
std::string closeUp(const CatalogueItem& item, const app::GameState& state);

}  // namespace inventory
