// The explorer: it must find a state from which the end can no longer be reached, and give
// a path to it that kvelnor-script plays to the same place; its threads must not change what
// it finds; and a state it keeps must come back exactly as it was taken.
#include "app/main_form.hpp"
#include "app/settle.hpp"
#include "explore/explorer.hpp"
#include "explore/state_codec.hpp"
#include "inventory/item_names.hpp"
#include "script/action.hpp"
#include "script/session.hpp"
#include "script/state_json.hpp"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

namespace {

void withoutServiceCard(app::TfrmHlavni& f) { f.removeInventoryItem(item::sluzebniPrukaz, 15); }

explore::Options withoutServiceCard(unsigned threads) {
    explore::Options options;
    options.maxStates = 50000;
    options.threads = threads;
    options.prepare = [](app::TfrmHlavni& f) { withoutServiceCard(f); };
    return options;
}

std::vector<script::Action> parsedLines(const std::string& text) {
    std::vector<script::Action> actions;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) {
        const script::ParseResult parsed = script::parseAction(line);
        EXPECT_TRUE(parsed.error.empty()) << line << ": " << parsed.error;
        if (parsed.action) actions.push_back(*parsed.action);
    }
    return actions;
}

// The field "name N" of a dead end's description.
std::string field(const std::string& description, const std::string& name) {
    const std::size_t at = description.find(name + " ");
    if (at == std::string::npos) return "";
    const std::size_t from = at + name.size() + 1;
    return description.substr(from, description.find(',', from) - from);
}

// The game without the service card, explored once by one thread for every test here.
const explore::Report& oneThreadWithoutServiceCard() {
    static const explore::Report report = explore::explore(withoutServiceCard(1));
    return report;
}

TEST(Explorer, FindsTheDeadEndOfAGameWithoutTheServiceCardWithAPathTheScriptDriverPlays) {
    const explore::Report& report = oneThreadWithoutServiceCard();
    // Nothing reaches the mayor's second talk, and the bounded search gives up on no state:
    // the whole first stage is small enough to be explored.
    EXPECT_EQ(report.goals, 0u);
    EXPECT_EQ(report.unexpanded, 0u);
    ASSERT_FALSE(report.deadEnds.empty());
    EXPECT_EQ(report.deadEndCount, report.states);
    EXPECT_EQ(report.deadEnds.size(), report.states);
    const explore::DeadEnd& first = report.deadEnds.front();
    EXPECT_EQ(first.path.front(), "new\nsettle");
    EXPECT_NE(first.description.find("storyStage 0"), std::string::npos) << first.description;

    // The longest path, played line by line by the script driver, ends where the explorer says.
    const explore::DeadEnd& last = report.deadEnds.back();
    ASSERT_GT(last.path.size(), 3u);
    EXPECT_EQ(last.description.find("elsewhere"), std::string::npos) << last.description;
    script::Session session;
    session.form->checkpointPath = app::kNoCheckpointPath;
    for (std::size_t step = 0; step < last.path.size(); ++step) {
        for (const script::Action& action : parsedLines(last.path[step])) session.execute(action);
        if (step == 0) withoutServiceCard(*session.form);
    }
    const app::GameState& s = session.form->state;
    EXPECT_EQ(std::to_string(s.storyStage), field(last.description, "storyStage"));
    EXPECT_EQ(std::to_string(s.storyTick), field(last.description, "storyTick"));
    EXPECT_EQ(std::to_string(s.sceneId), field(last.description, "sceneId"));
    EXPECT_EQ(std::to_string(s.pictureId), field(last.description, "pictureId"));
}

TEST(Explorer, TwoThreadsFindWhatOneFinds) {
    const explore::Report& one = oneThreadWithoutServiceCard();
    // Only the nearest dead ends are played again for their paths; all are counted.
    explore::Options limited = withoutServiceCard(2);
    limited.deadEndPaths = 5;
    const explore::Report two = explore::explore(limited);
    EXPECT_EQ(two.costs.threads, 2u);
    EXPECT_EQ(two.states, one.states);
    EXPECT_EQ(two.actions, one.actions);
    EXPECT_EQ(two.deadEndCount, one.deadEndCount);
    ASSERT_EQ(two.deadEnds.size(), 5u);
    for (std::size_t d = 0; d < two.deadEnds.size(); ++d) {
        EXPECT_EQ(two.deadEnds[d].description, one.deadEnds[d].description);
        EXPECT_EQ(two.deadEnds[d].path, one.deadEnds[d].path);
    }

    // A bounded run of the real game, cut off in the middle of a breadth-first layer.
    for (const explore::Start start : {explore::Start::NewGame, explore::Start::Continue}) {
        explore::Options options;
        options.start = start;
        options.maxStates = 6000;
        options.threads = 1;
        const explore::Report a = explore::explore(options);
        options.threads = 2;
        const explore::Report b = explore::explore(options);
        EXPECT_EQ(b.states, a.states);
        EXPECT_EQ(b.actions, a.actions);
        EXPECT_EQ(b.goals, a.goals);
        EXPECT_EQ(b.unexpanded, a.unexpanded);
        EXPECT_EQ(b.statesPerStage, a.statesPerStage);
        EXPECT_EQ(a.deadEndCount, 0u);
        EXPECT_EQ(b.deadEndCount, 0u);
    }
}

// Everything a script dump shows of the form, without the clock, what was played and the
// lines already read (the history is no game state: the explorer neither keeps nor restores it).
script::Json shownState(script::Session& session) {
    script::Json j = script::dumpState(session);
    for (const char* transient : {"time_ms", "sounds", "messages", "quit", "history"}) j.erase(transient);
    return j;
}

TEST(StateCodec, ARestoredStateShowsExactlyWhatItShowedWhenItWasTaken) {
    // The states of the walkthrough, one after each action: every stage, scene, the list,
    // the map, held items and the chase, also in the middle of cutscenes.
    std::ifstream file(std::string(KVELNOR_SOURCE_DIR) + "/tests/scenarios/walkthrough.kvs");
    ASSERT_TRUE(file);
    script::Session session;
    session.form->checkpointPath = app::kNoCheckpointPath;
    explore::SharedStrings strings;
    explore::StateCodec codec(*session.form, strings);
    struct Taken {
        explore::Bytes key;
        explore::Bytes look;
        script::Json shown;
    };
    std::vector<Taken> taken;
    for (std::string line; std::getline(file, line);) {
        const script::ParseResult parsed = script::parseAction(line);
        if (!parsed.action) continue;
        session.execute(*parsed.action);
        if (parsed.action->kind == script::ActionKind::Dump) continue;
        Taken t;
        codec.key(t.key);
        codec.look(t.look);
        t.shown = shownState(session);
        taken.push_back(std::move(t));
    }
    ASSERT_GT(taken.size(), 150u);

    // Restored over the state after it and over the last one, each comes back whole, and
    // gives the same key again.
    explore::DecodedState decoded;
    for (std::size_t i = 0; i < taken.size(); ++i) {
        for (const std::size_t over : {std::min(i + 1, taken.size() - 1), taken.size() - 1}) {
            codec.decode(taken[over].key, taken[over].look, decoded);
            codec.restore(decoded);
            codec.decode(taken[i].key, taken[i].look, decoded);
            codec.restore(decoded);
            EXPECT_EQ(shownState(session), taken[i].shown) << "state " << i << " over state " << over;
            explore::Bytes again;
            codec.key(again);
            EXPECT_EQ(again, taken[i].key) << "state " << i;
        }
    }
    // Different states have different keys unless only pictures, texts or cursors differ.
    EXPECT_NE(taken[3].key, taken[40].key);
    EXPECT_NE(taken[40].key, taken[80].key);
}

}  // namespace
