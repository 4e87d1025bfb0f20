// The item in the hand: taking it from the list, the pointer-following picture, the hotspots
// that hide it, and the phone that calls for help.
#include "app/data_files.hpp"
#include "form_fixture.hpp"
#include "inventory/item_catalogue.hpp"
#include "inventory/item_names.hpp"

namespace {

using Flags = std::vector<int>;

class HeldItemTest : public kvtest::FormTest {
protected:
    HeldItemTest() {
        takeControl(24);
        enterScene(14, 25, {2});
    }
};

TEST_F(HeldItemTest, EveryItemSetsItsOwnFlagAndTheNextClickPutsItBack) {
    for (const inventory::CatalogueItem& row : inventory::catalogue()) {
        carry({row.caption});
        select(row.caption);
        EXPECT_EQ(heldFlags(), Flags{row.heldFlag}) << row.caption;
    }
    selectNone();
    EXPECT_EQ(heldFlags(), Flags{});
}

TEST_F(HeldItemTest, ClickWhileATimerRunsOnlyEmptiesTheHand) {
    carry({item::mapa, item::drat});
    for (ui::Timer* timer : {&form.Timer, &form.TimerX, &form.Timer2}) {
        select(item::drat);
        timer->setEnabled(true);
        select(item::mapa);
        EXPECT_EQ(heldFlags(), Flags{}) << timer->name();
        timer->setEnabled(false);
    }
    form.TimerDead.setEnabled(true);  // the death countdown does not stop the hand
    select(item::mapa);
    EXPECT_EQ(heldFlags(), Flags{app::held::Map});
}

TEST_F(HeldItemTest, NotebookStaysInTheListButOutOfTheHandWhileItIsNotCarried) {
    carry({item::zapisnik, item::mapa});
    select(item::mapa);
    form.state.notebookCarried = 0;
    select(item::zapisnik);
    EXPECT_EQ(form.lbPredmety.selected(), position(item::zapisnik));
    EXPECT_EQ(heldFlags(), Flags{});
    form.state.notebookCarried = 1;
    select(item::zapisnik);
    EXPECT_EQ(heldFlags(), Flags{app::held::Notebook});
}

TEST_F(HeldItemTest, GunIsFlagThreeWithItsMagazineAndFlagFourWithout) {
    carry({item::zbran});
    select(item::zbran);
    EXPECT_EQ(heldFlags(), Flags{app::held::Gun});
    moveTo(400, 300);
    EXPECT_EQ(form.inv(3).picture(), pic::zbran_mini);

    form.state.magazineOut = 1;
    select(item::zbran);
    EXPECT_EQ(heldFlags(), Flags{app::held::EmptiedGun});
    moveTo(400, 300);
    EXPECT_EQ(form.inv(3).picture(), pic::zbran_mini2);
    EXPECT_TRUE(form.inv(3).visible());
}

TEST_F(HeldItemTest, OnlyTheFirstFifteenCountedEntriesCanBeTaken) {
    form.clearInventory();
    for (const inventory::CatalogueItem& row : inventory::catalogue()) form.appendInventoryEntry(row.caption);
    form.state.itemCount = 17;
    form.lbPredmety.click(14);
    EXPECT_EQ(heldFlags(), Flags{app::held::Notebook});  // position 14 is "Zápisník"
    form.lbPredmety.click(15);                            // "Zásobník", the 16th entry
    EXPECT_EQ(heldFlags(), Flags{});
    form.state.itemCount = 3;  // the counter fell below the list: position 3 is out of reach
    form.lbPredmety.click(3);
    EXPECT_EQ(heldFlags(), Flags{});
}

TEST_F(HeldItemTest, PictureFollowsThePointerAndHidesOverHotspots) {
    carry({item::mapa});
    select(item::mapa);
    EXPECT_FALSE(form.inv(8).visible());  // shown only at the next move over the scene
    ASSERT_EQ(moveTo(300, 200), form.imgHlavni);
    EXPECT_TRUE(form.inv(8).visible());
    EXPECT_EQ(form.inv(8).rect().left, 301);
    EXPECT_EQ(form.inv(8).rect().top, 204);

    ASSERT_EQ(moveTo(300, 560), &form.cur(2));
    EXPECT_FALSE(form.inv(8).visible());
    EXPECT_EQ(form.cur(2).cursor(), app::kCursorDown);
    EXPECT_EQ(heldFlags(), Flags{app::held::Map});  // hidden, still held

    moveTo(500, 100);
    EXPECT_TRUE(form.inv(8).visible());
    EXPECT_EQ(form.inv(8).rect().left, 501);
}

TEST_F(HeldItemTest, GardenerHotspotHidesThePictureOnlyForTheLineWithTheNut) {
    enterScene(15, 27, {2, 42});
    carry({item::mapa, item::vlasecMatka});
    const ui::Rect gardener = form.cur(42).rect();
    select(item::mapa);
    moveTo(gardener.left - 5, gardener.top);  // bare scene beside the gardener
    ASSERT_EQ(moveTo(gardener.left + 1, gardener.top + 1), &form.cur(42));
    EXPECT_TRUE(form.inv(8).visible());
    EXPECT_EQ(form.cur(42).cursor(), app::kCursorDefault);

    select(item::vlasecMatka);
    moveTo(gardener.left - 5, gardener.top);
    EXPECT_TRUE(form.inv(17).visible());
    moveTo(gardener.left + 1, gardener.top + 1);
    EXPECT_FALSE(form.inv(17).visible());
    EXPECT_EQ(form.cur(42).cursor(), app::kCursorHand);

    select(item::mapa);  // the cursor keeps what the last move over it set
    moveTo(gardener.left + 1, gardener.top + 1);
    EXPECT_EQ(form.cur(42).cursor(), app::kCursorHand);
}

TEST_F(HeldItemTest, PhoneCallsForHelpOnlyInTheChase) {
    carry({item::mobilniTelefon});
    select(item::mobilniTelefon);
    EXPECT_FALSE(form.Timer.enabled());
    EXPECT_EQ(heldFlags(), Flags{app::held::Phone});

    form.state.storyStage = 42;
    select(item::mobilniTelefon);
    EXPECT_EQ(form.state.storyTick, 690);
    EXPECT_TRUE(form.Timer.enabled());
    EXPECT_TRUE(form.imgClona->enabled());
}

}  // namespace
