#include "script/state_json.hpp"

#include "checkpoint/position_file.hpp"

namespace script {

namespace {

Json componentJson(const ui::Component& c) {
    Json j;
    j["enabled"] = c.enabled();
    j["visible"] = c.visible();
    j["left"] = c.rect().left;
    j["top"] = c.rect().top;
    switch (c.kind()) {
        case ui::ComponentKind::Label:
        case ui::ComponentKind::Button:
            j["text"] = c.text();
            break;
        case ui::ComponentKind::Hotspot:
        case ui::ComponentKind::MapSpot:
            j["picture"] = c.picture();
            j["cursor"] = c.cursor();
            break;
        default:
            j["picture"] = c.picture();
            break;
    }
    return j;
}

Json timerJson(const ui::Timer& t) { return Json{{"enabled", t.enabled()}, {"interval", t.interval()}}; }

template <class T>
Json since(const std::vector<T>& all, std::size_t& reported) {
    Json out = Json::array();
    for (std::size_t i = reported; i < all.size(); ++i) out.push_back(all[i]);
    reported = all.size();
    return out;
}

}  // namespace

Json dumpState(Session& s) {
    app::TfrmHlavni& f = *s.form;
    Json j;
    j["time_ms"] = s.clock.now();
    Json state;
    app::forEachScalar(f.state, [&](const char* name, std::int32_t value) { state[name] = value; });
    Json flags = Json::array();
    for (int k = 1; k <= app::kHeldFlagCount; ++k) flags.push_back(f.state.heldFlags.at(static_cast<std::size_t>(k)));
    state["heldFlags"] = flags;
    j["state"] = state;
    j["picture"] = f.imgHlavni->picture();
    j["lblText"] = f.lblText.text();
    j["lblX"] = Json{{"text", f.lblX->text()}, {"enabled", f.lblX->enabled()}};

    Json components;
    for (const auto& c : f.stack.all())
        if (c->name() != "lblX") components[c->name()] = componentJson(*c);
    for (const ui::Component* b : {&f.btnZpet, &f.btnPruzkum, &f.btnSpojit}) components[b->name()] = componentJson(*b);
    const ui::SortedList& list = f.lbPredmety;
    components["lbPredmety"] = Json{{"enabled", list.enabled()}, {"visible", list.visible()},
                                    {"left", list.rect().left}, {"top", list.rect().top}};
    j["components"] = components;

    j["inventory"] = list.shownCaptions();
    if (auto sel = list.selected())
        j["selected"] = *sel;
    else
        j["selected"] = nullptr;
    j["timers"] = Json{{"Timer", timerJson(f.Timer)}, {"TimerX", timerJson(f.TimerX)},
                       {"Timer2", timerJson(f.Timer2)}, {"TimerDead", timerJson(f.TimerDead)}};
    j["menu"] = Json{{"mmNahrat", {{"enabled", f.mmNahrat->enabled()}}},
                     {"mmVysoka", {{"checked", f.mmVysoka->checked()}}},
                     {"mmStredni", {{"checked", f.mmStredni->checked()}}},
                     {"mmNizka", {{"checked", f.mmNizka->checked()}}},
                     {"mmZvuky", {{"checked", f.mmZvuky->checked()}}}};
    j["sounds"] = since(s.platform.sounds, s.soundsReported);
    j["messages"] = since(s.platform.messages, s.messagesReported);
    j["quit"] = s.platform.quitRequested;
    Json history = Json::array();
    for (const std::string& line : f.dialogueHistory()) history.push_back(f.tr(line));
    j["history"] = history;
    Json reachable = Json::array();
    for (const ui::Component* c : f.reachableSpots()) reachable.push_back(c->name());
    j["reachable"] = reachable;
    Json saves;
    for (const app::TfrmHlavni::SlotSummary& slot : f.slotSummaries())
        saves[slot.slot == checkpoint::kAutoSlot ? "auto" : std::to_string(slot.slot)] = slot.place;
    j["saves"] = saves;
    return j;
}

}  // namespace script
