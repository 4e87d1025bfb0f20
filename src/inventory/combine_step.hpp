// The combine step that a click in the inventory list runs while combining is armed, and
// whether it is armed, for the view.
#pragma once

namespace app {
class TfrmHlavni;
}

namespace inventory {

// With combining armed, a click on "Matka" makes "Vlasec + matka" of the fishing line and the
// nut; a click on any other entry leaves combining armed.
void combineWithSelectedEntry(app::TfrmHlavni& form);

// True while Spojit has armed combining and the fishing line is still there to be joined: the
// next click on "Matka" makes the pair. The view draws Spojit pressed meanwhile.
[[nodiscard]] bool combinationArmed(const app::TfrmHlavni& form);

}  // namespace inventory
