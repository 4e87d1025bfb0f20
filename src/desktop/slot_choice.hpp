// The window of saved positions without its toolkit: the lines each slot shows, which slots can be
// chosen and which one is ready for Enter. The desktop's slot window and the browser page's slot
// dialog both show exactly this.
#pragma once

#include "app/main_form.hpp"
#include "ui/catalogue.hpp"

#include <optional>
#include <string>
#include <vector>

namespace desktop {

enum class SlotWindowMode { Save, Load };

// The window's title and the caption of the button that takes the chosen slot, in Czech (the
// catalogue's source texts).
const char* slotWindowCaption(SlotWindowMode mode);
const char* slotChooseCaption(SlotWindowMode mode);

// The lines a slot shows in the catalogue's language, one after another: "Pozice 3",
// "1. den – hospoda", when it was saved.
std::vector<std::string> slotLines(const app::TfrmHlavni::SlotSummary& slot, SlotWindowMode mode,
                                   const ui::Catalogue& catalogue);

// Saving goes into the player's slots only; loading needs a position that can be read.
bool slotUsable(const app::TfrmHlavni::SlotSummary& slot, SlotWindowMode mode);

// The row ready for Enter when the window opens: the first usable slot, when saving the first
// usable empty one. None when no slot can be chosen.
std::optional<std::size_t> preselectedSlot(const std::vector<app::TfrmHlavni::SlotSummary>& slots, SlotWindowMode mode);

}  // namespace desktop
