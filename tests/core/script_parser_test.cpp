// kvelnor-script: malformed lines stop the run with the line named; dumps report the state.
#include "script/action.hpp"
#include "script/runner.hpp"

#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include <sstream>

namespace {

struct Played {
    int exit;
    std::string out;
    std::string err;
};

Played play(const std::string& text, bool check = false) {
    std::istringstream in(text);
    std::ostringstream out;
    std::ostringstream err;
    const int code = script::run(in, out, err, {.check = check, .name = "t.kvs"});
    return {code, out.str(), err.str()};
}

TEST(ScriptParser, AcceptsEveryDocumentedAction) {
    for (const char* line : {"new", "continue", "quit", "answer yes", "answer no", "speed high", "speed medium",
                             "speed low", "settings", "sound", "controls", "about", "move 10 20", "click 500 300",
                             "click imgCur5", "select \"Služební průkaz\"", "select #3", "select none",
                             "dblclick \"Zbraň\"", "dblclick #0", "button Zpět", "button Průzkum", "button Spojit",
                             "wait 1300", "settle", "dump", "  dump  ", "# comment", ""}) {
        const script::ParseResult r = script::parseAction(line);
        EXPECT_TRUE(r.error.empty()) << line << ": " << r.error;
    }
    const script::ParseResult sel = script::parseAction("select \"Vlasec + matka\"");
    ASSERT_TRUE(sel.action);
    EXPECT_EQ(*sel.action->caption, "Vlasec + matka");
}

TEST(ScriptParser, RejectsMalformedLines) {
    for (const char* line : {"jump", "new now", "answer maybe", "speed fast", "move 10", "move a b", "click",
                             "click 1 2 3", "select", "select Zbraň", "select \"Zbraň", "select #-1", "select #x",
                             "dblclick none", "button OK", "button", "wait", "wait -5", "wait 1e3",
                             "wait 99999999999999999999999", "select \"a\"b"}) {
        const script::ParseResult r = script::parseAction(line);
        EXPECT_FALSE(r.error.empty()) << line;
        EXPECT_FALSE(r.action) << line;
    }
}

TEST(ScriptRunner, MalformedLineStopsBeforeAnythingRunsAndNamesTheLine) {
    const Played r = play("new\ndump\nfrobnicate 3\ndump\n");
    EXPECT_EQ(r.exit, script::kExitMalformed);
    EXPECT_EQ(r.out, "");
    EXPECT_NE(r.err.find("t.kvs:3:"), std::string::npos) << r.err;
    EXPECT_NE(r.err.find("frobnicate"), std::string::npos);
}

TEST(ScriptRunner, DumpRightAfterStartShowsTheStartUpState) {
    const Played r = play("dump\n");
    ASSERT_EQ(r.exit, script::kExitOk);
    const auto j = nlohmann::json::parse(r.out);
    EXPECT_EQ(j["picture"], "data/Uvod.bmp");
    EXPECT_EQ(j["state"]["storyTick"], 0);
    EXPECT_EQ(j["state"]["pictureId"], 1);
    EXPECT_EQ(j["state"]["itemCount"], 5);
    EXPECT_EQ(j["state"]["heldFlags"].size(), 19u);
    EXPECT_EQ(j["components"]["imgClona"]["enabled"], true);
    EXPECT_EQ(j["components"]["btnZpet"]["visible"], false);
    EXPECT_EQ(j["components"]["lbPredmety"]["visible"], false);
    EXPECT_EQ(j["timers"]["Timer"]["enabled"], false);
    EXPECT_EQ(j["timers"]["Timer"]["interval"], 1300);
    EXPECT_EQ(j["menu"]["mmStredni"]["checked"], true);
    EXPECT_EQ(j["quit"], false);
    for (auto& [name, c] : j["components"].items()) {
        if (name.rfind("imgCur", 0) == 0) {
            EXPECT_EQ(c["enabled"], false) << name;
        }
    }
}

TEST(ScriptRunner, SoundsAndMessagesAreReportedOncePerDump) {
    const Played r = play("dump\ndump\n");
    std::istringstream lines(r.out);
    std::string first;
    std::string second;
    std::getline(lines, first);
    std::getline(lines, second);
    EXPECT_FALSE(nlohmann::json::parse(first)["messages"].empty());
    EXPECT_TRUE(nlohmann::json::parse(second)["messages"].empty());
}

TEST(ScriptRunner, CheckModeReportsMismatchesWithTheirLine) {
    const Played ok = play("dump\n#> state.storyTick 0\n#> @hotspots []\n#> state.heldFlags.0 0\n", true);
    EXPECT_EQ(ok.exit, script::kExitOk) << ok.err;
    EXPECT_NE(ok.out.find("3 passed, 0 failed"), std::string::npos) << ok.out;
    const Played bad = play("new\nwait 1300\ndump\n#> state.storyTick 5\n#> state.nothing 1\n", true);
    EXPECT_EQ(bad.exit, script::kExitCheckFailed);
    EXPECT_NE(bad.err.find("t.kvs:4: state.storyTick: expected 5, got 1"), std::string::npos) << bad.err;
    EXPECT_NE(bad.err.find("t.kvs:5:"), std::string::npos);
}

TEST(ScriptRunner, QuitAnsweredNoKeepsPlayingAndYesEnds) {
    const Played r = play("answer no\nquit\ndump\n#> quit false\nquit\ndump\n#> quit true\n", true);
    EXPECT_EQ(r.exit, script::kExitOk) << r.err;
}

}  // namespace
