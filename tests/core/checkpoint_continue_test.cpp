// "Nahrát": the fixed state of the second morning, from any moment of the game.
#include "app/data_files.hpp"
#include "form_fixture.hpp"
#include "inventory/item_names.hpp"

namespace {

using Captions = std::vector<std::string>;

const Captions kMorningInventory = {"Drát",    "Hřebík", "Kladivo",         "Mapa",     "Matka",
                                    "Mobilní telefon", "Náboje", "Peníze", "Služební průkaz", "Tyč",
                                    "Vlasec",  "Zásobník", "Zbraň"};

class ContinueTest : public kvtest::CheckpointFormTest {
protected:
    void continueGame() {
        ASSERT_TRUE(form.mmNahrat->enabled());
        form.mmNahratClick();
    }
    void expectMorning() {
        const app::GameState& s = form.state;
        EXPECT_EQ(s.storyTick, 412);
        EXPECT_EQ(s.storyStage, 24);
        EXPECT_EQ(s.sceneId, 14);
        EXPECT_EQ(s.pictureId, 26);
        EXPECT_EQ(s.itemCount, 13);
        EXPECT_EQ(s.sequenceStep, 100);
        EXPECT_EQ(s.notebookLeft, 1);
        EXPECT_EQ(s.cardOwned, 0);
        EXPECT_EQ(s.notebookCarried, 0);
        for (auto flag : {s.nailTaken, s.hammerTaken, s.lineTaken, s.wireTaken, s.rodTaken, s.nutTaken,
                          s.magazineOut, s.cartridgesOut, s.cashPaidOut})
            EXPECT_EQ(flag, 1);
        EXPECT_EQ(heldFlags(), std::vector<int>{});
        EXPECT_EQ(form.lbPredmety.captions(), kMorningInventory);
        EXPECT_EQ(picture(), pic::pokoj1a);
        EXPECT_EQ(enabledHotspots(), std::vector<int>{2});
        EXPECT_FALSE(form.Timer.enabled());
        EXPECT_FALSE(form.TimerDead.enabled());
        EXPECT_TRUE(form.TimerX.enabled());
        EXPECT_TRUE(form.imgClona->enabled());
        EXPECT_TRUE(form.lblX->enabled());
        EXPECT_TRUE(form.imgHlavni->enabled());
        for (ui::Component* b : {&form.btnZpet, &form.btnPruzkum, &form.btnSpojit})
            EXPECT_TRUE(b->enabled() && b->visible()) << b->name();
        EXPECT_TRUE(form.lbPredmety.enabled() && form.lbPredmety.visible());
        for (int n = 1; n <= app::kHeldPictureCount; ++n) {
            EXPECT_TRUE(form.inv(n).enabled()) << n;
            EXPECT_FALSE(form.inv(n).visible()) << n;
        }
        EXPECT_EQ(form.inv(4).picture(), pic::zasobnik_mini2);
        EXPECT_EQ(form.inv(7).picture(), pic::penize3_mini);
    }
};

TEST_F(ContinueTest, BeforeAnyGameShowsTheMorningWithTheStoryClockStopped) {
    continueGame();
    expectMorning();
}

TEST_F(ContinueTest, TwiceInARowGivesTheSameStateWithThirteenEntries) {
    continueGame();
    const app::GameState first = form.state;
    continueGame();
    EXPECT_EQ(form.state, first);
    EXPECT_EQ(form.lbPredmety.count(), 13);
    expectMorning();
}

TEST_F(ContinueTest, WhileAnItemIsHeldTheHandIsEmptiedAndNoPictureShows) {
    continueGame();
    form.TimerX.setEnabled(false);
    form.imgClona->setEnabled(false);
    select(item::mapa);
    moveTo(400, 300);
    ASSERT_TRUE(form.inv(8).visible());
    continueGame();
    expectMorning();
}

TEST_F(ContinueTest, DuringTheDeathCountdownStopsItAndKeepsItsStep) {
    takeControl(42);
    enterScene(6, 13, {47});
    form.startDeathCountdown();
    clock.advance(3000);
    const int step = form.state.deathStep;
    continueGame();
    expectMorning();
    EXPECT_EQ(form.state.deathStep, step);
    clock.advance(20000);
    EXPECT_EQ(form.state.deathStep, step);
}

TEST_F(ContinueTest, LeavesTheRemarkCombineAndSoundGuardsAloneAndFoldsTheMap) {
    takeControl(20);
    form.state.combineArmed = 1;
    form.state.returnMode = 2;
    form.state.tillSoundPlayed = 1;
    form.state.remarkFrame = 7;
    form.Timer2.setEnabled(true);
    form.map(2).setEnabled(true);
    form.setLine("Agent:Ráno.");
    continueGame();
    EXPECT_EQ(form.state.combineArmed, 1);
    EXPECT_EQ(form.state.returnMode, 0);
    EXPECT_EQ(form.state.tillSoundPlayed, 1);
    EXPECT_EQ(form.state.remarkFrame, 7);
    EXPECT_TRUE(form.Timer2.enabled());
    EXPECT_FALSE(form.map(2).enabled());
    EXPECT_EQ(form.lblText.text(), "");
}

TEST_F(ContinueTest, FirstZpetAfterwardsShowsTheRoomByStage) {
    continueGame();
    form.TimerX.setEnabled(false);
    press(form.btnZpet);
    EXPECT_EQ(form.state.pictureId, 25);
    EXPECT_EQ(picture(), pic::pokoj1a);
    EXPECT_FALSE(form.imgClona->enabled());
}

}  // namespace
