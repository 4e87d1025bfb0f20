// The game menu: new game, quit, the three speeds, the sound switch and the information windows.
#include "app/data_files.hpp"
#include "app/main_form.hpp"
#include "app/messages.hpp"
#include "checkpoint/position_texts.hpp"
#include "ui/catalogue.hpp"

namespace app {

void TfrmHlavni::mmNovaClick() {
    if (state.storyTick == 0) {
        Timer.setEnabled(true);
        return;
    }
    if (state.storyTick < 0) return;
    if (!platform.ask(tr(message::kQuestionCaption), tr(message::kAskNewGame))) return;

    // The sound setting is not progress: it survives a new game.
    GameState fresh;
    fresh.soundOn = state.soundOn;
    fresh.soundMenuArmed = state.soundMenuArmed;
    state = fresh;
    clearDialogueHistory();

    Timer.setEnabled(true);
    Timer2.setEnabled(false);
    TimerX.setEnabled(false);
    TimerDead.setEnabled(false);
    imgClona->setEnabled(false);
    lblX->setEnabled(false);
    lblX->setText("");
    showPicture(pic::uvod);
    clearInventory();
    imgHlavni->setEnabled(true);
    for (int n = 1; n <= kHeldPictureCount; ++n) {
        inv(n).setEnabled(false);
        inv(n).setVisible(false);
    }
    disableAllHotspots();
    for (int n = 1; n <= kMapSpotCount; ++n) map(n).setEnabled(false);
    // Nothing of the game left behind may stand over the opening.
    clearLeftovers();
}

void TfrmHlavni::mmKonecClick() {
    if (confirmQuit()) platform.quit();
}

bool TfrmHlavni::confirmQuit() {
    if (quitConfirmed_) return true;
    if (!platform.ask(tr(message::kQuitCaption), tr(message::kAskQuit))) return false;
    // The game in progress is kept in the automatic slot; should that fail, the player decides.
    if (const std::string problem = autosave(); !problem.empty())
        if (!platform.ask(tr(message::kQuitCaption), ui::fill(tr(checkpoint::text::kAskQuitUnsaved), problem))) return false;
    quitConfirmed_ = true;
    return true;
}

void TfrmHlavni::setSpeed(ui::MenuItem& item, int intervalMs) {
    for (ui::MenuItem* speed : {mmVysoka, mmStredni, mmNizka}) speed->setChecked(speed == &item);
    Timer.setInterval(intervalMs);
    Timer2.setInterval(intervalMs);
}

void TfrmHlavni::mmVysokaClick() { setSpeed(*mmVysoka, kIntervalHigh); }
void TfrmHlavni::mmStredniClick() { setSpeed(*mmStredni, kIntervalMedium); }
void TfrmHlavni::mmNizkaClick() { setSpeed(*mmNizka, kIntervalLow); }

void TfrmHlavni::mmNastaveniClick() { state.soundMenuArmed = 1; }

void TfrmHlavni::mmZvukyClick() {
    if (state.soundMenuArmed == 1 && !mmZvuky->checked()) {
        mmZvuky->setChecked(true);
        state.soundOn = 1;
        state.soundMenuArmed = 0;
    }
    if (state.soundMenuArmed == 1 && mmZvuky->checked()) {
        mmZvuky->setChecked(false);
        state.soundOn = 0;
        state.soundMenuArmed = 0;
    }
}

void TfrmHlavni::mmOvladaniClick() { platform.showWindow(ui::InfoWindow::Controls); }
void TfrmHlavni::mmOprogramuClick() { platform.showWindow(ui::InfoWindow::About); }

}  // namespace app
