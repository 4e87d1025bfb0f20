// Saved positions: an exact restore with the timers going on, the questions around saving and
// loading, the automatic slot at the end, and files in every bad shape refused with the game
// untouched.
#include "../support/temp_dir.hpp"
#include "../support/working_directory.hpp"
#include "checkpoint/position_file.hpp"
#include "checkpoint/position_place.hpp"
#include "script/action.hpp"
#include "script/session.hpp"
#include "script/state_json.hpp"
#include "ui/catalogue.hpp"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <initializer_list>
#include <memory>
#include <optional>
#include <sstream>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;
using checkpoint::json::Value;

// What a dump shows of the game, without the clock and what was played or asked.
script::Json shown(script::Session& s) {
    script::Json j = script::dumpState(s);
    for (const char* transient : {"time_ms", "sounds", "messages", "quit", "saves"}) j.erase(transient);
    return j;
}

void play(script::Session& s, std::initializer_list<const char*> lines) {
    for (const char* line : lines) {
        const script::ParseResult parsed = script::parseAction(line);
        ASSERT_TRUE(parsed.action) << line;
        s.execute(*parsed.action);
    }
}

std::string bytesOf(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

class PositionTest : public ::testing::Test {
protected:
    static std::string slotFile(int slot) { return checkpoint::slotPath("data.dat", slot); }

    // A game at the first pause on the square with the service card in the hand.
    static void toSquareHoldingTheCard(script::Session& s) {
        play(s, {"new", "settle", "select \"Služební průkaz\"", "move 400 300"});
    }

    // The saved position's body, as a hostile editor would change it and seal it again.
    static Value bodyOf(const std::string& text) {
        std::string error;
        std::optional<Value> v = checkpoint::json::parse(text, error);
        EXPECT_TRUE(v) << error;
        v->members.pop_back();  // the checksum
        return *v;
    }
    static std::string sealed(Value body) {
        const std::string sum = checkpoint::checksumOf(body);
        body.set("checksum", Value::of(sum));
        return checkpoint::json::pretty(body);
    }
    static Value& at(Value& v, std::initializer_list<const char*> path) {
        Value* node = &v;
        for (const char* key : path)
            for (auto& [name, member] : node->members)
                if (name == key) {
                    node = &member;
                    break;
                }
        return *node;
    }

    kvtest::TempDir dir;
    kvtest::WorkingDirectory here{dir.path()};
};

TEST_F(PositionTest, ALoadedPositionShowsEverythingAsItWasSavedAlsoOverAnotherGame) {
    script::Session a;
    play(a, {"speed high", "settings", "sound"});
    toSquareHoldingTheCard(a);
    ASSERT_TRUE(a.form->holding(app::held::ServiceCard));
    ASSERT_TRUE(a.form->savePosition(2));
    const script::Json saved = shown(a);

    // Over a game elsewhere with other settings: the position replaces all of it.
    script::Session b;
    play(b, {"new", "settle", "click imgCur1", "settle", "speed low", "answer yes"});
    ASSERT_TRUE(b.form->loadPosition(2));
    EXPECT_EQ(shown(b), saved);
    EXPECT_TRUE(b.form->mmVysoka->checked());
    EXPECT_FALSE(b.form->mmZvuky->checked());
    EXPECT_EQ(b.platform.questions.back().rfind("Nahrát pozici: Opravdu chcete nahrát pozici 2 (1. den – náměstí)?", 0), 0U)
        << b.platform.questions.back();
}

TEST_F(PositionTest, ATimerThatRanGoesOnFromItsTickWithAFreshInterval) {
    script::Session a;
    // Ten ticks into the opening: the story clock has just ticked.
    play(a, {"new", "wait 13000"});
    ASSERT_TRUE(a.form->Timer.enabled());
    ASSERT_TRUE(a.form->savePosition(1));

    script::Session b;
    ASSERT_TRUE(b.form->loadPosition(1));
    EXPECT_EQ(shown(b), shown(a));
    for (int step = 0; step < 60; ++step) {
        play(a, {"wait 100"});
        play(b, {"wait 100"});
        ASSERT_EQ(shown(b), shown(a)) << "after " << (step + 1) * 100 << " ms";
    }

    // Saved halfway through a wait: the loaded game waits a whole interval from its load.
    play(a, {"wait 650"});
    ASSERT_TRUE(a.form->savePosition(1));
    script::Session c;
    ASSERT_TRUE(c.form->loadPosition(1));
    const int tick = c.form->state.storyTick;
    play(c, {"wait 1299"});
    EXPECT_EQ(c.form->state.storyTick, tick);
    play(c, {"wait 1"});
    EXPECT_EQ(c.form->state.storyTick, tick + 1);
}

TEST_F(PositionTest, APlayersUsedSlotIsOverwrittenOnlyAfterYes) {
    script::Session s;
    toSquareHoldingTheCard(s);
    ASSERT_TRUE(s.form->savePosition(4));
    const std::string first = bytesOf(slotFile(4));
    play(s, {"select none", "click imgCur1", "settle"});
    s.platform.answers = {false};
    EXPECT_FALSE(s.form->savePosition(4));
    EXPECT_EQ(s.platform.questions.back(), "Uložit pozici: V pozici 4 je už uložená hra (1. den – náměstí). Chcete ji přepsat?");
    EXPECT_EQ(bytesOf(slotFile(4)), first);
    EXPECT_TRUE(s.form->savePosition(4));
    EXPECT_NE(bytesOf(slotFile(4)), first);
    // The automatic slot is the game's own: written without a question.
    const std::size_t asked = s.platform.questions.size();
    EXPECT_TRUE(s.form->savePosition(checkpoint::kAutoSlot));
    EXPECT_TRUE(s.form->savePosition(checkpoint::kAutoSlot));
    EXPECT_EQ(s.platform.questions.size(), asked);
}

TEST_F(PositionTest, LoadingAsksOnlyWhileAGameRunsAndNoChangesNothing) {
    script::Session a;
    toSquareHoldingTheCard(a);
    ASSERT_TRUE(a.form->savePosition(1));

    script::Session b;  // at the intro: nothing to lose, no question
    EXPECT_TRUE(b.form->loadPosition(1));
    EXPECT_TRUE(b.platform.questions.empty());

    script::Session c;
    play(c, {"new", "wait 5000"});
    const script::Json before = shown(c);
    c.platform.answers = {false};
    EXPECT_FALSE(c.form->loadPosition(1));
    EXPECT_EQ(shown(c), before);
}

TEST_F(PositionTest, KonecKeepsAGameInProgressInTheAutomaticSlotOnly) {
    script::Session s;
    toSquareHoldingTheCard(s);
    const script::Json atQuit = shown(s);
    play(s, {"answer no", "quit"});
    EXPECT_FALSE(fs::exists(slotFile(checkpoint::kAutoSlot))) << "No: the game goes on, nothing saved";
    play(s, {"answer yes", "quit"});
    EXPECT_TRUE(s.platform.quitRequested);
    for (int slot = 1; slot <= 8; ++slot) EXPECT_FALSE(fs::exists(slotFile(slot)));

    script::Session next;
    ASSERT_TRUE(next.form->loadPosition(checkpoint::kAutoSlot));
    EXPECT_EQ(shown(next), atQuit);

    // Before any game there is nothing to keep; the old automatic position stays.
    const std::string kept = bytesOf(slotFile(checkpoint::kAutoSlot));
    script::Session idle;
    play(idle, {"quit"});
    EXPECT_TRUE(idle.platform.quitRequested);
    EXPECT_EQ(bytesOf(slotFile(checkpoint::kAutoSlot)), kept);
}

TEST_F(PositionTest, AnAutomaticSaveThatFailsLetsThePlayerStay) {
    script::Session s;
    toSquareHoldingTheCard(s);
    std::ofstream("saves") << "not a directory";
    play(s, {"answer yes", "answer no", "quit"});
    EXPECT_FALSE(s.platform.quitRequested);
    EXPECT_EQ(s.platform.questions.back(),
              "Konec: Automatickou pozici se nepodařilo uložit: saves není složka.\nPřesto skončit?");
    play(s, {"answer yes", "answer yes", "quit"});
    EXPECT_TRUE(s.platform.quitRequested);
}

TEST_F(PositionTest, TheDumpListsEachSlotsPlace) {
    script::Session s;
    toSquareHoldingTheCard(s);
    ASSERT_TRUE(s.form->savePosition(2));
    fs::create_directory("saves");
    std::ofstream(slotFile(5)) << "{";
    const script::Json saves = script::dumpState(s)["saves"];
    EXPECT_EQ(saves, (script::Json{{"auto", ""}, {"1", ""}, {"2", "1. den – náměstí"}, {"3", ""}, {"4", ""},
                                   {"5", "poškozená pozice"}, {"6", ""}, {"7", ""}, {"8", ""}}));
}

TEST_F(PositionTest, PlacesReadAsAPlayerWouldSayThem) {
    app::GameState st;
    st.sceneId = app::scene::Taproom;
    EXPECT_EQ(checkpoint::placeOf(st, ui::Catalogue{}), "1. den – hospoda");
    st.storyStage = app::stage::SecondMorning;
    st.sceneId = app::scene::HotelRoom;
    EXPECT_EQ(checkpoint::placeOf(st, ui::Catalogue{}), "2. den – pokoj v hotelu");
    st.returnMode = 2;
    EXPECT_EQ(checkpoint::placeOf(st, ui::Catalogue{}), "2. den – mapa vesnice");
    st.storyTick = 740;
    EXPECT_EQ(checkpoint::placeOf(st, ui::Catalogue{}), "konec hry");
}

// Each bad file is refused with a message naming the slot, and the running game is untouched.
class BadPositionTest : public PositionTest {
protected:
    void SetUp() override {
        script::Session a;
        toSquareHoldingTheCard(a);
        ASSERT_TRUE(a.form->savePosition(3));
        good = bytesOf(slotFile(3));
        play(running, {"new", "wait 4000"});
    }

    // Loads slot 3 holding these bytes; returns the message shown.
    std::string refused(const std::string& bytes) {
        std::ofstream(slotFile(3), std::ios::binary | std::ios::trunc) << bytes;
        return refusedAsItIs();
    }
    std::string refusedAsItIs(int slot = 3) {
        const script::Json before = shown(running);
        const std::size_t shownBefore = running.platform.messages.size();
        EXPECT_FALSE(running.form->loadPosition(slot));
        EXPECT_EQ(shown(running), before);
        EXPECT_TRUE(running.platform.questions.empty()) << "asked before the file was checked";
        if (running.platform.messages.size() != shownBefore + 1) return "(no message)";
        return running.platform.messages.back();
    }
    std::string sealedWith(std::initializer_list<const char*> path, Value value) {
        Value body = bodyOf(good);
        at(body, path) = std::move(value);
        return sealed(std::move(body));
    }

    std::string good;
    script::Session running;
};

constexpr const char* kUnchanged = " Hra pokračuje beze změny.";

TEST_F(BadPositionTest, CutShortOrDamagedFilesAreNamedAsSuch) {
    EXPECT_EQ(refused(good.substr(0, good.size() / 2)),
              std::string("Pozici 3 nelze nahrát: soubor je poškozený nebo neúplný.") + kUnchanged);
    EXPECT_EQ(refused(""), std::string("Pozici 3 nelze nahrát: soubor je poškozený nebo neúplný.") + kUnchanged);
    EXPECT_EQ(refused("\x89PNG\r\n binary"), std::string("Pozici 3 nelze nahrát: soubor je poškozený nebo neúplný.") + kUnchanged);
    EXPECT_EQ(refused("{\"hello\": 1}"), std::string("Pozici 3 nelze nahrát: soubor není uložená pozice této hry.") + kUnchanged);
}

TEST_F(BadPositionTest, AnyChangedValueBreaksTheChecksum) {
    std::string edited = good;
    const std::size_t at = edited.find("\"storyStage\": 0");
    ASSERT_NE(at, std::string::npos);
    edited.replace(at, 15, "\"storyStage\": 9");
    const std::string checksum = "Pozici 3 nelze nahrát: soubor byl změněn nebo poškozen (nesouhlasí kontrolní součet).";
    EXPECT_EQ(refused(edited), checksum + kUnchanged);
    // A flipped bit in a caption is caught the same way.
    std::string flipped = good;
    flipped[flipped.find("Služební") + 1] ^= 0x01;
    EXPECT_EQ(refused(flipped), checksum + kUnchanged);
}

TEST_F(BadPositionTest, AFileOfANewerGameSaysSo) {
    EXPECT_EQ(refused(sealedWith({"formatVersion"}, Value::of(2))),
              std::string("Pozici 3 nelze nahrát: byla uložena novější verzí hry, kterou tato verze neumí přečíst.") + kUnchanged);
}

TEST_F(BadPositionTest, SealedButHostileValuesNameTheirItem) {
    const auto invalid = [](const std::string& item) {
        return "Pozici 3 nelze nahrát: soubor obsahuje neplatný údaj (" + item + ")." + kUnchanged;
    };
    EXPECT_EQ(refused(sealedWith({"state", "storyTick"}, Value::of(std::int64_t{9'000'000'000}))), invalid("state.storyTick"));
    EXPECT_EQ(refused(sealedWith({"state", "storyStage"}, Value::of(43))), invalid("state.storyStage"));
    EXPECT_EQ(refused(sealedWith({"state", "nailTaken"}, Value::of(-1))), invalid("state.nailTaken"));
    EXPECT_EQ(refused(sealedWith({"state", "sceneId"}, Value::of("1"))), invalid("state.sceneId"));
    EXPECT_EQ(refused(sealedWith({"components", "imgCur5", "enabled"}, Value::of(1))), invalid("components.imgCur5.enabled"));
    EXPECT_EQ(refused(sealedWith({"components", "imgHlavni", "picture"}, Value::of("../../etc/passwd"))),
              invalid("components.imgHlavni.picture"));
    EXPECT_EQ(refused(sealedWith({"components", "imgInv1", "left"}, Value::of(-2'000'000'000))), invalid("components.imgInv1.left"));
    EXPECT_EQ(refused(sealedWith({"components", "imgCur2", "cursor"}, Value::of(7))), invalid("components.imgCur2.cursor"));
    EXPECT_EQ(refused(sealedWith({"list", "selected"}, Value::of(5))), invalid("list.selected"));
    EXPECT_EQ(refused(sealedWith({"list", "selected"}, Value::of(-1))), invalid("list.selected"));
    EXPECT_EQ(refused(sealedWith({"timers", "Timer", "interval"}, Value::of(0))), invalid("timers.Timer.interval"));
    EXPECT_EQ(refused(sealedWith({"timers", "TimerDead"}, Value::array())), invalid("timers.TimerDead"));
    Value lines = Value::array();
    lines.items.push_back(Value::of(7));
    EXPECT_EQ(refused(sealedWith({"history"}, lines)), invalid("history"));

    Value noHeld = bodyOf(good);
    at(noHeld, {"state", "heldFlags"}).items.pop_back();
    EXPECT_EQ(refused(sealed(noHeld)), invalid("state.heldFlags"));
    Value stranger = bodyOf(good);
    at(stranger, {"list", "entries"}).items.push_back(Value::of("Klíč od trezoru"));
    EXPECT_EQ(refused(sealed(stranger)), invalid("list.entries"));
    Value unsorted = bodyOf(good);
    auto& entries = at(unsorted, {"list", "entries"}).items;
    std::swap(entries.front(), entries.back());
    EXPECT_EQ(refused(sealed(unsorted)), invalid("list.entries"));
    Value extra = bodyOf(good);
    at(extra, {"components"}).set("imgCur99", at(extra, {"components", "imgCur1"}));
    EXPECT_EQ(refused(sealed(extra)), invalid("components"));
    Value control = bodyOf(good);
    at(control, {"components", "lblText", "text"}) = Value::of("a\x1b[2Jb");
    EXPECT_EQ(refused(sealed(control)), invalid("components.lblText.text"));
}

TEST_F(BadPositionTest, NumbersAndNestingBeyondTheReadersBoundsAreDamage) {
    std::string huge = good;
    huge.replace(huge.find("\"storyStage\": 0"), 15, "\"storyStage\": 123456789012345678901234567890");
    EXPECT_NE(refused(huge).find("poškozený nebo neúplný"), std::string::npos);
    std::string deep(100000, '[');
    EXPECT_NE(refused(deep).find("poškozený nebo neúplný"), std::string::npos);
    std::string fraction = good;
    fraction.replace(fraction.find("\"storyStage\": 0"), 15, "\"storyStage\": 0.5");
    EXPECT_NE(refused(fraction).find("poškozený nebo neúplný"), std::string::npos);
}

TEST_F(BadPositionTest, AGigabyteFileIsRefusedWithoutReadingIt) {
    {
        std::ofstream(slotFile(3), std::ios::trunc);
    }
    fs::resize_file(slotFile(3), std::uintmax_t{1} << 30);  // sparse: no gigabyte on the disk
    EXPECT_EQ(refusedAsItIs(), std::string("Pozici 3 nelze nahrát: soubor je příliš velký, uložená pozice to není.") + kUnchanged);
}

TEST_F(BadPositionTest, SomethingElseInTheSlotsPlaceNeitherBlocksNorLoads) {
    fs::remove(slotFile(3));
    ASSERT_EQ(::mkfifo(slotFile(3).c_str(), 0600), 0);
    EXPECT_EQ(refusedAsItIs(), std::string("Pozici 3 nelze nahrát: na jejím místě není soubor.") + kUnchanged);
    fs::remove(slotFile(3));
    fs::create_directory(slotFile(3));
    EXPECT_EQ(refusedAsItIs(), std::string("Pozici 3 nelze nahrát: na jejím místě není soubor.") + kUnchanged);
    EXPECT_EQ(refusedAsItIs(6), "Pozice 6 je prázdná.");
    EXPECT_EQ(refusedAsItIs(checkpoint::kAutoSlot), "Automatická pozice je prázdná.");
}

TEST_F(PositionTest, WritesGoThroughATemporaryFileAndLeaveAReadOnlySlotAlone) {
    script::Session s;
    toSquareHoldingTheCard(s);
    ASSERT_TRUE(s.form->savePosition(7));
    const std::string saved = bytesOf(slotFile(7));
    EXPECT_FALSE(fs::exists(checkpoint::slotPath("data.dat", 7) + ".tmp"));

    ::chmod(slotFile(7).c_str(), 0444);
    play(s, {"select none"});
    EXPECT_FALSE(s.form->savePosition(7));
    EXPECT_EQ(s.platform.messages.back(), "Pozici 7 se nepodařilo uložit: soubor saves/pozice-7.json nelze zapsat.");
    EXPECT_EQ(bytesOf(slotFile(7)), saved);

    // A save killed before its rename left its temporary file: the next start clears it.
    std::ofstream(checkpoint::slotPath("data.dat", 1) + ".tmp") << "half";
    script::Session next;
    EXPECT_FALSE(fs::exists(checkpoint::slotPath("data.dat", 1) + ".tmp"));
    EXPECT_TRUE(next.form->savePosition(1));
}

}  // namespace

namespace {

// The same questions, messages and places in English: each sentence is one translated text
// with the slot, the place and the reason filled in, never Czech words joined to English ones.
TEST_F(PositionTest, SavingAndLoadingSpeakTheChosenLanguage) {
    std::string error;
    std::optional<ui::Catalogue> english = ui::loadCatalogue("en", error, KVELNOR_CATALOGUE_DIR);
    ASSERT_TRUE(english) << error;
    script::Session s(std::move(*english));
    toSquareHoldingTheCard(s);
    ASSERT_TRUE(s.form->savePosition(4));
    s.platform.answers = {false};
    EXPECT_FALSE(s.form->savePosition(4));
    EXPECT_EQ(s.platform.questions.back(),
              "Save position: Slot 4 already holds a saved game (Day 1 – square). Do you want to overwrite it?");
    s.platform.answers = {false};
    EXPECT_FALSE(s.form->loadPosition(4));
    EXPECT_EQ(s.platform.questions.back(),
              "Load position: Do you really want to load slot 4 (Day 1 – square)? The game in progress will end.");

    EXPECT_FALSE(s.form->loadPosition(6));
    EXPECT_EQ(s.platform.messages.back(), "Slot 6 is empty.");
    EXPECT_FALSE(s.form->loadPosition(checkpoint::kAutoSlot));
    EXPECT_EQ(s.platform.messages.back(), "The automatic save is empty.");
    std::ofstream(slotFile(3), std::ios::binary | std::ios::trunc) << "{\"hello\": 1}";
    EXPECT_FALSE(s.form->loadPosition(3));
    EXPECT_EQ(s.platform.messages.back(),
              "Slot 3 cannot be loaded: the file is not a saved position of this game. The game goes on unchanged.");

    const std::vector<app::TfrmHlavni::SlotSummary> slots = s.form->slotSummaries();
    EXPECT_EQ(slots.at(3).place, "damaged save");
    EXPECT_EQ(slots.at(4).place, "Day 1 – square");
}

}  // namespace
