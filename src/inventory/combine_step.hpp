// The combine step that a click in the inventory list runs while combining is armed.
#pragma once

namespace app {
class TfrmHlavni;
}

namespace inventory {

// With combining armed, a click on "Matka" makes "Vlasec + matka" of the fishing line and the
// nut; a click on any other entry leaves combining armed.
void combineWithSelectedEntry(app::TfrmHlavni& form);

}  // namespace inventory
