#include "desktop/view_menu.hpp"

#include "desktop/menu_keys.hpp"

namespace desktop {

QMenu& viewMenuOf(QMenuBar& bar) {
    const QString name = QString::fromLatin1(kViewMenuName);
    for (QAction* action : bar.actions())
        if (action->menu() != nullptr && action->objectName() == name) return *action->menu();
    auto* menu = new QMenu(&bar);
    QString taken = takenMnemonics(bar.actions());
    dressAction(*menu->menuAction(), kViewMenuName, QString::fromUtf8(kViewMenuCaption), taken);
    // Before the last menu of the bar, "Informace", as a window's help menu stays last.
    const QList<QAction*> actions = bar.actions();
    if (actions.isEmpty())
        bar.addMenu(menu);
    else
        bar.insertMenu(actions.last(), menu);
    return *menu;
}

ViewMenu::ViewMenu(QMenuBar& bar) : menu_(&viewMenuOf(bar)) {
    // Full screen also on F11 and Alt+Enter; Esc is kept free for skipping a cutscene line.
    fullScreen_ = addChoice(kFullScreenName, kFullScreenCaption);
    sharpPixels_ = addChoice(kSharpPixelsName, kSharpPixelsCaption);
    largerText_ = addChoice(kLargerTextName, kLargerTextCaption);
}

QAction* ViewMenu::addChoice(const char* name, const char* caption) {
    QString taken = takenMnemonics(menu_->actions());
    QAction* action = menu_->addAction(QString());
    dressAction(*action, name, QString::fromUtf8(caption), taken);
    action->setCheckable(true);
    QObject::connect(action, &QAction::triggered, action, [this] { changed(); });
    return action;
}

void ViewMenu::show(const ViewOptions& options) {
    fullScreen_->setChecked(options.fullScreen);
    sharpPixels_->setChecked(options.sharpPixels);
    largerText_->setChecked(options.largerText);
}

void ViewMenu::retranslate(const ui::Catalogue& catalogue) {
    const auto shown = [&](const char* caption) { return QString::fromStdString(catalogue.translate(caption)); };
    if (auto* bar = qobject_cast<QWidget*>(menu_->parent()))
        recaptionAction(*menu_->menuAction(), shown(kViewMenuCaption), bar->actions());
    recaptionAction(*fullScreen_, shown(kFullScreenCaption), menu_->actions());
    recaptionAction(*sharpPixels_, shown(kSharpPixelsCaption), menu_->actions());
    recaptionAction(*largerText_, shown(kLargerTextCaption), menu_->actions());
}

void ViewMenu::changed() {
    if (!onChange) return;
    onChange({.fullScreen = fullScreen_->isChecked(),
              .sharpPixels = sharpPixels_->isChecked(),
              .largerText = largerText_->isChecked()});
}

}  // namespace desktop
