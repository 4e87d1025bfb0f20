// The list of captions kept sorted by a rank the owner supplies, with one selected entry or none.
#pragma once

#include "ui/catalogue.hpp"
#include "ui/component.hpp"

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace ui {

class SortedList {
    static inline const Catalogue kSourceTexts{};


public:
    using Rank = std::function<int(const std::string&)>;

    SortedList(Rect rect, Rank rank, ChangeCounter& changes)
        : rect_(rect), rank_(std::move(rank)), changes_(changes) {}

    [[nodiscard]] const Rect& rect() const { return rect_; }
    [[nodiscard]] bool enabled() const { return enabled_; }
    [[nodiscard]] bool visible() const { return visible_; }
    void setEnabled(bool on);
    void setVisible(bool on);

    [[nodiscard]] int count() const { return static_cast<int>(entries_.size()); }
    [[nodiscard]] const std::string& caption(int position) const { return entries_.at(position).caption; }
    [[nodiscard]] bool isSelected(int position) const { return entries_.at(position).selected; }
    [[nodiscard]] std::optional<int> selected() const;
    [[nodiscard]] std::vector<std::string> captions() const;
    // An entry's caption as the player reads it, in the catalogue's language. The order stays
    // the rank's, whatever the language: the rules count positions in it.
    [[nodiscard]] const std::string& shownCaption(int position) const { return catalogue_->translate(caption(position)); }
    [[nodiscard]] std::vector<std::string> shownCaptions() const;
    // The catalogue outlives the list.
    void setCatalogue(const Catalogue& catalogue);

    // Appends an entry; it moves to its place in the order at once, after equal captions.
    void append(const std::string& caption);
    void removeAt(int position);
    void clear();
    // Sorts again (the order never drifts, but callers re-sort where the game does).
    void resort();

    // Selects the entry at the position, or none.
    void select(std::optional<int> position);

    // The player's input, as the window delivers it: select, then the click handler.
    void click(std::optional<int> position);
    // A double click: the click of its first press, then the double-click handler.
    void doubleClick(int position);
    // The second press of a double click in the window, whose first press already came
    // through click(): the entry under the pointer is selected, then the double-click handler.
    void completeDoubleClick(int position);

    std::function<void()> onClick;
    std::function<void()> onDoubleClick;

private:
    struct Entry {
        std::string caption;
        bool selected = false;
    };

    Rect rect_;
    Rank rank_;
    ChangeCounter& changes_;
    const Catalogue* catalogue_ = &kSourceTexts;
    std::vector<Entry> entries_;
    bool enabled_ = true;
    bool visible_ = true;
};

}  // namespace ui
