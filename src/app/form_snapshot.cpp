#include "app/form_snapshot.hpp"

#include "app/main_form.hpp"

#include <unordered_map>


namespace app {

namespace {

// Every picture path, text and caption ever snapshotted, numbered in the order first seen.
class StringTable {
public:
    std::int32_t number(const std::string& s) {
        auto [it, fresh] = numbers_.try_emplace(s, static_cast<std::int32_t>(strings_.size()));
        if (fresh) strings_.push_back(&it->first);
        return it->second;
    }
    const std::string& text(std::int32_t n) const { return *strings_.at(static_cast<std::size_t>(n)); }

private:
    std::unordered_map<std::string, std::int32_t> numbers_;
    std::vector<const std::string*> strings_;
};

StringTable& strings() {
    static StringTable table;
    return table;
}

std::vector<ui::Component*> allComponents(const TfrmHlavni& form) {
    std::vector<ui::Component*> all;
    for (const auto& c : form.stack.all()) all.push_back(c.get());
    auto& f = const_cast<TfrmHlavni&>(form);
    for (ui::Component* c : {&f.lblText, &f.btnZpet, &f.btnPruzkum, &f.btnSpojit}) all.push_back(c);
    return all;
}

bool steersPlay(const ui::Component& c) {
    switch (c.kind()) {
        case ui::ComponentKind::Hotspot:
        case ui::ComponentKind::MapSpot:
        case ui::ComponentKind::Shield:
        case ui::ComponentKind::Button:
            return true;
        default:
            return false;
    }
}

std::array<ui::Timer*, 4> timersOf(TfrmHlavni& f) { return {&f.Timer, &f.TimerX, &f.Timer2, &f.TimerDead}; }

}  // namespace

FormSnapshot takeSnapshot(const TfrmHlavni& form) {
    FormSnapshot s;
    s.state = form.state;
    for (const ui::Component* c : allComponents(form))
        s.components.push_back({c->enabled(), c->visible(), static_cast<std::int16_t>(c->rect().left),
                                static_cast<std::int16_t>(c->rect().top), c->cursor(), strings().number(c->picture()),
                                strings().number(c->text()), steersPlay(*c)});
    for (const std::string& caption : form.lbPredmety.captions()) s.inventory.push_back(strings().number(caption));
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
        const std::string& picture = strings().text(cs.picture);
        if (c.picture() != picture) c.setPicturePath(picture);
        c.setText(strings().text(cs.text));
    }
    form.lbPredmety.clear();
    for (const std::int32_t caption : s.inventory) form.lbPredmety.append(strings().text(caption));
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
    for (const ComponentSnapshot& c : s.components)
        if (c.steersPlay) key.push_back(static_cast<char>('0' + (c.enabled ? 1 : 0) + (c.visible ? 2 : 0)));
    key.push_back('|');
    for (const std::int32_t caption : s.inventory) key.append(reinterpret_cast<const char*>(&caption), sizeof caption);
    key.push_back(static_cast<char>('0' + (s.listEnabled ? 1 : 0) + (s.listVisible ? 2 : 0)));
    for (const TimerSnapshot& t : s.timers) {
        key.push_back(t.enabled ? 'T' : 't');
        key.append(reinterpret_cast<const char*>(&t.interval), sizeof t.interval);
    }
    return key;
}

}  // namespace app
