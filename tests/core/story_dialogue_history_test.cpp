// The dialogue history: every line shown since the last "Nová" or "Nahrát", each once.
#include "app/settle.hpp"
#include "form_fixture.hpp"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using History = std::vector<std::string>;

class DialogueHistory : public kvtest::CheckpointFormTest {
protected:
    History history() const { return {form.dialogueHistory().begin(), form.dialogueHistory().end()}; }
    void playOpening() {
        ui::Menu::click(*form.mmNova);
        app::settle(form, clock);
    }
};

TEST_F(DialogueHistory, HoldsEachLineOnceInTheOrderShown) {
    EXPECT_TRUE(history().empty());
    // What the panel showed, tick by tick, each change to a new line counted once: the
    // opening, then the mayor's talk with the card.
    History seen;
    const auto watch = [&] {
        while (form.sequenceRunning()) {
            clock.step();
            const std::string& shown = form.lblText.text();
            if (!shown.empty() && (seen.empty() || seen.back() != shown)) seen.push_back(shown);
        }
    };
    ui::Menu::click(*form.mmNova);
    watch();
    form.startCutscene(app::cutscene::MayorSeesCard);
    watch();
    ASSERT_GE(seen.size(), 5u);
    EXPECT_EQ(history(), seen);
}

TEST_F(DialogueHistory, ALineShownAgainAfterAnotherIsCountedAgain) {
    form.setLine("Agent:Dobrý den.");
    form.setLine("Agent:Dobrý den.");
    form.setLine("");
    form.setLine("Agent:Dobrý den.");
    form.setLine("Starosta:Ano?");
    EXPECT_EQ(history(), (History{"Agent:Dobrý den.", "Agent:Dobrý den.", "Starosta:Ano?"}));
}

TEST_F(DialogueHistory, NovaAnsweredYesStartsItAfreshAndNoKeepsIt) {
    playOpening();
    const History opening = history();
    ASSERT_FALSE(opening.empty());
    platform.answers.push_back(false);
    ui::Menu::click(*form.mmNova);
    EXPECT_EQ(history(), opening);
    platform.answers.push_back(true);
    ui::Menu::click(*form.mmNova);
    EXPECT_TRUE(history().empty());
    app::settle(form, clock);
    EXPECT_EQ(history(), opening) << "the new opening's lines, once";
}

TEST_F(DialogueHistory, NahratStartsItAfreshWithOnlyWhatIsShownAfterwards) {
    playOpening();
    ASSERT_FALSE(history().empty());
    // A remark still running when the checkpoint is loaded shows its line again.
    form.startRemark(app::remark::WontWork);
    clock.advance(form.Timer2.interval());
    ui::Menu::click(*form.mmNahrat);
    EXPECT_TRUE(history().empty());
    app::settle(form, clock);
    ASSERT_EQ(history().size(), 1u);
    EXPECT_NE(history().front().find("Takhle to nepůjde."), std::string::npos);
}

}  // namespace
