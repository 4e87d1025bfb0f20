#include "desktop/view_menu.hpp"

namespace desktop {

QMenu& viewMenuOf(QMenuBar& bar) {
    const QString caption = QString::fromUtf8(kViewMenuCaption);
    for (QAction* action : bar.actions())
        if (action->menu() != nullptr && action->text() == caption) return *action->menu();
    auto* menu = new QMenu(caption, &bar);
    // Before the last menu of the bar, "Informace", as a window's help menu stays last.
    const QList<QAction*> actions = bar.actions();
    if (actions.isEmpty())
        bar.addMenu(menu);
    else
        bar.insertMenu(actions.last(), menu);
    return *menu;
}

ViewMenu::ViewMenu(QMenuBar& bar) : menu_(&viewMenuOf(bar)) {
    fullScreen_ = addChoice(kFullScreenCaption);
    // Esc is kept free: it will skip a cutscene line.
    fullScreen_->setShortcuts({QKeySequence(Qt::Key_F11), QKeySequence(Qt::ALT | Qt::Key_Return),
                               QKeySequence(Qt::ALT | Qt::Key_Enter)});
    sharpPixels_ = addChoice(kSharpPixelsCaption);
    largerText_ = addChoice(kLargerTextCaption);
}

QAction* ViewMenu::addChoice(const char* caption) {
    QAction* action = menu_->addAction(QString::fromUtf8(caption));
    action->setCheckable(true);
    QObject::connect(action, &QAction::triggered, action, [this] { changed(); });
    return action;
}

void ViewMenu::show(const ViewOptions& options) {
    fullScreen_->setChecked(options.fullScreen);
    sharpPixels_->setChecked(options.sharpPixels);
    largerText_->setChecked(options.largerText);
}

void ViewMenu::changed() {
    if (!onChange) return;
    onChange({.fullScreen = fullScreen_->isChecked(),
              .sharpPixels = sharpPixels_->isChecked(),
              .largerText = largerText_->isChecked()});
}

}  // namespace desktop
