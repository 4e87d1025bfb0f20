// The window of saved positions: the automatic slot first, then the player's eight, each with a
// small picture of its scene, where the agent is and when it was saved. The player picks one.
#pragma once

#include "app/main_form.hpp"
#include "desktop/slot_choice.hpp"

#include <QDialog>
#include <QListWidget>
#include <QPushButton>

#include <optional>
#include <vector>

namespace desktop {

class SlotWindow final : public QDialog {
public:
    SlotWindow(SlotWindowMode mode, const std::vector<app::TfrmHlavni::SlotSummary>& summaries,
               const ui::Catalogue& catalogue, QWidget* parent);

    // The slot chosen with the button, Enter or a double click; nothing after Zrušit.
    [[nodiscard]] std::optional<int> chosenSlot() const { return chosen_; }

    [[nodiscard]] QListWidget& list() { return *list_; }
    [[nodiscard]] QPushButton& chooseButton() { return *choose_; }

private:
    void choose();

    QListWidget* list_ = nullptr;
    QPushButton* choose_ = nullptr;
    std::optional<int> chosen_;
};

// The line a slot shows in the catalogue's language: "Pozice 3", "1. den – hospoda", when it was saved.
QString slotText(const app::TfrmHlavni::SlotSummary& slot, SlotWindowMode mode, const ui::Catalogue& catalogue);

}  // namespace desktop
