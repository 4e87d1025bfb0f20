// The item in the hand: taking it from the list, its picture following the pointer, emptying the hand.
#include "app/main_form.hpp"

namespace app {

void TfrmHlavni::lbPredmetyClick() {}

void TfrmHlavni::imgHlavniMouseMove(int, int) {}

void TfrmHlavni::hideHeldPicture() {}

void TfrmHlavni::dropHeldItem() {
    for (int n = 1; n <= kHeldPictureCount; ++n) inv(n).setVisible(false);
    for (int flag = 1; flag <= kHeldFlagCount; ++flag) state.heldFlags.at(static_cast<std::size_t>(flag)) = 0;
}

}  // namespace app
