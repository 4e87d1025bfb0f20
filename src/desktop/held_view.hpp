// What the view shows of the hand, read from the held flags alone: the held picture and the
// list entry of the item in the hand. The list's own selection is left to the rules.
#pragma once

#include "app/main_form.hpp"

#include <optional>
#include <string>

namespace desktop {

// The held picture of the item in the hand, or nullptr with an empty hand.
const ui::Component* heldPicture(const app::TfrmHlavni& form);

// The caption of the item in the hand, none with an empty hand.
std::optional<std::string> heldCaption(const app::TfrmHlavni& form);

}  // namespace desktop
