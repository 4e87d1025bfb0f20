// The player's pace and overview in the menu "Zobrazení": the dialogue history and showing
// every place a click would reach.
#pragma once

#include <QAction>
#include <QMenuBar>

namespace desktop {

inline constexpr const char* kHistoryItemCaption = "Historie rozhovorů";
inline constexpr const char* kRevealItemCaption = "Ukázat aktivní místa";

class PaceMenu {
public:
    // Adds the two items to the bar's "Zobrazení" menu (made if there is none yet).
    explicit PaceMenu(QMenuBar& bar);

    [[nodiscard]] QAction& history() { return *history_; }
    // Checkable: while checked the places are shown without holding Tab.
    [[nodiscard]] QAction& reveal() { return *reveal_; }

private:
    QAction* history_ = nullptr;
    QAction* reveal_ = nullptr;
};

}  // namespace desktop
