// Menu items of the window model: caption, enabled, checked, radio groups and a click handler.
#pragma once

#include "ui/catalogue.hpp"
#include "ui/component.hpp"

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace ui {

class MenuItem {
public:
    MenuItem(std::string name, std::string caption, MenuItem* parent, ChangeCounter& changes)
        : name_(std::move(name)), caption_(caption), source_(std::move(caption)), parent_(parent), changes_(&changes) {}

    [[nodiscard]] const std::string& name() const { return name_; }
    // The caption shown, in the chosen language.
    [[nodiscard]] const std::string& caption() const { return caption_; }
    // The caption as the game wrote it, before translation.
    [[nodiscard]] const std::string& sourceCaption() const { return source_; }
    void retranslate(const Catalogue& catalogue);
    [[nodiscard]] MenuItem* parent() const { return parent_; }
    [[nodiscard]] bool enabled() const { return enabled_; }
    [[nodiscard]] bool checked() const { return checked_; }
    [[nodiscard]] int radioGroup() const { return radioGroup_; }

    void setEnabled(bool on);
    void setChecked(bool on);
    void setRadioGroup(int group) { radioGroup_ = group; }

    std::function<void()> onClick;
    std::vector<MenuItem*> children;
    // Set by the menu when a radio item is checked, so the others of its group uncheck.
    std::function<void(MenuItem&)> onChecked;

private:
    std::string name_;
    std::string caption_;
    std::string source_;
    MenuItem* parent_;
    ChangeCounter* changes_;
    bool enabled_ = true;
    bool checked_ = false;
    int radioGroup_ = 0;  // 0: not a radio item
};

class Menu {
public:
    explicit Menu(ChangeCounter& changes) : changes_(changes) {}

    MenuItem& add(const std::string& name, const std::string& caption, MenuItem* parent = nullptr);
    [[nodiscard]] MenuItem* find(const std::string& name) const;
    [[nodiscard]] const std::vector<MenuItem*>& topLevel() const { return topLevel_; }
    [[nodiscard]] const std::vector<std::unique_ptr<MenuItem>>& all() const { return items_; }

    // A click on an item as the window would deliver it: a disabled item does nothing.
    static void click(MenuItem& item);
    // The item's shortcut key: what reaching it with the mouse does, so the menus it lies in
    // hear that they are opened (from the bar down) before the item is clicked. A greyed item,
    // or one in a greyed menu, does nothing at all.
    static void pressShortcut(MenuItem& item);

private:
    void uncheckGroupOf(MenuItem& item);

    ChangeCounter& changes_;
    std::vector<std::unique_ptr<MenuItem>> items_;
    std::vector<MenuItem*> topLevel_;
};

}  // namespace ui
