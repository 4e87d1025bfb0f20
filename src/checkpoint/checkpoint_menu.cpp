// Reading the checkpoint at start-up and writing it during the night of the first day.
#include "app/main_form.hpp"
#include "checkpoint/checkpoint_file.hpp"
#include "checkpoint/position_file.hpp"

namespace app {

void TfrmHlavni::readCheckpointFile() {
    // A write killed between its temporary file and the rename left that file behind.
    checkpoint::removeStaleTemporary(checkpointPath);
    checkpoint::removeStaleSlotTemporaries(checkpointPath);
    const checkpoint::ReadResult read = checkpoint::readFile(checkpointPath);
    if (!read.opened) {
        platform.inform(tr(checkpoint::kCannotOpen));
        return;
    }
    if (read.closeFailed) platform.inform(tr(checkpoint::kCannotClose));
    if (read.holdsOne) mmNahrat->setEnabled(true);
}

void TfrmHlavni::writeCheckpointFile() {
    switch (checkpoint::writeFile(checkpointPath)) {
        case checkpoint::WriteResult::OpenFailed:
            platform.inform(tr(checkpoint::kCannotOpen));
            break;
        case checkpoint::WriteResult::CloseFailed:
            platform.inform(tr(checkpoint::kCannotClose));
            break;
        case checkpoint::WriteResult::Written:
            break;
    }
    // "Nahrát" is usable for the rest of the run even when the mark did not reach the disk.
    mmNahrat->setEnabled(true);
}

}  // namespace app
