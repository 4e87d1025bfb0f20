#include "explore/actions.hpp"

#include "app/main_form.hpp"

#include <array>

namespace explore {

namespace {

// The three buttons in the order they are tried, with the captions the scripts use.
std::array<ui::Component*, 3> buttonsOf(app::TfrmHlavni& f) { return {&f.btnZpet, &f.btnPruzkum, &f.btnSpojit}; }
constexpr std::array<const char*, 3> kButtonCaptions = {"Zpět", "Průzkum", "Spojit"};

}  // namespace

bool isSpot(const std::string& name) { return name.rfind("imgCur", 0) == 0 || name.rfind("imgMap", 0) == 0; }

ActionLister::ActionLister(const app::TfrmHlavni& form) {
    const auto& all = form.stack.all();
    for (std::size_t i = 0; i < all.size(); ++i)
        if (isSpot(all[i]->name())) spots_.push_back(static_cast<std::int16_t>(i));
}

void ActionLister::list(const app::TfrmHlavni& form, std::vector<Action>& out) const {
    out.clear();
    const auto& all = form.stack.all();
    for (const std::int16_t i : spots_) {
        const ui::Component& c = *all[static_cast<std::size_t>(i)];
        if (!c.enabled() || !c.visible()) continue;
        if (const std::optional<ui::Point> p = form.stack.clickablePoint(c))
            out.push_back({Action::Kind::Click, i, static_cast<std::int16_t>(p->x), static_cast<std::int16_t>(p->y)});
    }
    const ui::SortedList& list = form.lbPredmety;
    if (list.enabled() && list.visible()) {
        for (int p = 0; p < list.count(); ++p) {
            out.push_back({Action::Kind::Select, static_cast<std::int16_t>(p)});
            out.push_back({Action::Kind::DoubleClick, static_cast<std::int16_t>(p)});
        }
        out.push_back({Action::Kind::SelectNone});
    }
    const auto buttons = buttonsOf(const_cast<app::TfrmHlavni&>(form));
    for (std::size_t b = 0; b < buttons.size(); ++b)
        if (buttons.at(b)->enabled() && buttons.at(b)->visible())
            out.push_back({Action::Kind::Button, static_cast<std::int16_t>(b)});
}

void perform(app::TfrmHlavni& form, const Action& a) {
    switch (a.kind) {
        case Action::Kind::Click: form.stack.click(a.x, a.y); break;
        case Action::Kind::Select: form.lbPredmety.click(a.index); break;
        case Action::Kind::DoubleClick: form.lbPredmety.doubleClick(a.index); break;
        case Action::Kind::SelectNone: form.lbPredmety.click(std::nullopt); break;
        case Action::Kind::Button: {
            ui::Component& b = *buttonsOf(form).at(static_cast<std::size_t>(a.index));
            if (b.onClick) b.onClick();
            break;
        }
    }
}

std::string scriptLines(const app::TfrmHlavni& form, const Action& a) {
    // kvelnor-script takes comments only on lines of their own.
    const auto entry = [&] {
        return "# " + form.lbPredmety.caption(a.index) + "\n" + (a.kind == Action::Kind::Select ? "select" : "dblclick") +
               " #" + std::to_string(a.index);
    };
    switch (a.kind) {
        case Action::Kind::Click:
            return "# " + form.stack.all().at(static_cast<std::size_t>(a.index))->name() + "\nclick " +
                   std::to_string(a.x) + " " + std::to_string(a.y);
        case Action::Kind::Select:
        case Action::Kind::DoubleClick: return entry();
        case Action::Kind::SelectNone: return "select none";
        case Action::Kind::Button: return std::string("button ") + kButtonCaptions.at(static_cast<std::size_t>(a.index));
    }
    return {};
}

}  // namespace explore
