// The window's menu bar built from the model's menu: captions with their mnemonics, shortcuts,
// check and radio items, greyed items; a choice, a shortcut or the opening of a menu with a
// handler goes to the model.
#pragma once

#include "ui/menu.hpp"

#include <QAction>
#include <QActionGroup>
#include <QMenu>
#include <QMenuBar>

#include <functional>
#include <map>
#include <utility>

namespace desktop {

class MenuBridge {
public:
    MenuBridge(QMenuBar& bar, ui::Menu& menu);
    MenuBridge(const MenuBridge&) = delete;
    MenuBridge& operator=(const MenuBridge&) = delete;

    // Shows the model's captions, enabled and checked states (and radio groups, which start-up sets).
    void sync();

    // The action or submenu of a model item (nullptr if it has none of that kind).
    [[nodiscard]] QAction* actionOf(const ui::MenuItem& item) const;
    [[nodiscard]] QMenu* menuOf(const ui::MenuItem& item) const;

    // Runs after every choice or opening passed to the model.
    std::function<void()> afterInput;

private:
    void addChildren(QMenu& parentMenu, ui::MenuItem& parent);
    QMenu* addSubmenu(QMenu* parentMenu, ui::MenuItem& item);
    void choose(ui::MenuItem& item);
    void pressShortcut(ui::MenuItem& item);

    QMenuBar& bar_;
    ui::Menu& menu_;
    std::map<const ui::MenuItem*, QAction*> actions_;
    std::map<const ui::MenuItem*, QMenu*> menus_;
    std::map<std::pair<const ui::MenuItem*, int>, QActionGroup*> radioGroups_;  // by parent and group
};

}  // namespace desktop
