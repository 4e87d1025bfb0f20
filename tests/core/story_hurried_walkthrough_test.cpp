// The whole walkthrough played in a hurry, with an advance after every line or a skip at every
// cutscene, shows at every dump what the walkthrough shows when the clock runs by itself.
#include "app/data_files.hpp"
#include "app/settle.hpp"
#include "script/action.hpp"
#include "script/session.hpp"
#include "script/state_json.hpp"

#include <gtest/gtest.h>

#include <fstream>
#include <string>
#include <vector>

namespace {

enum class Pace { Clock, AdvanceEachLine, SkipEachCutscene };

struct Played {
    std::vector<script::Json> dumps;  // without the clock and what was played or shown
    std::int64_t gameTimeMs = 0;
    int hurries = 0;
};

// Lets the clock run to the player's turn the way the pace says.
int waitForPlayer(script::Session& s, Pace pace) {
    int hurries = 0;
    while (pace != Pace::Clock && s.form->canHurry() && hurries < 100000) {
        s.execute({.kind = pace == Pace::AdvanceEachLine ? script::ActionKind::Advance : script::ActionKind::Skip});
        ++hurries;
    }
    s.settle();
    return hurries;
}

Played play(Pace pace) {
    std::ifstream file(std::string(KVELNOR_SOURCE_DIR) + "/tests/scenarios/walkthrough.kvs");
    EXPECT_TRUE(file);
    script::Session s;
    s.form->checkpointPath = app::kNoCheckpointPath;
    Played played;
    for (std::string line; std::getline(file, line);) {
        const script::ParseResult parsed = script::parseAction(line);
        if (!parsed.action) continue;
        if (parsed.action->kind == script::ActionKind::Settle) {
            played.hurries += waitForPlayer(s, pace);
            continue;
        }
        s.execute(*parsed.action);
        if (parsed.action->kind != script::ActionKind::Dump) continue;
        script::Json j = script::dumpState(s);
        for (const char* transient : {"time_ms", "sounds", "messages"}) j.erase(transient);
        played.dumps.push_back(std::move(j));
    }
    played.gameTimeMs = s.clock.now();
    return played;
}

TEST(HurriedWalkthrough, ReachesTheEndTitlesShowingAtEveryDumpWhatTheClockShows) {
    const Played byClock = play(Pace::Clock);
    ASSERT_GT(byClock.dumps.size(), 100u);
    EXPECT_EQ(byClock.dumps.back()["picture"], pic::credits2) << "the walkthrough ends on the end titles";
    for (const Pace pace : {Pace::AdvanceEachLine, Pace::SkipEachCutscene}) {
        const Played hurried = play(pace);
        const char* name = pace == Pace::AdvanceEachLine ? "advance" : "skip";
        ASSERT_EQ(hurried.dumps.size(), byClock.dumps.size()) << name;
        for (std::size_t i = 0; i < byClock.dumps.size(); ++i)
            ASSERT_EQ(hurried.dumps[i], byClock.dumps[i]) << name << ", dump " << i;
        EXPECT_GT(hurried.hurries, 40) << name;
        EXPECT_LT(hurried.gameTimeMs * 5, byClock.gameTimeMs) << name << ": the hurry saves the waiting";
    }
}

}  // namespace
