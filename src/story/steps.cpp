// The shared script steps, each a small action on the main window.
#include "story/steps.hpp"

#include "app/main_form.hpp"

#include <utility>

namespace story {

Step clearLine() { return line(""); }

Step pause() {
    return act([](app::TfrmHlavni& f) { f.pauseStory(); });
}

Step setStage(int storyStage) {
    return act([storyStage](app::TfrmHlavni& f) { f.state.storyStage = storyStage; });
}

Step setPlace(int sceneId, int pictureId) {
    return act([sceneId, pictureId](app::TfrmHlavni& f) {
        f.state.sceneId = sceneId;
        f.state.pictureId = pictureId;
    });
}

Step enableHotspot(int n) {
    return act([n](app::TfrmHlavni& f) { f.cur(n).setEnabled(true); });
}

Step disableHotspot(int n) {
    return act([n](app::TfrmHlavni& f) { f.cur(n).setEnabled(false); });
}

Step disableAllHotspots() {
    return act([](app::TfrmHlavni& f) { f.disableAllHotspots(); });
}

Step addItem(const char* caption) {
    return act([caption](app::TfrmHlavni& f) { f.addInventoryItem(caption); });
}

Step removeItem(const char* caption, int depth) {
    return act([caption, depth](app::TfrmHlavni& f) { f.removeInventoryItem(caption, depth); });
}

Step dropHeldItem() {
    return act([](app::TfrmHlavni& f) { f.dropHeldItem(); });
}

Step heldPicture(int n, const char* path) {
    return act([n, path](app::TfrmHlavni& f) { f.loadPicture(f.inv(n), path); });
}

Step tillShows(const char* firstDigit, const char* secondDigit) {
    return act([firstDigit, secondDigit](app::TfrmHlavni& f) {
        for (auto [label, digit] : {std::pair{f.lblkasa1, firstDigit}, std::pair{f.lblkasa2, secondDigit}}) {
            label->setEnabled(true);
            label->setVisible(true);
            label->setText(digit);
        }
    });
}

}  // namespace story
