#include "ui/menu.hpp"

namespace ui {

void MenuItem::setEnabled(bool on) {
    if (enabled_ == on) return;
    enabled_ = on;
    changes_->bump();
}

void MenuItem::setChecked(bool on) {
    if (checked_ != on) {
        checked_ = on;
        changes_->bump();
    }
    if (on && radioGroup_ != 0 && onChecked) onChecked(*this);
}

void MenuItem::retranslate(const Catalogue& catalogue) {
    const std::string& shown = catalogue.translate(source_);
    if (caption_ == shown) return;
    caption_ = shown;
    changes_->bump();
}

MenuItem& Menu::add(const std::string& name, const std::string& caption, MenuItem* parent) {
    items_.push_back(std::make_unique<MenuItem>(name, caption, parent, changes_));
    MenuItem& item = *items_.back();
    item.onChecked = [this](MenuItem& checked) { uncheckGroupOf(checked); };
    if (parent != nullptr)
        parent->children.push_back(&item);
    else
        topLevel_.push_back(&item);
    return item;
}

void Menu::uncheckGroupOf(MenuItem& item) {
    for (auto& other : items_)
        if (other.get() != &item && other->parent() == item.parent() &&
            other->radioGroup() == item.radioGroup())
            other->setChecked(false);
}

MenuItem* Menu::find(const std::string& name) const {
    for (const auto& item : items_)
        if (item->name() == name) return item.get();
    return nullptr;
}

void Menu::click(MenuItem& item) {
    if (item.enabled() && item.onClick) item.onClick();
}

void Menu::pressShortcut(MenuItem& item) {
    std::vector<MenuItem*> menus;
    for (MenuItem* menu = item.parent(); menu != nullptr; menu = menu->parent()) menus.push_back(menu);
    if (!item.enabled()) return;
    for (const MenuItem* menu : menus)
        if (!menu->enabled()) return;
    for (auto menu = menus.rbegin(); menu != menus.rend(); ++menu) click(**menu);
    click(item);
}

}  // namespace ui
