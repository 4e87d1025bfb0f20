// Every cutscene of the three chapters runs without stopping from its start value to its pause
// point, which hands control back with the right storyStage and hotspots.
#include "story_fixture.hpp"

#include "inventory/item_names.hpp"

namespace {

class PausePointTest : public kvtest::StoryTest {};

struct Cutscene {
    int start;       // the start value a click sets (or the tick a resumed pause left)
    int stage;       // storyStage when the click comes
    int pause;       // the tick the clock stops (or parks) at
    int stageAfter;
    std::vector<int> hotspots;       // enabled before the click
    std::vector<int> hotspotsAfter;  // enabled at the pause
};

const std::vector<Cutscene> kCutscenes = {
    {.start = 22, .stage = 0, .pause = 37, .stageAfter = 1, .hotspots = {5}, .hotspotsAfter = {5}},
    {.start = 37, .stage = 1, .pause = 71, .stageAfter = 2, .hotspots = {2, 5}, .hotspotsAfter = {2}},
    {.start = 73, .stage = 2, .pause = 85, .stageAfter = 3, .hotspots = {10}, .hotspotsAfter = {11}},
    {.start = 85, .stage = 3, .pause = 127, .stageAfter = 4, .hotspots = {12}, .hotspotsAfter = {13}},
    {.start = 127, .stage = 4, .pause = 134, .stageAfter = 5, .hotspots = {2}, .hotspotsAfter = {2}},
    {.start = 134, .stage = 5, .pause = 153, .stageAfter = 6, .hotspots = {5}, .hotspotsAfter = {5}},
    {.start = 153, .stage = 6, .pause = 170, .stageAfter = 7, .hotspots = {15}, .hotspotsAfter = {15}},
    {.start = 170, .stage = 7, .pause = 195, .stageAfter = 8, .hotspots = {2, 16}, .hotspotsAfter = {2}},
    {.start = 195, .stage = 8, .pause = 200, .stageAfter = 8, .hotspots = {18}, .hotspotsAfter = {18}},
    {.start = 200, .stage = 8, .pause = 220, .stageAfter = 9, .hotspots = {19}, .hotspotsAfter = {19}},
    {.start = 220, .stage = 9, .pause = 236, .stageAfter = 10, .hotspots = {19}, .hotspotsAfter = {19, 20}},
    {.start = 236, .stage = 10, .pause = 241, .stageAfter = 11, .hotspots = {2}, .hotspotsAfter = {2}},
    {.start = 241, .stage = 13, .pause = 249, .stageAfter = 14, .hotspots = {2}, .hotspotsAfter = {2, 22}},
    {.start = 249, .stage = 17, .pause = 259, .stageAfter = 17, .hotspots = {2, 22}, .hotspotsAfter = {2}},
    {.start = 259, .stage = 17, .pause = 290, .stageAfter = 18, .hotspots = {19, 20}, .hotspotsAfter = {23}},
    {.start = 290, .stage = 18, .pause = 298, .stageAfter = 19, .hotspots = {28}, .hotspotsAfter = {28}},
    {.start = 298, .stage = 19, .pause = 328, .stageAfter = 20, .hotspots = {2, 28}, .hotspotsAfter = {2}},
    {.start = 328, .stage = 20, .pause = 340, .stageAfter = 21, .hotspots = {33}, .hotspotsAfter = {33}},
    {.start = 412, .stage = 24, .pause = 426, .stageAfter = 25, .hotspots = {2, 16}, .hotspotsAfter = {2}},
    {.start = 426, .stage = 26, .pause = 447, .stageAfter = 27, .hotspots = {2, 28}, .hotspotsAfter = {2}},
    {.start = 447, .stage = 27, .pause = 464, .stageAfter = 28, .hotspots = {31}, .hotspotsAfter = {31}},
    {.start = 464, .stage = 28, .pause = 471, .stageAfter = 29, .hotspots = {1, 34}, .hotspotsAfter = {1}},
    {.start = 471, .stage = 29, .pause = 511, .stageAfter = 30, .hotspots = {2, 35}, .hotspotsAfter = {2}},
    {.start = 511, .stage = 30, .pause = 517, .stageAfter = 31, .hotspots = {4}, .hotspotsAfter = {4, 36}},
    {.start = 517, .stage = 31, .pause = 521, .stageAfter = 32, .hotspots = {4, 36}, .hotspotsAfter = {4}},
    {.start = 521, .stage = 32, .pause = 532, .stageAfter = 33, .hotspots = {2, 38}, .hotspotsAfter = {2, 37, 39}},
    {.start = 532, .stage = 33, .pause = 539, .stageAfter = 34, .hotspots = {39}, .hotspotsAfter = {39}},
    {.start = 532, .stage = 34, .pause = 539, .stageAfter = 34, .hotspots = {39}, .hotspotsAfter = {39}},
    {.start = 539, .stage = 34, .pause = 551, .stageAfter = 35, .hotspots = {13}, .hotspotsAfter = {13}},
    {.start = 551, .stage = 35, .pause = 556, .stageAfter = 36, .hotspots = {40}, .hotspotsAfter = {40}},
    {.start = 556, .stage = 37, .pause = 562, .stageAfter = 38, .hotspots = {41}, .hotspotsAfter = {41, 42}},
    {.start = 562, .stage = 38, .pause = 576, .stageAfter = 39, .hotspots = {2, 42}, .hotspotsAfter = {6, 7, 8}},
    {.start = 576, .stage = 39, .pause = 649, .stageAfter = 40, .hotspots = {44}, .hotspotsAfter = {45}},
    {.start = 649, .stage = 41, .pause = 685, .stageAfter = 41, .hotspots = {2, 45}, .hotspotsAfter = {47}},
    {.start = 685, .stage = 41, .pause = 690, .stageAfter = 42, .hotspots = {2}, .hotspotsAfter = {2}},
    {.start = 690, .stage = 42, .pause = 740, .stageAfter = 42, .hotspots = {2}, .hotspotsAfter = {}},
};

TEST_F(PausePointTest, EveryCutsceneRunsFromItsStartToItsPausePoint) {
    for (const Cutscene& cutscene : kCutscenes) {
        SCOPED_TRACE("cutscene from " + std::to_string(cutscene.start));
        playerAt(cutscene.stage, {}, {item::sluzebniPrukaz, item::penize, item::mobilniTelefon});
        for (int n : cutscene.hotspots) form.cur(n).setEnabled(true);
        form.startCutscene(cutscene.start);
        for (int beats = 0; form.Timer.enabled() && beats < 1000; ++beats) beat();
        expectPause(cutscene.pause, cutscene.stageAfter);
        EXPECT_EQ(enabledHotspots(), cutscene.hotspotsAfter);
        form.TimerDead.setEnabled(false);
    }
}

TEST_F(PausePointTest, GapTicksKeepThePreviousLineOneMoreBeat) {
    for (int gap : {123, 133, 297, 682, 686}) {
        SCOPED_TRACE("tick " + std::to_string(gap));
        playerAt(30, {}, {item::mobilniTelefon});
        form.startCutscene(gap - 1);
        form.setLine("ještě visí");
        beat();
        EXPECT_EQ(line(), "ještě visí");
    }
}

}  // namespace
