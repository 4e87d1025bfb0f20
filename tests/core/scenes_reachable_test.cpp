// The spots a click would reach now: exactly the hotspots and map spots the hit test gives a
// point to, none under the shield, and asking changes nothing.
#include "app/settle.hpp"
#include "form_fixture.hpp"
#include "script/action.hpp"
#include "script/session.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <string>
#include <vector>

namespace {

bool isSpot(const ui::Component& c) {
    return c.kind() == ui::ComponentKind::Hotspot || c.kind() == ui::ComponentKind::MapSpot;
}

// The hit test's own answer: the spots that receive a click aimed where a player would aim.
std::vector<const ui::Component*> hitByAiming(const app::TfrmHlavni& f) {
    std::vector<const ui::Component*> hit;
    for (const auto& c : f.stack.all()) {
        if (!isSpot(*c)) continue;
        const ui::Point p = f.stack.aimPoint(*c);
        if (f.stack.hitTest(p.x, p.y) == c.get()) hit.push_back(c.get());
    }
    return hit;
}

TEST(ReachableSpots, AreTheHitTestsAnswerInEveryStateOfTheWalkthroughAndAskingChangesNothing) {
    std::ifstream file(std::string(KVELNOR_SOURCE_DIR) + "/tests/scenarios/walkthrough.kvs");
    ASSERT_TRUE(file);
    script::Session session;
    app::TfrmHlavni& f = *session.form;
    f.checkpointPath = app::kNoCheckpointPath;
    int states = 0;
    int withSpots = 0;
    for (std::string line; std::getline(file, line);) {
        const script::ParseResult parsed = script::parseAction(line);
        if (!parsed.action) continue;
        session.execute(*parsed.action);
        ++states;
        const app::GameState before = f.state;
        const std::uint64_t changes = f.changes.value;
        const std::vector<const ui::Component*> reachable = f.reachableSpots();
        EXPECT_EQ(f.changes.value, changes) << line;
        EXPECT_EQ(f.state, before) << line;
        EXPECT_EQ(reachable, hitByAiming(f)) << "after line " << states << ": " << line;
        if (f.imgClona->enabled()) {
            EXPECT_TRUE(reachable.empty()) << line;
        }
        if (!reachable.empty()) ++withSpots;
    }
    EXPECT_GT(withSpots, 100);
}

class Reachable : public kvtest::FormTest {};

TEST_F(Reachable, ASpotPartlyCoveredStaysReachableAWhollyCoveredOneIsNot) {
    takeControl(0);
    // The town hall door lies wholly inside the office door, which lies above it; the mayor
    // covers part of the office door from above.
    enterScene(app::scene::MayorsOffice, 0, {app::hotspot::TownHallDoor, app::hotspot::OfficeDoor, app::hotspot::Mayor});
    std::vector<std::string> names;
    for (const ui::Component* c : form.reachableSpots()) names.push_back(c->name());
    EXPECT_EQ(names, (std::vector<std::string>{"imgCur4", "imgCur5"}));
    form.imgClona->setEnabled(true);
    EXPECT_TRUE(form.reachableSpots().empty()) << "nothing while the shield is up";
}

TEST_F(Reachable, NoSpotTakesAClickBesideTheSceneWhereTheShieldDoesNotReach) {
    form.imgClona->setEnabled(true);
    for (const auto& c : form.stack.all()) {
        if (!isSpot(*c)) continue;
        c->setEnabled(true);
        c->setVisible(true);
        const ui::Rect r = c->rect();
        for (const ui::Point p : {ui::Point{r.left, r.top}, ui::Point{r.left + r.width - 1, r.top + r.height - 1}})
            EXPECT_EQ(form.stack.hitTest(p.x, p.y), form.imgClona) << c->name() << " at " << p.x << ", " << p.y;
    }
}

}  // namespace
