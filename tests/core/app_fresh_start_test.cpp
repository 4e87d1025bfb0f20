// "Nová" and "Nahrát" leave nothing of the previous scene on screen: no line, no price on the
// till, no object lying about, no map marker, no live map spot.
#include "app/data_files.hpp"
#include "form_fixture.hpp"
#include "inventory/item_names.hpp"

namespace {

namespace hotspot = app::hotspot;
namespace scene = app::scene;
namespace stage = app::stage;

constexpr int kOverlays[] = {hotspot::Nail,        hotspot::Hammer, hotspot::StoreroomLock, hotspot::FishingLine,
                             hotspot::Wire,        hotspot::Rod,    hotspot::Nut};

class FreshStartTest : public kvtest::CheckpointFormTest {
protected:
    // The agent stands at the tobacconist with the price of the map on the till and the line shown.
    void atTheTillWithTheHammerLyingOutside() {
        takeControl(stage::MoneyWithdrawn);
        form.state.storyTick = 195;
        for (ui::Component* digit : {form.lblkasa1, form.lblkasa2}) {
            digit->setEnabled(true);
            digit->setVisible(true);
        }
        form.setLine("Prodavačka:Tady ji máte.");
        for (int n : kOverlays) form.showOverlay(n, true);
    }
    void openTheMapWithTheFactory() {
        takeControl(stage::AtFactory);
        form.state.storyTick = 298;
        carry({item::mapa});
        select(item::mapa);
        press(form.btnPruzkum);
        ASSERT_EQ(form.state.returnMode, 2);
        ASSERT_TRUE(form.map(app::mapspot::Factory).visible());
    }
    void expectNothingLeftOver() {
        EXPECT_EQ(form.lblText.text(), "");
        for (ui::Component* digit : {form.lblkasa1, form.lblkasa2}) EXPECT_FALSE(digit->visible()) << digit->name();
        for (int n : kOverlays) EXPECT_FALSE(form.cur(n).visible()) << "imgCur" << n;
        EXPECT_FALSE(form.map(app::mapspot::Factory).visible());
    }
};

TEST_F(FreshStartTest, NovaDuringADialogueShowsNoOldLineOverTheOpening) {
    atTheTillWithTheHammerLyingOutside();
    platform.answers.push_back(true);
    form.mmNovaClick();
    EXPECT_EQ(form.lblText.text(), "");
    clock.advance(10 * app::kIntervalMedium);  // ticks 1 to 10: the opening's pictures only
    EXPECT_EQ(form.state.storyTick, 10);
    EXPECT_EQ(form.lblText.text(), "");
}

TEST_F(FreshStartTest, NovaAtTheTobacconistLeavesNoPriceNoObjectsAndNoMarker) {
    atTheTillWithTheHammerLyingOutside();
    platform.answers.push_back(true);
    form.mmNovaClick();
    expectNothingLeftOver();
}

TEST_F(FreshStartTest, NovaWithTheMapOpenLeavesNoFactoryMarkerOnTheSquare) {
    openTheMapWithTheFactory();
    platform.answers.push_back(true);
    form.mmNovaClick();
    expectNothingLeftOver();
}

TEST_F(FreshStartTest, NahratAtTheTobacconistDrawsNoHammerNoPriceAndNoLineInTheRoom) {
    atTheTillWithTheHammerLyingOutside();
    form.mmNahratClick();
    expectNothingLeftOver();
    EXPECT_EQ(picture(), pic::pokoj1a);
}

TEST_F(FreshStartTest, NahratWithTheMapOpenLeavesNoLiveMapSpots) {
    openTheMapWithTheFactory();
    form.mmNahratClick();
    expectNothingLeftOver();
    EXPECT_EQ(form.state.returnMode, 0);
    for (int n = 1; n <= app::kMapSpotCount; ++n) EXPECT_FALSE(form.map(n).enabled()) << "imgMap" << n;
    clock.advance(200 * app::kTimerXInterval);  // the caption is typed and lowers the shield
    ASSERT_FALSE(form.imgClona->enabled());
    // Where the square lay on the map nothing answers; the agent stays in his room.
    clickMapSpot(app::mapspot::Square);
    EXPECT_EQ(form.state.sceneId, scene::HotelRoom);
    press(form.btnZpet);
    EXPECT_EQ(picture(), pic::pokoj1a) << "Zpět shows the room, not the map";
}

TEST_F(FreshStartTest, NahratDuringARemarkLetsTheRemarkRunToItsEnd) {
    takeControl(stage::CashMachineKnown);
    enterScene(scene::CashMachine, 0, {hotspot::CardSlot});
    clickHotspot(hotspot::CardSlot);  // without the card: "Mám tam snad strčit ruku?"
    clock.advance(2 * app::kIntervalMedium);
    const std::string remark = form.lblText.text();
    ASSERT_FALSE(remark.empty());
    form.mmNahratClick();
    EXPECT_TRUE(form.Timer2.enabled());
    clock.advance(app::kIntervalMedium);
    EXPECT_EQ(form.lblText.text(), remark) << "the remark's next frame shows it again";
    clock.advance(5 * app::kIntervalMedium);
    EXPECT_FALSE(form.Timer2.enabled());
    EXPECT_EQ(form.lblText.text(), "");
}

}  // namespace
