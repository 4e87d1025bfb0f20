#include "desktop/pace_menu.hpp"

#include "desktop/desktop_texts.hpp"
#include "desktop/menu_keys.hpp"
#include "desktop/view_menu.hpp"

#include <QMenu>

namespace desktop {

PaceMenu::PaceMenu(QMenuBar& bar) {
    QMenu& menu = viewMenuOf(bar);
    menu_ = &menu;
    menu.addSeparator();
    QString taken = takenMnemonics(menu.actions());
    history_ = menu.addAction(QString());
    dressAction(*history_, kHistoryName, QString::fromUtf8(kHistoryItemCaption), taken);
    reveal_ = menu.addAction(QString());
    dressAction(*reveal_, kRevealName, QString::fromUtf8(kRevealItemCaption), taken);
    reveal_->setCheckable(true);
}

void PaceMenu::retranslate(const ui::Catalogue& catalogue) {
    const QList<QAction*> neighbours = menu_->actions();
    recaptionAction(*history_, QString::fromStdString(catalogue.translate(kHistoryItemCaption)), neighbours);
    recaptionAction(*reveal_, QString::fromStdString(catalogue.translate(kRevealItemCaption)), neighbours);
}

}  // namespace desktop
