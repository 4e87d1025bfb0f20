#include "ui/sorted_list.hpp"

#include <algorithm>

namespace ui {

void SortedList::setEnabled(bool on) {
    if (enabled_ == on) return;
    enabled_ = on;
    changes_.bump();
}

void SortedList::setVisible(bool on) {
    if (visible_ == on) return;
    visible_ = on;
    changes_.bump();
}

std::optional<int> SortedList::selected() const {
    for (int p = 0; p < count(); ++p)
        if (entries_[static_cast<std::size_t>(p)].selected) return p;
    return std::nullopt;
}

std::vector<std::string> SortedList::captions() const {
    std::vector<std::string> out;
    out.reserve(entries_.size());
    for (const auto& e : entries_) out.push_back(e.caption);
    return out;
}

std::vector<std::string> SortedList::shownCaptions() const {
    std::vector<std::string> out;
    out.reserve(entries_.size());
    for (const auto& e : entries_) out.push_back(catalogue_->translate(e.caption));
    return out;
}

void SortedList::setCatalogue(const Catalogue& catalogue) {
    catalogue_ = &catalogue;
    changes_.bump();
}

void SortedList::append(const std::string& caption) {
    entries_.push_back({caption, false});
    resort();
}

void SortedList::removeAt(int position) {
    entries_.erase(entries_.begin() + position);
    changes_.bump();
}

void SortedList::clear() {
    entries_.clear();
    changes_.bump();
}

void SortedList::resort() {
    std::stable_sort(entries_.begin(), entries_.end(), [this](const Entry& a, const Entry& b) {
        const int ra = rank_(a.caption);
        const int rb = rank_(b.caption);
        if (ra != rb) return ra < rb;
        return a.caption < b.caption;
    });
    changes_.bump();
}

void SortedList::select(std::optional<int> position) {
    for (int p = 0; p < count(); ++p) entries_[static_cast<std::size_t>(p)].selected = position == p;
    changes_.bump();
}

void SortedList::click(std::optional<int> position) {
    if (!enabled_ || !visible_) return;
    if (position && (*position < 0 || *position >= count())) position.reset();
    select(position);
    if (onClick) onClick();
}

void SortedList::doubleClick(int position) {
    if (!enabled_ || !visible_ || position < 0 || position >= count()) return;
    click(position);
    if (onDoubleClick) onDoubleClick();
}

void SortedList::completeDoubleClick(int position) {
    if (!enabled_ || !visible_ || position < 0 || position >= count()) return;
    select(position);
    if (onDoubleClick) onDoubleClick();
}

}  // namespace ui
