#include "desktop/slot_choice.hpp"

#include "checkpoint/position_file.hpp"
#include "checkpoint/position_texts.hpp"
#include "desktop/desktop_texts.hpp"

namespace desktop {

const char* slotWindowCaption(SlotWindowMode mode) {
    return mode == SlotWindowMode::Save ? checkpoint::text::kSaveCaption : checkpoint::text::kLoadCaption;
}

const char* slotChooseCaption(SlotWindowMode mode) { return mode == SlotWindowMode::Save ? kSaveButton : kLoadButton; }

std::vector<std::string> slotLines(const app::TfrmHlavni::SlotSummary& slot, SlotWindowMode mode,
                                   const ui::Catalogue& catalogue) {
    const auto tr = [&](const char* source) { return catalogue.translate(source); };
    const bool automatic = slot.slot == checkpoint::kAutoSlot;
    std::vector<std::string> lines;
    lines.push_back(automatic ? tr(kAutomaticSlot) : ui::fill(tr(kPlayerSlot), std::to_string(slot.slot)));
    lines.push_back(slot.used ? slot.place : tr(kEmptySlot));
    if (!slot.savedAt.empty()) lines.push_back(ui::fill(tr(kSavedAt), slot.savedAt));
    if (automatic && mode == SlotWindowMode::Save) lines.push_back(tr(kSavesItself));
    return lines;
}

bool slotUsable(const app::TfrmHlavni::SlotSummary& slot, SlotWindowMode mode) {
    return mode == SlotWindowMode::Save ? slot.slot != checkpoint::kAutoSlot : slot.readable;
}

std::optional<std::size_t> preselectedSlot(const std::vector<app::TfrmHlavni::SlotSummary>& slots, SlotWindowMode mode) {
    for (int pass = 0; pass < 2; ++pass)
        for (std::size_t row = 0; row < slots.size(); ++row)
            if (slotUsable(slots[row], mode) && (pass == 1 || mode == SlotWindowMode::Load || !slots[row].used)) return row;
    return std::nullopt;
}

}  // namespace desktop
