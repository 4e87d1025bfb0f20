// kvelnor-script: malformed lines stop the run with the line named; dumps report the state.
#include "script/action.hpp"
#include "script/runner.hpp"

#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include <algorithm>
#include <array>
#include <sstream>
#include <streambuf>
#include <tuple>
#include <vector>

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

TEST(ScriptParser, AcceptsEveryActionOfTheDriverWithSpacesAndComments) {
    for (const char* line : {"new", "continue", "quit", "answer yes", "answer no", "speed high", "speed medium",
                             "speed low", "settings", "sound", "controls", "about", "move 10 20", "click 500 300",
                             "click imgCur5", "select \"Služební průkaz\"", "select #3", "select none",
                             "dblclick \"Zbraň\"", "dblclick #0", "button Zpět", "button Průzkum", "button Spojit",
                             "wait 1300", "settle", "dump", "  dump  ", "advance", "skip", "# comment", "",
                             "save 1", "save 8", "save auto", "load 3", "load auto"}) {
        const script::ParseResult r = script::parseAction(line);
        EXPECT_TRUE(r.error.empty()) << line << ": " << r.error;
    }
    const script::ParseResult sel = script::parseAction("select \"Vlasec + matka\"");
    ASSERT_TRUE(sel.action);
    EXPECT_EQ(*sel.action->caption, "Vlasec + matka");
}

TEST(ScriptParser, SlotsAreOneToEightOrAuto) {
    EXPECT_EQ(script::parseAction("save 8").action->slot, 8);
    EXPECT_EQ(script::parseAction("load auto").action->slot, 0);
    EXPECT_EQ(script::parseAction("load 2").action->kind, script::ActionKind::Load);
}

TEST(ScriptParser, RejectsMalformedLines) {
    for (const char* line : {"jump", "new now", "answer maybe", "speed fast", "move 10", "move a b", "click",
                             "click 1 2 3", "select", "select Zbraň", "select \"Zbraň", "select #-1", "select #x",
                             "dblclick none", "button OK", "button", "wait", "wait -5", "wait 1e3",
                             "wait 99999999999999999999999", "select \"a\"b", "wait 86400001",
                             "wait 9223372036854775807", "advance 2", "skip now", "save", "save 0", "save 9",
                             "save 10", "save 01", "load -1", "load Auto", "save 1 2", "load \"1\""}) {
        const script::ParseResult r = script::parseAction(line);
        EXPECT_FALSE(r.error.empty()) << line;
        EXPECT_FALSE(r.action) << line;
    }
    for (const std::string& line : {std::string("dump\0", 5), std::string("click imgCur5\0x", 15),
                                   std::string("\0", 1)}) {
        EXPECT_FALSE(script::parseAction(line).error.empty());
    }
}

TEST(ScriptRunner, MalformedLineStopsTheRunThereAndNamesTheLine) {
    const Played r = play("new\ndump\nfrobnicate 3\ndump\n");
    EXPECT_EQ(r.exit, script::kExitMalformed);
    EXPECT_EQ(std::count(r.out.begin(), r.out.end(), '\n'), 1);  // lines run one at a time, up to the bad one
    EXPECT_NE(r.err.find("t.kvs:3:"), std::string::npos) << r.err;
    EXPECT_NE(r.err.find("frobnicate"), std::string::npos);
}

// Each hostile input stops the run with exit 2 and names the file and line.
TEST(ScriptRunner, HostileLinesStopTheRunNamingTheLine) {
    const std::string deep = "dump\n#> state.storyTick " + std::string(30000, '[') + std::string(30000, ']') + "\n";
    std::string answers;
    for (std::size_t i = 0; i <= script::kMaxQueuedAnswers; ++i) answers += "answer yes\n";
    for (const auto& [text, line, why] : std::vector<std::tuple<std::string, std::string, std::string>>{
             {"new\nclick imgCur99\n", "t.kvs:2:", "no component named 'imgCur99'"},
             {"new\nclick btnZpet\n", "t.kvs:2:", "no component named 'btnZpet'"},
             {std::string("dump\n# a comment\0 with a NUL\n", 28), "t.kvs:2:", "NUL byte"},
             {"wait 9223372036854775807\n", "t.kvs:1:", "up to 86400000"},
             {"#! data.dat " + std::string(60000, '[') + "\n", "t.kvs:1:", "deeper than 64"},
             {"new\n#! data.dat \"1\"\n", "t.kvs:2:", "preparations come before the first action"},
             {answers, "t.kvs:65:", "answers wait"},
             {"dump\n" + std::string(script::kMaxLineBytes + 1, 'x') + "\n", "t.kvs:2:", "line longer than"}}) {
        for (const bool check : {false, true}) {
            const Played r = play(text, check);
            EXPECT_EQ(r.exit, script::kExitMalformed) << line << why;
            EXPECT_NE(r.err.find(line), std::string::npos) << r.err;
            EXPECT_NE(r.err.find(why), std::string::npos) << r.err;
        }
    }
    // Checks are read only in check mode; there a value too deep to parse safely is refused.
    const Played r = play(deep, true);
    EXPECT_EQ(r.exit, script::kExitMalformed);
    EXPECT_NE(r.err.find("t.kvs:2: expected value nests deeper than 64"), std::string::npos) << r.err.substr(0, 200);
}

// An endless stream of one byte: whatever it is, the run ends at its first line.
class EndlessStream : public std::streambuf {
public:
    explicit EndlessStream(char byte) { buffer_.fill(byte); }
    std::size_t served = 0;

protected:
    int_type underflow() override {
        served += buffer_.size();
        setg(buffer_.data(), buffer_.data(), buffer_.data() + buffer_.size());
        return traits_type::to_int_type(buffer_[0]);
    }

private:
    std::array<char, 4096> buffer_{};
};

TEST(ScriptRunner, EndlessInputWithoutALineEndIsRefusedAtItsFirstLine) {
    for (const char byte : {'\0', 'x'}) {  // /dev/zero, and a line that never ends
        EndlessStream endless(byte);
        std::istream in(&endless);
        std::ostringstream out;
        std::ostringstream err;
        EXPECT_EQ(script::run(in, out, err, {.name = "endless"}), script::kExitMalformed);
        EXPECT_EQ(err.str().rfind("endless:1: ", 0), 0U) << err.str();
        EXPECT_LE(endless.served, script::kMaxLineBytes + 4096);
    }
}

TEST(ScriptRunner, WaitsOfADayAddUpWithoutOverflow) {
    const Played r = play("wait 86400000\nwait 86400000\ndump\n#> time_ms 172800000\n", true);
    EXPECT_EQ(r.exit, script::kExitOk) << r.err;
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

TEST(ScriptRunner, HeldPathNamesTheItemInTheHandOrNullWhenItIsEmpty) {
    const Played r = play("new\nsettle\ndump\n#> @held null\nselect \"Služební průkaz\"\ndump\n"
                          "#> @held \"Služební průkaz\"\n#> state.heldFlags.0 1\n#> @held null\n",
                          true);
    EXPECT_EQ(r.exit, script::kExitCheckFailed);
    EXPECT_NE(r.out.find("3 passed, 1 failed"), std::string::npos) << r.out;
    EXPECT_NE(r.err.find("t.kvs:9: @held: expected null, got \"Služební průkaz\""), std::string::npos) << r.err;
}

TEST(ScriptRunner, QuitAnsweredNoKeepsPlayingAndYesEnds) {
    const Played r = play("answer no\nquit\ndump\n#> quit false\nquit\ndump\n#> quit true\n", true);
    EXPECT_EQ(r.exit, script::kExitOk) << r.err;
}

}  // namespace
