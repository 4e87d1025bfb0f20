// The window model: hit testing through the stack, timers on the virtual clock, menus, the list.
#include "ui/component_stack.hpp"
#include "ui/menu.hpp"
#include "ui/sorted_list.hpp"
#include "ui/virtual_clock.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <random>
#include <string>
#include <vector>

namespace {

TEST(HitTest, TopmostEnabledComponentWinsAndDisabledLetsTheMouseThrough) {
    ui::ChangeCounter changes;
    ui::ComponentStack stack(changes);
    ui::Component& low = stack.add("low", ui::ComponentKind::Hotspot, {10, 10, 100, 100});
    ui::Component& high = stack.add("high", ui::ComponentKind::Hotspot, {50, 50, 100, 100});
    EXPECT_EQ(stack.hitTest(60, 60), &high);
    EXPECT_EQ(stack.hitTest(20, 20), &low);
    high.setEnabled(false);
    EXPECT_EQ(stack.hitTest(60, 60), &low);
    high.setEnabled(true);
    high.setVisible(false);
    EXPECT_EQ(stack.hitTest(60, 60), &low);
    low.setEnabled(false);
    EXPECT_EQ(stack.hitTest(60, 60), nullptr);
}

TEST(HitTest, RectanglesAreHalfOpen) {
    ui::ChangeCounter changes;
    ui::ComponentStack stack(changes);
    ui::Component& c = stack.add("c", ui::ComponentKind::Hotspot, {10, 20, 5, 7});
    EXPECT_EQ(stack.hitTest(10, 20), &c);
    EXPECT_EQ(stack.hitTest(14, 26), &c);
    EXPECT_EQ(stack.hitTest(15, 20), nullptr);
    EXPECT_EQ(stack.hitTest(10, 27), nullptr);
    EXPECT_EQ(stack.hitTest(9, 20), nullptr);
}

TEST(InputPath, ClickAndMoveReachOnlyTheComponentTheHitTestNames) {
    ui::ChangeCounter changes;
    ui::ComponentStack stack(changes);
    ui::Component& low = stack.add("low", ui::ComponentKind::Hotspot, {10, 10, 100, 100});
    ui::Component& high = stack.add("high", ui::ComponentKind::Hotspot, {50, 50, 100, 100});
    std::vector<std::string> got;
    low.onClick = [&] { got.push_back("low click"); };
    high.onClick = [&] { got.push_back("high click"); };
    high.onMouseMove = [&](int x, int y) { got.push_back("high move " + std::to_string(x) + " " + std::to_string(y)); };
    EXPECT_EQ(stack.click(60, 70), &high);
    EXPECT_EQ(stack.move(60, 70), &high);
    EXPECT_EQ(stack.move(20, 20), &low);  // no move handler: nothing runs, the component is still named
    high.setEnabled(false);
    EXPECT_EQ(stack.click(60, 70), &low);
    EXPECT_EQ(stack.click(500, 500), nullptr);
    EXPECT_EQ(got, (std::vector<std::string>{"high click", "high move 10 20", "low click"}));
}

TEST(InputPath, ACoveredCentreMovesToTheFirstPointTheComponentOwnsRowByRow) {
    ui::ChangeCounter changes;
    ui::ComponentStack stack(changes);
    ui::Component& low = stack.add("low", ui::ComponentKind::Hotspot, {10, 10, 100, 100});
    stack.add("high", ui::ComponentKind::Hotspot, {10, 10, 60, 100});  // covers the centre and the left
    const std::optional<ui::Point> point = stack.clickablePoint(low);
    ASSERT_TRUE(point);
    EXPECT_EQ(*point, (ui::Point{70, 10}));
    EXPECT_EQ(stack.aimPoint(low), (ui::Point{70, 10}));
}

TEST(InputPath, AHiddenDisabledOrWhollyCoveredComponentHasNoClickablePointAndIsAimedAtItsCentre) {
    ui::ChangeCounter changes;
    ui::ComponentStack stack(changes);
    ui::Component& c = stack.add("c", ui::ComponentKind::Hotspot, {10, 20, 30, 40});
    ui::Component& cover = stack.add("cover", ui::ComponentKind::Shield, {0, 0, 100, 100});
    EXPECT_FALSE(stack.clickablePoint(c));
    EXPECT_EQ(stack.aimPoint(c), (ui::Point{25, 40}));
    cover.setEnabled(false);
    EXPECT_EQ(stack.clickablePoint(c), (ui::Point{25, 40}));
    c.setVisible(false);
    EXPECT_FALSE(stack.clickablePoint(c));
    c.setVisible(true);
    c.setEnabled(false);
    EXPECT_FALSE(stack.clickablePoint(c));
}

TEST(InputPath, TheClickablePointIsTheFirstPointTheHitTestGivesTheComponent) {
    // Random overlapping layouts, against the definition: the centre if the hit test gives it
    // to the component, else the first such point row by row.
    std::mt19937 random(7);
    const auto upTo = [&](int n) { return std::uniform_int_distribution<int>(0, n)(random); };
    for (int layout = 0; layout < 300; ++layout) {
        ui::ChangeCounter changes;
        ui::ComponentStack stack(changes);
        const int count = 2 + upTo(6);
        for (int i = 0; i < count; ++i) {
            ui::Component& c =
                stack.add("c" + std::to_string(i), ui::ComponentKind::Hotspot, {upTo(30), upTo(30), upTo(30), upTo(30)});
            c.setEnabled(upTo(4) != 0);
            c.setVisible(upTo(4) != 0);
        }
        for (const auto& owned : stack.all()) {
            const ui::Component& c = *owned;
            const ui::Rect r = c.rect();
            std::optional<ui::Point> expected;
            if (stack.hitTest(r.left + r.width / 2, r.top + r.height / 2) == &c)
                expected = ui::Point{r.left + r.width / 2, r.top + r.height / 2};
            for (int y = r.top; !expected && y < r.top + r.height; ++y)
                for (int x = r.left; !expected && x < r.left + r.width; ++x)
                    if (stack.hitTest(x, y) == &c) expected = ui::Point{x, y};
            EXPECT_EQ(stack.clickablePoint(c), expected) << "layout " << layout << ", " << c.name();
        }
    }
}

struct Ticks {
    std::vector<std::string> log;
};

TEST(VirtualClock, FiresInTimeOrderWithTiesInCreationOrder) {
    ui::VirtualClock clock;
    ui::Timer a("a", 300, clock);
    ui::Timer b("b", 100, clock);
    Ticks t;
    a.onTimer = [&] { t.log.push_back("a" + std::to_string(clock.now())); };
    b.onTimer = [&] { t.log.push_back("b" + std::to_string(clock.now())); };
    a.setEnabled(true);
    b.setEnabled(true);
    clock.advance(300);
    EXPECT_EQ(t.log, (std::vector<std::string>{"b100", "b200", "a300", "b300"}));
    EXPECT_EQ(clock.now(), 300);
}

TEST(VirtualClock, IntervalChangeOnARunningTimerStartsAFreshWait) {
    ui::VirtualClock clock;
    ui::Timer timer("t", 1300, clock);
    int ticks = 0;
    timer.onTimer = [&] { ++ticks; };
    timer.setEnabled(true);
    clock.advance(1000);
    timer.setInterval(1600);  // the next tick comes 1600 ms after the change, not at 1300
    clock.advance(1500);
    EXPECT_EQ(ticks, 0);
    clock.advance(100);
    EXPECT_EQ(ticks, 1);
    EXPECT_EQ(clock.now(), 2600);
}

TEST(VirtualClock, SameIntervalOrEnablingARunningTimerChangesNothing) {
    ui::VirtualClock clock;
    ui::Timer timer("t", 1000, clock);
    int ticks = 0;
    timer.onTimer = [&] { ++ticks; };
    timer.setEnabled(true);
    clock.advance(900);
    timer.setInterval(1000);
    timer.setEnabled(true);
    clock.advance(100);
    EXPECT_EQ(ticks, 1);
}

TEST(VirtualClock, StoppedTimerNeverFiresAndRestartWaitsAFullInterval) {
    ui::VirtualClock clock;
    ui::Timer timer("t", 1000, clock);
    int ticks = 0;
    timer.onTimer = [&] {
        ++ticks;
        timer.setEnabled(false);  // a handler that stops its own timer
    };
    timer.setEnabled(true);
    clock.advance(5000);
    EXPECT_EQ(ticks, 1);
    timer.setEnabled(true);
    clock.advance(999);
    EXPECT_EQ(ticks, 1);
    clock.advance(1);
    EXPECT_EQ(ticks, 2);
}

TEST(VirtualClock, AfterABoxEachTimerThatFellDueTicksOnceLateAndTimeNeverRunsBack) {
    ui::VirtualClock clock;
    ui::Timer story("Timer", 100, clock);
    ui::Timer caption("TimerX", 30, clock);
    ui::Timer countdown("TimerDead", 1000, clock);  // not due while the box is open
    std::vector<std::string> log;
    std::vector<std::int64_t> times;
    auto record = [&](const char* name) {
        log.emplace_back(name);
        times.push_back(clock.now());
    };
    story.onTimer = [&] { record("Timer"); };
    caption.onTimer = [&] { record("TimerX"); };
    countdown.onTimer = [&] { record("TimerDead"); };
    story.setEnabled(true);
    caption.setEnabled(true);
    countdown.setEnabled(true);

    clock.suspend();  // a box opens: two story ticks and eight caption ticks fall due
    clock.advance(250);
    EXPECT_TRUE(log.empty());
    clock.resume();
    clock.advance(0);
    // One late tick each, at the moment the box closed, in timer creation order.
    EXPECT_EQ(log, (std::vector<std::string>{"Timer", "TimerX"}));
    EXPECT_EQ(times, (std::vector<std::int64_t>{250, 250}));

    // Each next tick comes one interval after its late one; the countdown keeps its own pace.
    log.clear();
    times.clear();
    clock.advance(1000);
    EXPECT_EQ(std::count(log.begin(), log.end(), "Timer"), 10);    // 350 … 1250
    EXPECT_EQ(std::count(log.begin(), log.end(), "TimerX"), 33);   // 280 … 1240
    EXPECT_EQ(std::count(log.begin(), log.end(), "TimerDead"), 1);  // 1000
    EXPECT_TRUE(std::is_sorted(times.begin(), times.end()));
    EXPECT_EQ(times.front(), 280);
    EXPECT_EQ(clock.now(), 1250);
}

TEST(VirtualClock, NestedBoxesAndATimerStoppedMeanwhileGiveNoLateTick) {
    ui::VirtualClock clock;
    ui::Timer timer("Timer2", 100, clock);
    int ticks = 0;
    timer.onTimer = [&] { ++ticks; };
    timer.setEnabled(true);
    clock.suspend();
    clock.suspend();
    clock.advance(300);
    clock.resume();
    clock.advance(0);
    EXPECT_EQ(ticks, 0);  // the outer box is still open
    timer.setEnabled(false);
    clock.resume();
    clock.advance(1000);
    EXPECT_EQ(ticks, 0);
}

TEST(Menu, RadioGroupKeepsExactlyOneChecked) {
    ui::ChangeCounter changes;
    ui::Menu menu(changes);
    ui::MenuItem& parent = menu.add("p", "P");
    std::vector<ui::MenuItem*> items{&menu.add("a", "A", &parent), &menu.add("b", "B", &parent), &menu.add("c", "C", &parent)};
    for (auto* i : items) i->setRadioGroup(1);
    items[1]->setChecked(true);
    items[2]->setChecked(true);
    EXPECT_FALSE(items[0]->checked());
    EXPECT_FALSE(items[1]->checked());
    EXPECT_TRUE(items[2]->checked());
}

TEST(Menu, DisabledItemIgnoresClicks) {
    ui::ChangeCounter changes;
    ui::Menu menu(changes);
    ui::MenuItem& item = menu.add("x", "X");
    int clicks = 0;
    item.onClick = [&] { ++clicks; };
    item.setEnabled(false);
    ui::Menu::click(item);
    item.setEnabled(true);
    ui::Menu::click(item);
    EXPECT_EQ(clicks, 1);
}

TEST(Menu, AShortcutOpensTheMenusAboveTheItemFirstAndNothingWhenGreyed) {
    ui::ChangeCounter changes;
    ui::Menu menu(changes);
    ui::MenuItem& top = menu.add("top", "Top");
    ui::MenuItem& sub = menu.add("sub", "Sub", &top);
    ui::MenuItem& item = menu.add("item", "Item", &sub);
    std::vector<std::string> heard;
    top.onClick = [&] { heard.push_back("top"); };
    item.onClick = [&] { heard.push_back("item"); };
    ui::Menu::pressShortcut(item);  // the submenu has no handler of its own
    EXPECT_EQ(heard, (std::vector<std::string>{"top", "item"}));

    heard.clear();
    item.setEnabled(false);
    ui::Menu::pressShortcut(item);
    item.setEnabled(true);
    sub.setEnabled(false);
    ui::Menu::pressShortcut(item);
    EXPECT_TRUE(heard.empty());
}

TEST(SortedList, SelectionFollowsItsEntryWhenTheListResorts) {
    ui::ChangeCounter changes;
    ui::SortedList list({0, 0, 10, 10}, [](const std::string& s) { return static_cast<int>(s[0]); }, changes);
    list.append("m");
    list.append("z");
    list.click(1);  // "z"
    list.append("a");
    EXPECT_EQ(list.captions(), (std::vector<std::string>{"a", "m", "z"}));
    EXPECT_EQ(list.selected(), 2);
    list.click(std::nullopt);  // the empty area below the entries
    EXPECT_EQ(list.selected(), std::nullopt);
}

TEST(SortedList, HiddenOrDisabledListTakesNoClicks) {
    ui::ChangeCounter changes;
    ui::SortedList list({0, 0, 10, 10}, [](const std::string&) { return 0; }, changes);
    list.append("a");
    int clicks = 0;
    list.onClick = [&] { ++clicks; };
    list.setVisible(false);
    list.click(0);
    list.setVisible(true);
    list.setEnabled(false);
    list.doubleClick(0);
    EXPECT_EQ(clicks, 0);
    EXPECT_EQ(list.selected(), std::nullopt);
}

}  // namespace
