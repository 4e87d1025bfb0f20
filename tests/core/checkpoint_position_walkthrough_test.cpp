// The whole walkthrough saved at every pause and each position loaded into a fresh game that
// plays on: every later dump equals the plain walkthrough's, all but the clock.
#include "../support/temp_dir.hpp"
#include "../support/working_directory.hpp"
#include "app/settle.hpp"
#include "checkpoint/position_file.hpp"
#include "script/action.hpp"
#include "script/session.hpp"
#include "script/state_json.hpp"

#include <gtest/gtest.h>

#include <deque>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

std::vector<script::Action> walkthroughActions() {
    std::ifstream file(std::string(KVELNOR_SOURCE_DIR) + "/tests/scenarios/walkthrough.kvs");
    std::vector<script::Action> actions;
    for (std::string line; std::getline(file, line);)
        if (const script::ParseResult parsed = script::parseAction(line); parsed.action) actions.push_back(*parsed.action);
    return actions;
}

bool playerHasControl(const app::TfrmHlavni& f) { return !f.Timer.enabled() && !f.TimerX.enabled() && !f.Timer2.enabled(); }

// A dump as the comparison sees it: the clock differs after a load, and the saves are where
// the runs keep their positions.
script::Json comparable(script::Json dump) {
    dump.erase("time_ms");
    dump.erase("saves");
    return dump;
}

std::string bytesOf(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

struct Pause {
    std::size_t next = 0;          // the action that follows the pause
    std::string position;          // the automatic slot's file saved there
    bool checkpointFile = false;   // data.dat was there
    std::deque<bool> answers;      // answers queued for questions still to come
};

TEST(PositionWalkthrough, EveryPauseLoadedInAFreshGamePlaysOnExactlyAsThePlainWalkthrough) {
    const std::vector<script::Action> actions = walkthroughActions();
    ASSERT_GT(actions.size(), 300U);
    kvtest::TempDir dir;
    kvtest::WorkingDirectory here(dir.path());

    // The plain walkthrough, with a dump at every pause (a dump changes nothing of the game).
    std::vector<script::Json> dumps;  // in order: the file's dumps and one per pause
    std::vector<std::size_t> dumpAfter;  // the action each dump follows
    std::vector<Pause> pauses;
    {
        script::Session plain;
        plain.form->savedAtText = [] { return std::string("test"); };
        for (std::size_t i = 0; i < actions.size(); ++i) {
            plain.execute(actions[i]);
            const bool pause = actions[i].kind != script::ActionKind::Dump && playerHasControl(*plain.form) &&
                               plain.form->gameInProgress();
            if (actions[i].kind == script::ActionKind::Dump || pause) {
                dumps.push_back(comparable(script::dumpState(plain)));
                dumpAfter.push_back(i);
            }
            if (!pause) continue;
            ASSERT_TRUE(plain.form->savePosition(checkpoint::kAutoSlot)) << "action " << i;
            pauses.push_back({.next = i + 1,
                              .position = bytesOf(checkpoint::slotPath("data.dat", checkpoint::kAutoSlot)),
                              .checkpointFile = fs::exists("data.dat"),
                              .answers = plain.platform.answers});
        }
    }
    ASSERT_GT(pauses.size(), 100U);
    std::cout << "[          ] " << pauses.size() << " pauses, " << dumps.size() << " dumps\n";

    for (const Pause& p : pauses) {
        fs::remove_all("saves");
        fs::remove("data.dat");
        if (p.checkpointFile) std::ofstream("data.dat") << "1";
        fs::create_directory("saves");
        std::ofstream(checkpoint::slotPath("data.dat", 1), std::ios::binary) << p.position;

        script::Session loaded;
        loaded.platform.answers = p.answers;
        ASSERT_TRUE(loaded.form->loadPosition(1)) << "pause before action " << p.next;
        std::size_t d = 0;
        while (dumpAfter[d] + 1 < p.next) ++d;
        // The dump at the pause itself, then every later one.
        script::Json atPause = comparable(script::dumpState(loaded));
        script::Json expected = dumps[d];
        for (const char* played : {"sounds", "messages"}) atPause.erase(played), expected.erase(played);
        ASSERT_EQ(atPause, expected) << "pause before action " << p.next;
        ++d;
        for (std::size_t i = p.next; i < actions.size(); ++i) {
            loaded.execute(actions[i]);
            if (d < dumpAfter.size() && dumpAfter[d] == i) {
                ASSERT_EQ(comparable(script::dumpState(loaded)), dumps[d])
                    << "loaded at the pause before action " << p.next << ", dump after action " << i;
                ++d;
            }
        }
        ASSERT_EQ(d, dumps.size());
    }
}

}  // namespace
