#include "desktop/menu_bridge.hpp"

#include "desktop/menu_keys.hpp"

#include <QEvent>

namespace desktop {

namespace {

// Takes an action's shortcut before Qt triggers the action with it, so the key reaches the
// model by the keyboard's own path; a choice in the open menu still triggers as before.
class ShortcutRelay final : public QObject {
public:
    ShortcutRelay(QAction& action, std::function<void()> pressed) : QObject(&action), pressed_(std::move(pressed)) {
        action.installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::Shortcut) return QObject::eventFilter(watched, event);
        pressed_();
        return true;
    }

private:
    std::function<void()> pressed_;
};

}  // namespace

MenuBridge::MenuBridge(QMenuBar& bar, ui::Menu& menu) : bar_(bar), menu_(menu) {
    for (ui::MenuItem* top : menu_.topLevel()) addSubmenu(nullptr, *top);
    sync();
}

QMenu* MenuBridge::addSubmenu(QMenu* parentMenu, ui::MenuItem& item) {
    QString taken = takenMnemonics(parentMenu != nullptr ? parentMenu->actions() : bar_.actions());
    QMenu* submenu = parentMenu != nullptr ? parentMenu->addMenu(QString()) : bar_.addMenu(QString());
    dressAction(*submenu->menuAction(), item.name().c_str(), QString::fromStdString(item.caption()), taken);
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
        QString taken = takenMnemonics(parentMenu.actions());
        QAction* action = parentMenu.addAction(QString());
        dressAction(*action, child->name().c_str(), QString::fromStdString(child->caption()), taken);
        action->setCheckable(child->checked() || child->radioGroup() != 0);
        actions_[child] = action;
        QObject::connect(action, &QAction::triggered, action, [this, child] { choose(*child); });
        new ShortcutRelay(*action, [this, child] { pressShortcut(*child); });
    }
}

void MenuBridge::choose(ui::MenuItem& item) {
    if (!item.onClick) return;
    ui::Menu::click(item);
    if (afterInput) afterInput();
    // Qt toggles a checkable action by itself; the model decides what is checked.
    sync();
}

void MenuBridge::pressShortcut(ui::MenuItem& item) {
    ui::Menu::pressShortcut(item);
    if (afterInput) afterInput();
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
        // The captions follow the language the model shows.
        QMenu* holder = item->parent() != nullptr ? menuOf(*item->parent()) : nullptr;
        recaptionAction(*action, QString::fromStdString(item->caption()), holder != nullptr ? holder->actions() : bar_.actions());
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
