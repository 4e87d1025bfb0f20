#include "desktop/menu_bridge.hpp"

namespace desktop {

MenuBridge::MenuBridge(QMenuBar& bar, ui::Menu& menu) : bar_(bar), menu_(menu) {
    for (ui::MenuItem* top : menu_.topLevel()) addSubmenu(nullptr, *top);
    sync();
}

QMenu* MenuBridge::addSubmenu(QMenu* parentMenu, ui::MenuItem& item) {
    const QString caption = QString::fromStdString(item.caption());
    QMenu* submenu = parentMenu != nullptr ? parentMenu->addMenu(caption) : bar_.addMenu(caption);
    menus_[&item] = submenu;
    actions_[&item] = submenu->menuAction();
    // A menu with a handler of its own hears when it is opened.
    QObject::connect(submenu, &QMenu::aboutToShow, submenu, [this, &item] { choose(item); });
    addChildren(*submenu, item);
    return submenu;
}

void MenuBridge::addChildren(QMenu& parentMenu, ui::MenuItem& parent) {
    for (ui::MenuItem* child : parent.children) {
        if (!child->children.empty()) {
            addSubmenu(&parentMenu, *child);
            continue;
        }
        QAction* action = parentMenu.addAction(QString::fromStdString(child->caption()));
        action->setCheckable(child->checked() || child->radioGroup() != 0);
        actions_[child] = action;
        QObject::connect(action, &QAction::triggered, action, [this, child] { choose(*child); });
    }
}

void MenuBridge::choose(ui::MenuItem& item) {
    if (!item.onClick) return;
    ui::Menu::click(item);
    if (afterInput) afterInput();
    // Qt toggles a checkable action by itself; the model decides what is checked.
    sync();
}

void MenuBridge::sync() {
    for (const auto& [item, action] : actions_) {
        if (item->radioGroup() != 0 && action->actionGroup() == nullptr) {
            QActionGroup*& group = radioGroups_[{item->parent(), item->radioGroup()}];
            if (group == nullptr) {
                group = new QActionGroup(action->parent());
                group->setExclusionPolicy(QActionGroup::ExclusionPolicy::Exclusive);
            }
            action->setCheckable(true);
            group->addAction(action);
        }
        if (item->checked()) action->setCheckable(true);
        action->setEnabled(item->enabled());
        if (action->isCheckable()) action->setChecked(item->checked());
    }
}

QAction* MenuBridge::actionOf(const ui::MenuItem& item) const {
    const auto found = actions_.find(&item);
    return found != actions_.end() ? found->second : nullptr;
}

QMenu* MenuBridge::menuOf(const ui::MenuItem& item) const {
    const auto found = menus_.find(&item);
    return found != menus_.end() ? found->second : nullptr;
}

}  // namespace desktop
