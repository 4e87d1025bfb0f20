// Adding and removing inventory entries; itemCount is kept by hand beside the list.
#include "app/data_files.hpp"
#include "app/main_form.hpp"

#include <array>

namespace app {

namespace {

// The held pictures imgInv1 ... imgInv17 of the two sets, in component order.
constexpr std::array<const char*, kHeldPictureCount> kStartingSet = {
    pic::prukaz_mini, pic::karta_mini,  pic::zbran_mini,  pic::zasobnik_mini, pic::naboje_mini,
    pic::zapisnik_mini, pic::penize1_mini, pic::mapa_mini, pic::hrebik_mini, pic::kladivo_mini,
    pic::vlasec_mini, pic::drat_mini,   pic::tyc_mini,    pic::matka_mini,    pic::noviny_mini,
    pic::mobil_mini,  pic::matka_vlasec_mini,
};

constexpr std::array<const char*, kHeldPictureCount> kCheckpointSet = {
    pic::prukaz_mini, pic::karta_mini,  pic::zbran_mini,  pic::zasobnik_mini2, pic::naboje_mini,
    pic::zapisnik_mini, pic::penize3_mini, pic::mapa_mini, pic::hrebik_mini,   pic::kladivo_mini,
    pic::vlasec_mini, pic::drat_mini,   pic::tyc_mini,    pic::matka_mini,     pic::noviny_mini,
    pic::mobil_mini,  pic::matka_vlasec_mini,
};

}  // namespace

void TfrmHlavni::appendInventoryEntry(const std::string& caption) { lbPredmety.append(caption); }

void TfrmHlavni::addInventoryItem(const std::string& caption) {
    appendInventoryEntry(caption);
    ++state.itemCount;
}

void TfrmHlavni::removeInventoryItem(const std::string& caption, int depth) {
    // Downward, so a deletion only moves entries already examined; positions the counter
    // claims but the list does not hold are treated as absent.
    for (int p = depth - 1; p >= 0; --p) {
        if (state.itemCount < p + 1 || p >= lbPredmety.count()) continue;
        if (lbPredmety.caption(p) == caption) lbPredmety.removeAt(p);
    }
    --state.itemCount;
    lbPredmety.resort();
}

void TfrmHlavni::clearInventory() { lbPredmety.clear(); }

void TfrmHlavni::loadHeldPictures(HeldPictureSet set) {
    const auto& files = set == HeldPictureSet::Starting ? kStartingSet : kCheckpointSet;
    for (int n = 1; n <= kHeldPictureCount; ++n) loadPicture(inv(n), files.at(static_cast<std::size_t>(n - 1)));
}

}  // namespace app
