// The seventeen items of the game with their held pictures and close-ups.
#include "inventory/item_catalogue.hpp"

#include "app/data_files.hpp"
#include "app/story_names.hpp"
#include "inventory/item_names.hpp"

namespace inventory {

namespace {

constexpr std::array<CatalogueItem, kItemCount> kCatalogue = {{
    {.caption = item::sluzebniPrukaz, .heldFlag = app::held::ServiceCard, .heldPicture = 1,
     .heldFiles = {pic::prukaz_mini}, .closeUps = {pic::prukaz}},
    {.caption = item::kreditniKarta, .heldFlag = app::held::CreditCard, .heldPicture = 2,
     .heldFiles = {pic::karta_mini}, .closeUps = {pic::karta}},
    {.caption = item::zbran, .heldFlag = app::held::Gun, .emptiedHeldFlag = app::held::EmptiedGun,
     .heldPicture = 3, .heldFiles = {pic::zbran_mini, pic::zbran_mini2},
     .closeUps = {pic::zbran, pic::zbran2}, .closeUpRule = CloseUpRule::ByMagazineOut},
    {.caption = item::zasobnik, .heldFlag = app::held::Magazine, .heldPicture = 4,
     .heldFiles = {pic::zasobnik_mini, pic::zasobnik_mini2}, .checkpointHeldFile = 1,
     .closeUps = {pic::zasobnik, pic::zasobnik2}, .closeUpRule = CloseUpRule::ByCartridgesOut},
    {.caption = item::naboje, .heldFlag = app::held::Cartridges, .heldPicture = 5,
     .heldFiles = {pic::naboje_mini}, .closeUps = {pic::naboje}},
    {.caption = item::zapisnik, .heldFlag = app::held::Notebook, .heldPicture = 6,
     .heldFiles = {pic::zapisnik_mini}, .closeUps = {pic::zapisnik}},
    {.caption = item::penize, .heldFlag = app::held::Money, .heldPicture = 7,
     .heldFiles = {pic::penize1_mini, pic::penize2_mini, pic::penize3_mini}, .checkpointHeldFile = 2,
     .closeUps = {pic::penize1, pic::penize2, pic::penize3}, .closeUpRule = CloseUpRule::ByMoneyStage},
    {.caption = item::mapa, .heldFlag = app::held::Map, .heldPicture = 8,
     .heldFiles = {pic::mapa_mini}, .closeUpRule = CloseUpRule::OpensMap},
    {.caption = item::hrebik, .heldFlag = app::held::Nail, .heldPicture = 9,
     .heldFiles = {pic::hrebik_mini}, .closeUps = {pic::hrebik}},
    {.caption = item::kladivo, .heldFlag = app::held::Hammer, .heldPicture = 10,
     .heldFiles = {pic::kladivo_mini}, .closeUps = {pic::kladivo}},
    {.caption = item::vlasec, .heldFlag = app::held::FishingLine, .heldPicture = 11,
     .heldFiles = {pic::vlasec_mini}, .closeUps = {pic::vlasec}},
    {.caption = item::drat, .heldFlag = app::held::Wire, .heldPicture = 12,
     .heldFiles = {pic::drat_mini}, .closeUps = {pic::drat}},
    {.caption = item::tyc, .heldFlag = app::held::Rod, .heldPicture = 13,
     .heldFiles = {pic::tyc_mini}, .closeUps = {pic::tyc}},
    {.caption = item::matka, .heldFlag = app::held::Nut, .heldPicture = 14,
     .heldFiles = {pic::matka_mini}, .closeUps = {pic::matka}},
    {.caption = item::noviny, .heldFlag = app::held::Newspaper, .heldPicture = 15,
     .heldFiles = {pic::noviny_mini}, .closeUps = {pic::noviny}},
    {.caption = item::mobilniTelefon, .heldFlag = app::held::Phone, .heldPicture = 16,
     .heldFiles = {pic::mobil_mini}, .closeUps = {pic::mobil}},
    {.caption = item::vlasecMatka, .heldFlag = app::held::LineWithNut, .heldPicture = 17,
     .heldFiles = {pic::matka_vlasec_mini}, .closeUps = {pic::matka_vlasec}},
}};

}  // namespace

const std::array<CatalogueItem, kItemCount>& catalogue() { return kCatalogue; }

const CatalogueItem* itemByCaption(std::string_view caption) {
    for (const CatalogueItem& row : kCatalogue)
        if (caption == row.caption) return &row;
    return nullptr;
}

const CatalogueItem* itemByHeldFlag(int flag) {
    if (flag == 0) return nullptr;
    for (const CatalogueItem& row : kCatalogue)
        if (row.heldFlag == flag || row.emptiedHeldFlag == flag) return &row;
    return nullptr;
}

std::string closeUp(const CatalogueItem& row, const app::GameState& state) {
    switch (row.closeUpRule) {
        case CloseUpRule::Single: return row.closeUps[0];
        case CloseUpRule::ByMagazineOut: return row.closeUps[state.magazineOut == 1 ? 1 : 0];
        case CloseUpRule::ByCartridgesOut: return row.closeUps[state.cartridgesOut == 1 ? 1 : 0];
        case CloseUpRule::ByMoneyStage:
            // Fewer notes once the map is bought, fewer again on the second morning.
            if (state.storyStage < app::stage::MapBought) return row.closeUps[0];
            if (state.storyStage < app::stage::SecondMorning) return row.closeUps[1];
            return row.closeUps[2];
        case CloseUpRule::OpensMap: return "";
    }
    return "";
}

}  // namespace inventory
