#include "app/form_snapshot.hpp"

#include "app/main_form.hpp"


namespace app {

namespace {

std::vector<ui::Component*> allComponents(const TfrmHlavni& form) {
    std::vector<ui::Component*> all;
    for (const auto& c : form.stack.all()) all.push_back(c.get());
    auto& f = const_cast<TfrmHlavni&>(form);
    for (ui::Component* c : {&f.lblText, &f.btnZpet, &f.btnPruzkum, &f.btnSpojit}) all.push_back(c);
    return all;
}

std::array<ui::Timer*, 4> timersOf(TfrmHlavni& f) { return {&f.Timer, &f.TimerX, &f.Timer2, &f.TimerDead}; }

}  // namespace

FormSnapshot takeSnapshot(const TfrmHlavni& form) {
    FormSnapshot s;
    s.state = form.state;
    for (const ui::Component* c : allComponents(form))
        s.components.push_back({c->enabled(), c->visible(), c->rect().left, c->rect().top, c->cursor(), c->picture(),
                                c->text()});
    s.inventory = form.lbPredmety.captions();
    s.selected = form.lbPredmety.selected();
    s.listEnabled = form.lbPredmety.enabled();
    s.listVisible = form.lbPredmety.visible();
    auto timers = timersOf(const_cast<TfrmHlavni&>(form));
    for (std::size_t i = 0; i < timers.size(); ++i) s.timers.at(i) = {timers.at(i)->enabled(), timers.at(i)->interval()};
    for (const auto& item : form.mm.all()) {
        s.menuEnabled.push_back(item->enabled());
        s.menuChecked.push_back(item->checked());
    }
    return s;
}

void restoreSnapshot(TfrmHlavni& form, const FormSnapshot& s) {
    form.state = s.state;
    const std::vector<ui::Component*> all = allComponents(form);
    for (std::size_t i = 0; i < all.size(); ++i) {
        ui::Component& c = *all[i];
        const ComponentSnapshot& cs = s.components.at(i);
        c.setEnabled(cs.enabled);
        c.setVisible(cs.visible);
        c.setLeft(cs.left);
        c.setTop(cs.top);
        c.setCursor(cs.cursor);
        if (c.picture() != cs.picture) c.setPicturePath(cs.picture);
        c.setText(cs.text);
    }
    form.lbPredmety.clear();
    for (const std::string& caption : s.inventory) form.lbPredmety.append(caption);
    form.lbPredmety.select(s.selected);
    form.lbPredmety.setEnabled(s.listEnabled);
    form.lbPredmety.setVisible(s.listVisible);
    auto timers = timersOf(form);
    for (std::size_t i = 0; i < timers.size(); ++i) {
        timers.at(i)->setEnabled(false);
        timers.at(i)->setInterval(s.timers.at(i).interval);
        timers.at(i)->setEnabled(s.timers.at(i).enabled);
    }
    const auto& items = form.mm.all();
    for (std::size_t i = 0; i < items.size(); ++i) {
        items[i]->setEnabled(s.menuEnabled.at(i));
        if (items[i]->checked() != s.menuChecked.at(i)) items[i]->setChecked(s.menuChecked.at(i));
    }
}

std::string progressKey(const FormSnapshot& s) {
    std::string key;
    key.reserve(512);
    forEachScalar(s.state, [&](const char*, std::int32_t v) { key.append(reinterpret_cast<const char*>(&v), sizeof v); });
    for (int k = 1; k <= kHeldFlagCount; ++k) key.push_back(static_cast<char>('0' + s.state.heldFlags.at(static_cast<std::size_t>(k))));
    key.push_back('|');
    for (const ComponentSnapshot& c : s.components) key.push_back(static_cast<char>('0' + (c.enabled ? 1 : 0) + (c.visible ? 2 : 0)));
    key.push_back('|');
    for (const std::string& caption : s.inventory) {
        key += caption;
        key.push_back(';');
    }
    key.push_back(static_cast<char>('0' + (s.listEnabled ? 1 : 0) + (s.listVisible ? 2 : 0)));
    for (const TimerSnapshot& t : s.timers) {
        key.push_back(t.enabled ? 'T' : 't');
        key.append(reinterpret_cast<const char*>(&t.interval), sizeof t.interval);
    }
    return key;
}

}  // namespace app
