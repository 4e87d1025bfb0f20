#include "desktop/positions_menu.hpp"

#include "checkpoint/position_texts.hpp"
#include "desktop/menu_keys.hpp"

#include <QDateTime>
#include <QTimer>

namespace desktop {

QString savedAtNow() { return QDateTime::currentDateTime().toString(QStringLiteral("d. M. yyyy H:mm")); }

PositionsMenu::PositionsMenu(QMenu& hra, app::TfrmHlavni& form, QtClock& clock, QWidget* windowParent)
    : form_(form), clock_(clock), windowParent_(windowParent), hra_(&hra) {
    hra.addSeparator();
    // Mnemonics as the game's own items have them, on letters their neighbours leave free.
    const QString taken = takenMnemonics(hra.actions());
    save_ = hra.addAction(withMnemonic(QString::fromUtf8(checkpoint::text::kSaveCaption) + QStringLiteral("…"), 'u', taken));
    save_->setShortcut(QKeySequence(QKeySequence::Save));
    load_ = hra.addAction(withMnemonic(QString::fromUtf8(checkpoint::text::kLoadCaption) + QStringLiteral("…"), 'p',
                                       taken + takenMnemonics({save_})));
    load_->setShortcut(QKeySequence(QKeySequence::Open));
    QObject::connect(save_, &QAction::triggered, save_, [this] { open(SlotWindowMode::Save); });
    QObject::connect(load_, &QAction::triggered, load_, [this] { open(SlotWindowMode::Load); });
    // Before any game there is nothing to save: greyed while the menu shows it, and enabled again
    // when it closes, so that Ctrl+S works as soon as a game runs (open() looks again).
    QObject::connect(&hra, &QMenu::aboutToShow, save_, [this] { save_->setEnabled(form_.gameInProgress()); });
    QObject::connect(&hra, &QMenu::aboutToHide, save_, [this] { save_->setEnabled(true); });
    form_.savedAtText = [] { return savedAtNow().toStdString(); };
}

void PositionsMenu::retranslate(const ui::Catalogue& catalogue) {
    const QList<QAction*> neighbours = hra_->actions();
    recaptionAction(*save_, QString::fromStdString(catalogue.translate(checkpoint::text::kSaveCaption)) + QStringLiteral("…"),
                    neighbours);
    recaptionAction(*load_, QString::fromStdString(catalogue.translate(checkpoint::text::kLoadCaption)) + QStringLiteral("…"),
                    neighbours);
}

void PositionsMenu::open(SlotWindowMode mode) {
    // A shortcut reaches the action even while the menu was never opened.
    if (mode == SlotWindowMode::Save && !form_.gameInProgress()) return;
    bool changed = false;
    {
        // The game stands still while the player chooses: the position is the moment of the choice.
        ClockHold hold(clock_);
        SlotWindow window(mode, form_.slotSummaries(), form_.catalogue(), windowParent_);
        if (whileOpen) QTimer::singleShot(0, &window, [this, &window] { whileOpen(window); });
        if (window.exec() != QDialog::Accepted || !window.chosenSlot()) return;
        changed = mode == SlotWindowMode::Save ? form_.savePosition(*window.chosenSlot()) : form_.loadPosition(*window.chosenSlot());
    }
    if (changed && afterChoice) afterChoice();
}

}  // namespace desktop
