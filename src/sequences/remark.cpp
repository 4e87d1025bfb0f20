// The agent's short remarks to himself, paced by Timer2.
#include "app/main_form.hpp"
#include "sequences/remarks.hpp"
#include "story/script.hpp"
#include "story/speakers.hpp"

namespace sequences {

const std::vector<Remark>& remarks() {
    using story::aside, story::kAgent, story::say;
    static const std::vector<Remark> table = {
        {.startFrame = app::remark::HandIntoSlot, .firstShown = 1, .lastShown = 5, .endFrame = 6,
         .text = say(aside(kAgent), "Mám tam snad strčit ruku?")},
        {.startFrame = app::remark::WontWork, .firstShown = 7, .lastShown = 11, .endFrame = 12,
         .text = say(aside(kAgent), "Takhle to nepůjde.")},
        {.startFrame = app::remark::CantGetIn, .firstShown = 13, .lastShown = 15, .endFrame = 16,
         .text = say(aside(kAgent), "S tímhle se tam nedostanu.")},
        {.startFrame = app::remark::InnWantsMoney, .firstShown = 17, .lastShown = 21, .endFrame = 22,
         .text = say(aside(kAgent), "Tam se vrátit nemůžu, chtěli by po mně peníze.")},
    };
    return table;
}

}  // namespace sequences

namespace app {

void TfrmHlavni::startRemark(int startFrame) {
    state.remarkFrame = startFrame;
    Timer2.setEnabled(true);
    imgClona->setEnabled(true);
}

void TfrmHlavni::Timer2Timer() {
    ++state.remarkFrame;
    for (const sequences::Remark& remark : sequences::remarks()) {
        if (state.remarkFrame >= remark.firstShown && state.remarkFrame <= remark.lastShown) setLine(remark.text);
        if (state.remarkFrame == remark.endFrame) {
            setLine("");
            Timer2.setEnabled(false);
            imgClona->setEnabled(false);
        }
    }
}

}  // namespace app
