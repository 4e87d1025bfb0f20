// Combining the fishing line with the nut, and taking the gun and the magazine apart.
#include "app/data_files.hpp"
#include "form_fixture.hpp"
#include "inventory/combine_step.hpp"
#include "inventory/item_names.hpp"

namespace {

using Flags = std::vector<int>;
using Captions = std::vector<std::string>;

class CombineTest : public kvtest::FormTest {
protected:
    CombineTest() {
        takeControl(24);
        enterScene(14, 25, {2});
    }
};

TEST_F(CombineTest, OnlyTheFishingLineArmsAndAWrongSecondClickKeepsItArmed) {
    carry({item::mapa, item::matka, item::vlasec});
    select(item::matka);
    press(form.btnSpojit);  // the nut does not arm
    EXPECT_EQ(form.state.combineArmed, 0);
    EXPECT_EQ(heldFlags(), Flags{});
    select(item::vlasec);
    EXPECT_EQ(form.lbPredmety.count(), 3);

    press(form.btnSpojit);
    EXPECT_EQ(form.state.combineArmed, 1);
    EXPECT_EQ(heldFlags(), Flags{});
    select(item::mapa);  // the wrong item is simply taken
    EXPECT_EQ(heldFlags(), Flags{app::held::Map});
    EXPECT_EQ(form.lbPredmety.count(), 3);
    EXPECT_EQ(form.state.combineArmed, 1);

    select(item::matka);
    EXPECT_EQ(form.lbPredmety.captions(), (Captions{"Mapa", "Vlasec + matka"}));
    EXPECT_EQ(form.state.itemCount, 2);
    EXPECT_EQ(heldFlags(), Flags{});
    EXPECT_EQ(form.state.combineArmed, 1);  // nothing but a new game disarms
}

TEST_F(CombineTest, ArmedOnlyUntilThePairIsMade) {
    carry({item::matka, item::vlasec});
    EXPECT_FALSE(inventory::combinationArmed(form));
    select(item::matka);
    press(form.btnSpojit);
    EXPECT_FALSE(inventory::combinationArmed(form));  // the nut does not arm
    select(item::vlasec);
    press(form.btnSpojit);
    EXPECT_TRUE(inventory::combinationArmed(form));
    select(item::matka);
    EXPECT_EQ(form.state.combineArmed, 1);
    EXPECT_FALSE(inventory::combinationArmed(form));  // the line is joined: nothing is left to arm
}

TEST_F(CombineTest, GunGivesItsMagazineOnceAndStaysInTheHandTheSecondTime) {
    carry({item::kreditniKarta, item::mobilniTelefon, item::sluzebniPrukaz, item::zbran});
    doubleClick(item::zbran);
    EXPECT_EQ(form.lbPredmety.captions(),
              (Captions{"Kreditní karta", "Mobilní telefon", "Služební průkaz", "Zásobník", "Zbraň"}));
    EXPECT_EQ(form.state.itemCount, 5);
    EXPECT_EQ(form.state.magazineOut, 1);
    EXPECT_EQ(heldFlags(), Flags{});
    EXPECT_EQ(form.inv(3).picture(), pic::zbran_mini2);
    EXPECT_EQ(form.inv(4).picture(), pic::zasobnik_mini);

    doubleClick(item::zbran);
    EXPECT_EQ(form.lbPredmety.count(), 5);  // no second magazine
    EXPECT_EQ(form.state.itemCount, 5);
    EXPECT_EQ(heldFlags(), Flags{app::held::EmptiedGun});
}

TEST_F(CombineTest, MagazineGivesItsCartridgesOnce) {
    carry({item::zasobnik, item::zbran});
    form.state.magazineOut = 1;
    doubleClick(item::zasobnik);
    EXPECT_EQ(form.lbPredmety.captions(), (Captions{"Náboje", "Zásobník", "Zbraň"}));
    EXPECT_EQ(form.state.cartridgesOut, 1);
    EXPECT_EQ(form.state.itemCount, 3);
    EXPECT_EQ(form.inv(4).picture(), pic::zasobnik_mini2);
    EXPECT_EQ(form.inv(5).picture(), pic::naboje_mini);
    EXPECT_EQ(heldFlags(), Flags{});

    doubleClick(item::zasobnik);
    EXPECT_EQ(form.lbPredmety.count(), 3);
    EXPECT_EQ(heldFlags(), Flags{app::held::Magazine});
}

TEST_F(CombineTest, OnlyTheFirstSevenPositionsAndOnlyTheTwoWholesComeApart) {
    carry({item::drat, item::hrebik, item::kladivo, item::mapa, item::matka, item::naboje, item::penize,
           item::zbran});
    doubleClick(item::zbran);  // position 7
    EXPECT_EQ(form.lbPredmety.count(), 8);
    EXPECT_EQ(form.state.magazineOut, 0);
    EXPECT_EQ(heldFlags(), Flags{app::held::Gun});
    doubleClick(item::mapa);
    EXPECT_EQ(form.lbPredmety.count(), 8);
    EXPECT_EQ(heldFlags(), Flags{app::held::Map});
}

}  // namespace
