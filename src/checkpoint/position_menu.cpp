// Saving the running game into a slot, loading one back, and the automatic save at the end.
#include "app/main_form.hpp"
#include "checkpoint/position_file.hpp"
#include "checkpoint/position_place.hpp"
#include "checkpoint/position_texts.hpp"

namespace app {

namespace {

constexpr int kEndTick = 740;  // the end titles' last tick: the game is over

}  // namespace

bool TfrmHlavni::gameInProgress() const { return state.storyTick > 0 && state.storyTick < kEndTick; }

bool TfrmHlavni::savePosition(int slot) {
    if (!checkpoint::isSlot(slot)) return false;
    if (slot != checkpoint::kAutoSlot) {
        const checkpoint::SlotRead old = checkpoint::readSlot(checkpointPath, slot, *this);
        if (old.state != checkpoint::SlotState::Empty) {
            const std::string question =
                old.position ? checkpoint::fillSlot(checkpoint::text::kAskOverwrite, nullptr, slot, *this,
                                                    {checkpoint::placeOf(old.position->state, catalogue())})
                             : checkpoint::fillSlot(checkpoint::text::kAskOverwriteDamaged, nullptr, slot, *this, {});
            if (!platform.ask(tr(checkpoint::text::kSaveCaption), question))
                return false;
        }
    }
    const std::string problem = checkpoint::writeSlot(checkpointPath, slot, *this, savedAtText ? savedAtText() : "");
    if (problem.empty()) return true;
    platform.inform(problem);
    return false;
}

bool TfrmHlavni::loadPosition(int slot) {
    if (!checkpoint::isSlot(slot)) return false;
    // Everything is read and checked before the running game is touched or a question asked.
    checkpoint::SlotRead read = checkpoint::readSlot(checkpointPath, slot, *this);
    if (!read.position) {
        platform.inform(read.problem);
        return false;
    }
    if (gameInProgress() &&
        !platform.ask(tr(checkpoint::text::kLoadCaption),
                      checkpoint::fillSlot(checkpoint::text::kAskLoad, checkpoint::text::kAskLoadAuto, slot, *this,
                                           {checkpoint::placeOf(read.position->state, catalogue())})))
        return false;
    checkpoint::applyPosition(*this, *read.position);
    return true;
}

std::string TfrmHlavni::autosave() {
    if (!gameInProgress()) return {};
    return checkpoint::writeSlot(checkpointPath, checkpoint::kAutoSlot, *this, savedAtText ? savedAtText() : "");
}

void TfrmHlavni::sessionEnding() {
    autosave();
    quitConfirmed_ = true;
}

std::vector<TfrmHlavni::SlotSummary> TfrmHlavni::slotSummaries() const {
    std::vector<SlotSummary> out;
    for (int slot : {checkpoint::kAutoSlot, 1, 2, 3, 4, 5, 6, 7, 8}) {
        const checkpoint::SlotRead read = checkpoint::readSlot(checkpointPath, slot, *this);
        SlotSummary s{.slot = slot, .used = read.state != checkpoint::SlotState::Empty, .readable = read.position.has_value()};
        if (read.position) {
            s.place = checkpoint::placeOf(read.position->state, catalogue());
            s.savedAt = read.position->savedAt;
            s.picture = read.position->scenePicture;
        } else if (s.used) {
            s.place = tr(checkpoint::text::kDamagedSlot);
        }
        out.push_back(std::move(s));
    }
    return out;
}

}  // namespace app
