// "Uložit pozici…" (Ctrl+S) and "Nahrát pozici…" (Ctrl+O) below the game's own items of "Hra":
// each opens the slot window with the game's clock held, and hands the chosen slot to the game.
#pragma once

#include "app/main_form.hpp"
#include "desktop/qt_clock.hpp"
#include "desktop/slot_window.hpp"

#include <QAction>
#include <QMenu>

#include <functional>

namespace desktop {

class PositionsMenu {
public:
    PositionsMenu(QMenu& hra, app::TfrmHlavni& form, QtClock& clock, QWidget* windowParent);
    PositionsMenu(const PositionsMenu&) = delete;
    PositionsMenu& operator=(const PositionsMenu&) = delete;

    // Shows the two items in the catalogue's language.
    void retranslate(const ui::Catalogue& catalogue);

    [[nodiscard]] QAction& save() { return *save_; }
    [[nodiscard]] QAction& load() { return *load_; }

    // Runs after a position was saved or loaded, so the window shows the game as it is now.
    std::function<void()> afterChoice;
    // Runs while the slot window is open (tests answer it here); none: the player does.
    std::function<void(SlotWindow&)> whileOpen;

private:
    void open(SlotWindowMode mode);

    app::TfrmHlavni& form_;
    QtClock& clock_;
    QWidget* windowParent_;
    QMenu* hra_;
    QAction* save_ = nullptr;
    QAction* load_ = nullptr;
};

// How the slot list words the moment of a save: "9. 12. 2026 14:05".
QString savedAtNow();

}  // namespace desktop
