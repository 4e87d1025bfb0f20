// Start-up of the main window: everything stopped, hidden or disabled, the intro picture shown.
#include "app/data_files.hpp"
#include "app/main_form.hpp"

namespace app {

void TfrmHlavni::FormCreate() {
    mmNahrat->setEnabled(false);
    for (ui::MenuItem* speed : {mmVysoka, mmStredni, mmNizka}) speed->setRadioGroup(1);
    mmStredni->setChecked(true);
    Timer.setEnabled(false);
    TimerX.setEnabled(false);
    TimerDead.setEnabled(false);
    imgClona->setEnabled(true);  // the intro picture takes no clicks
    Timer2.setEnabled(false);
    lblX->setEnabled(false);
    imgHlavni->setEnabled(false);
    setPlayerControls(false);  // hidden before any box can show the window
    checkDataFiles();
    showPicture(pic::uvod);
    for (int n = 1; n <= kHeldPictureCount; ++n) {
        inv(n).setEnabled(false);
        inv(n).setVisible(false);
    }
    disableAllHotspots();
    for (int n = 1; n <= kMapSpotCount; ++n) map(n).setEnabled(false);
    for (ui::Component* till : {lblkasa1, lblkasa2}) {
        till->setEnabled(false);
        till->setVisible(false);
    }
    readCheckpointFile();
}

}  // namespace app
