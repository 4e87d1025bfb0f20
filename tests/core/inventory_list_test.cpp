// The inventory list and catalogue: the fixed order, adding, removing by caption and depth,
// and the held-picture sets.
#include "app/data_files.hpp"
#include "form_fixture.hpp"
#include "inventory/item_catalogue.hpp"
#include "inventory/item_names.hpp"

#include <set>

namespace {

using kvtest::FormTest;
using Captions = std::vector<std::string>;

TEST_F(FormTest, ListKeepsTheFixedOrderWhateverTheOrderOfAdding) {
    // Reverse catalogue order, so every entry has to move to its place.
    const auto& items = inventory::catalogue();
    for (auto it = items.rbegin(); it != items.rend(); ++it) form.addInventoryItem(it->caption);
    EXPECT_EQ(form.lbPredmety.captions(),
              (Captions{"Drát", "Hřebík", "Kladivo", "Kreditní karta", "Mapa", "Matka", "Mobilní telefon", "Náboje",
                        "Noviny", "Peníze", "Služební průkaz", "Tyč", "Vlasec", "Vlasec + matka", "Zápisník",
                        "Zásobník", "Zbraň"}));
    EXPECT_EQ(form.state.itemCount, 5 + 17);
}

TEST_F(FormTest, StartingInventoryPutsTheGunLastAndTheLineWithNutAfterTheLine) {
    carry({item::sluzebniPrukaz, item::kreditniKarta, item::zbran, item::zapisnik, item::mobilniTelefon});
    EXPECT_EQ(form.lbPredmety.captions(),
              (Captions{"Kreditní karta", "Mobilní telefon", "Služební průkaz", "Zápisník", "Zbraň"}));
    form.addInventoryItem(item::zasobnik);
    EXPECT_EQ(position(item::zasobnik) + 1, position(item::zbran));
    carry({item::vlasec, item::tyc, item::zbran});
    form.addInventoryItem(item::vlasecMatka);
    EXPECT_EQ(position(item::vlasecMatka), position(item::vlasec) + 1);
}

TEST_F(FormTest, RemovalLooksOnlyWithinItsDepthAndCountsDownOnce) {
    carry({item::drat, item::hrebik, item::kreditniKarta});
    form.removeInventoryItem(item::kreditniKarta, 2);  // the card stands at position 2
    EXPECT_EQ(form.lbPredmety.captions(), (Captions{"Drát", "Hřebík", "Kreditní karta"}));
    EXPECT_EQ(form.state.itemCount, 2);

    // The card now lies beyond the counter too: the next removal cannot reach it either.
    form.removeInventoryItem(item::kreditniKarta, 15);
    EXPECT_EQ(form.lbPredmety.count(), 3);
    EXPECT_EQ(form.state.itemCount, 1);
}

TEST_F(FormTest, RemovalDeletesEveryEqualEntryButCountsOnlyOne) {
    carry({item::zasobnik, item::zasobnik, item::zbran, item::drat});
    form.removeInventoryItem(item::zasobnik, 15);
    EXPECT_EQ(form.lbPredmety.captions(), (Captions{"Drát", "Zbraň"}));
    EXPECT_EQ(form.state.itemCount, 3);  // one higher than the real number of entries
}

TEST_F(FormTest, CounterAboveTheRealEntriesNeverReadsBeyondTheList) {
    carry({item::mapa});
    form.state.itemCount = 15;
    form.removeInventoryItem(item::mapa, 15);
    EXPECT_EQ(form.lbPredmety.count(), 0);
    EXPECT_EQ(form.state.itemCount, 14);
    form.clearInventory();
    EXPECT_EQ(form.state.itemCount, 14);  // clearing leaves the counter to the caller
}

TEST_F(FormTest, HeldPictureSetsDifferOnlyInTheMagazineAndTheMoney) {
    form.loadHeldPictures(app::HeldPictureSet::Starting);
    EXPECT_EQ(form.inv(1).picture(), pic::prukaz_mini);
    EXPECT_EQ(form.inv(4).picture(), pic::zasobnik_mini);
    EXPECT_EQ(form.inv(7).picture(), pic::penize1_mini);
    EXPECT_EQ(form.inv(17).picture(), pic::matka_vlasec_mini);
    form.loadHeldPictures(app::HeldPictureSet::Checkpoint);
    EXPECT_EQ(form.inv(3).picture(), pic::zbran_mini);
    EXPECT_EQ(form.inv(4).picture(), pic::zasobnik_mini2);
    EXPECT_EQ(form.inv(7).picture(), pic::penize3_mini);
    EXPECT_EQ(form.inv(8).picture(), pic::mapa_mini);
    for (int n = 1; n <= app::kHeldPictureCount; ++n) EXPECT_FALSE(form.inv(n).visible()) << n;
}

TEST(ItemCatalogue, EveryRowMatchesItsHeldPictureAndListRank) {
    std::set<int> flags;
    int n = 0;
    for (const inventory::CatalogueItem& row : inventory::catalogue()) {
        ++n;
        EXPECT_EQ(row.heldPicture, n) << row.caption;
        EXPECT_LT(item::rank(row.caption), 17) << row.caption;
        EXPECT_TRUE(flags.insert(row.heldFlag).second) << row.caption;
        EXPECT_EQ(inventory::itemByHeldFlag(row.heldFlag), &row);
    }
    EXPECT_EQ(inventory::itemByHeldFlag(app::held::EmptiedGun)->caption, std::string(item::zbran));
    EXPECT_EQ(inventory::itemByHeldFlag(app::held::Unused), nullptr);
    EXPECT_EQ(inventory::itemByCaption("Zbran"), nullptr);  // captions compare exactly
}

}  // namespace
