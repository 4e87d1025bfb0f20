// The player's pace and overview in the menu "Zobrazení": the dialogue history and showing
// every place a click would reach.
#pragma once

#include "ui/catalogue.hpp"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

namespace desktop {

class PaceMenu {
public:
    // Adds the two items to the bar's "Zobrazení" menu (made if there is none yet).
    explicit PaceMenu(QMenuBar& bar);
    // Shows the two items in the catalogue's language.
    void retranslate(const ui::Catalogue& catalogue);

    [[nodiscard]] QAction& history() { return *history_; }
    // Checkable: while checked the places are shown without holding Tab.
    [[nodiscard]] QAction& reveal() { return *reveal_; }

private:
    QMenu* menu_ = nullptr;
    QAction* history_ = nullptr;
    QAction* reveal_ = nullptr;
};

}  // namespace desktop
