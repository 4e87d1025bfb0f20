#include "checkpoint/position_format.hpp"

#include "app/data_files.hpp"
#include "app/main_form.hpp"
#include "inventory/item_catalogue.hpp"
#include "inventory/item_names.hpp"

#include <algorithm>
#include <array>
#include <functional>
#include <string_view>

namespace checkpoint {

namespace {

using json::Value;

// Bounds that keep every later step of the game within int arithmetic and the window.
constexpr std::int64_t kCounterLimit = 1'000'000;  // a counter grows by one per tick
constexpr int kPlaceLimit = 10'000;                // a component's corner, in window pixels
constexpr std::size_t kTextLimit = 4096;           // bytes of a label's text or a hint
constexpr std::size_t kEntryLimit = 64;            // the list never holds more than its items
constexpr int kLastCursor = app::kCursorLeft;
constexpr int kLastStage = 42;                     // storyStage: the phone call for help
constexpr int kLastReturnMode = 2;                 // the map with the factory
constexpr std::size_t kHistoryLimit = 5000;        // lines the game keeps for the player

struct Bounds {
    std::int64_t low;
    std::int64_t high;
};

// The flags of the game state are 0 or 1; the counters and numbers only need to stay far from
// overflow; storyStage and returnMode have their few documented values.
Bounds boundsOf(std::string_view name) {
    static constexpr std::array<std::string_view, 19> kFlags = {
        "nailTaken", "hammerTaken", "soundOn", "soundMenuArmed", "cardOwned", "lineTaken", "wireTaken",
        "rodTaken", "nutTaken", "magazineOut", "cartridgesOut", "notebookCarried", "cashPaidOut",
        "combineArmed", "tillSoundPlayed", "shotSoundPlayed", "hammerSoundPlayed", "atmSoundPlayed",
        "notebookLeft"};
    if (std::find(kFlags.begin(), kFlags.end(), name) != kFlags.end()) return {0, 1};
    if (name == "storyStage") return {0, kLastStage};
    if (name == "returnMode") return {0, kLastReturnMode};
    return {-kCounterLimit, kCounterLimit};
}

// The components a position covers, in the form's order: the picture stack, then the child
// windows the stack does not hold.
std::vector<const ui::Component*> componentsOf(const app::TfrmHlavni& form) {
    std::vector<const ui::Component*> all;
    for (const auto& c : form.stack.all()) all.push_back(c.get());
    for (const ui::Component* c : {&form.lblText, &form.btnZpet, &form.btnPruzkum, &form.btnSpojit}) all.push_back(c);
    return all;
}

std::vector<ui::Component*> componentsOf(app::TfrmHlavni& form) {
    std::vector<ui::Component*> all;
    for (const auto& c : form.stack.all()) all.push_back(c.get());
    for (ui::Component* c : {&form.lblText, &form.btnZpet, &form.btnPruzkum, &form.btnSpojit}) all.push_back(c);
    return all;
}

Value timerJson(const ui::Timer& t) {
    Value v = Value::object();
    v.set("enabled", Value::of(t.enabled()));
    v.set("interval", Value::of(t.interval()));
    return v;
}

bool isPicture(const std::string& path) {
    if (path.empty()) return true;
    const bool bitmap = path.size() > 4 && path.compare(path.size() - 4, 4, ".bmp") == 0;
    return bitmap && std::find(app::kAllDataFiles.begin(), app::kAllDataFiles.end(), path) != app::kAllDataFiles.end();
}

// Text the game could show: bounded, line breaks but no other control characters (the reader
// has already refused invalid UTF-8).
bool isShownText(const std::string& text) {
    if (text.size() > kTextLimit) return false;
    return std::none_of(text.begin(), text.end(), [](char c) { return static_cast<unsigned char>(c) < 0x20 && c != '\n'; });
}

// Reads the members of one document, remembering the first thing that is wrong.
class Reader {
public:
    std::string bad;
    std::string scenePicture;

    const Value* member(const Value& object, std::string_view key, Value::Kind kind, const std::string& path) {
        const Value* v = object.find(key);
        if (v == nullptr || v->kind != kind) return fail(path);
        return v;
    }

    bool flag(const Value& object, std::string_view key, const std::string& path, bool& out) {
        const Value* v = member(object, key, Value::Kind::Bool, path);
        if (v != nullptr) out = v->boolean;
        return v != nullptr;
    }

    bool number(const Value& object, std::string_view key, const std::string& path, Bounds bounds, int& out) {
        const Value* v = member(object, key, Value::Kind::Integer, path);
        if (v == nullptr) return false;
        if (v->integer < bounds.low || v->integer > bounds.high) return fail(path) != nullptr;
        out = static_cast<int>(v->integer);
        return true;
    }

    bool text(const Value& object, std::string_view key, const std::string& path, std::string& out) {
        const Value* v = member(object, key, Value::Kind::String, path);
        if (v == nullptr) return false;
        if (!isShownText(v->text)) return fail(path) != nullptr;
        out = v->text;
        return true;
    }

    const Value* fail(const std::string& path) {
        if (bad.empty()) bad = path;
        return nullptr;
    }

    bool state(const Value& body, app::GameState& out) {
        const Value* s = member(body, "state", Value::Kind::Object, "state");
        if (s == nullptr) return false;
        bool ok = true;
        app::forEachScalar(out, [&](const char* name, std::int32_t& value) {
            int read = 0;
            if (ok && (ok = number(*s, name, std::string("state.") + name, boundsOf(name), read))) value = read;
        });
        if (!ok) return false;
        const Value* flags = member(*s, "heldFlags", Value::Kind::Array, "state.heldFlags");
        if (flags == nullptr) return false;
        if (flags->items.size() != app::kHeldFlagCount) return fail("state.heldFlags") != nullptr;
        for (int k = 1; k <= app::kHeldFlagCount; ++k) {
            const Value& f = flags->items[static_cast<std::size_t>(k - 1)];
            if (f.kind != Value::Kind::Integer || (f.integer != 0 && f.integer != 1))
                return fail("state.heldFlags." + std::to_string(k)) != nullptr;
            out.heldFlags.at(static_cast<std::size_t>(k)) = static_cast<std::int32_t>(f.integer);
        }
        return true;
    }

    bool components(const Value& body, const app::TfrmHlavni& form, std::vector<ComponentLook>& out) {
        const Value* all = member(body, "components", Value::Kind::Object, "components");
        if (all == nullptr) return false;
        const std::vector<const ui::Component*> expected = componentsOf(form);
        // Exactly the form's components: none missing (checked one by one), none extra.
        if (all->members.size() != expected.size()) return fail("components") != nullptr;
        for (const ui::Component* c : expected) {
            const std::string path = "components." + c->name();
            const Value* v = member(*all, c->name(), Value::Kind::Object, path);
            if (v == nullptr) return false;
            ComponentLook look;
            const Bounds place{-kPlaceLimit, kPlaceLimit};
            if (!flag(*v, "enabled", path + ".enabled", look.enabled) || !flag(*v, "visible", path + ".visible", look.visible) ||
                !number(*v, "left", path + ".left", place, look.left) || !number(*v, "top", path + ".top", place, look.top) ||
                !text(*v, "picture", path + ".picture", look.picture) || !text(*v, "text", path + ".text", look.text) ||
                !text(*v, "hint", path + ".hint", look.hint) ||
                !number(*v, "cursor", path + ".cursor", {0, kLastCursor}, look.cursor))
                return false;
            if (!isPicture(look.picture)) return fail(path + ".picture") != nullptr;
            if (c == form.imgHlavni) scenePicture = look.picture;
            out.push_back(std::move(look));
        }
        return true;
    }

    bool list(const Value& body, Position& out) {
        const Value* l = member(body, "list", Value::Kind::Object, "list");
        if (l == nullptr || !flag(*l, "enabled", "list.enabled", out.listEnabled) ||
            !flag(*l, "visible", "list.visible", out.listVisible))
            return false;
        const Value* entries = member(*l, "entries", Value::Kind::Array, "list.entries");
        if (entries == nullptr) return false;
        if (entries->items.size() > kEntryLimit) return fail("list.entries") != nullptr;
        for (const Value& e : entries->items) {
            if (e.kind != Value::Kind::String || inventory::itemByCaption(e.text) == nullptr)
                return fail("list.entries") != nullptr;
            // The list keeps its fixed order; a position listing them otherwise is no saved one.
            if (!out.entries.empty()) {
                const std::string& before = out.entries.back();
                const int rb = item::rank(before);
                const int re = item::rank(e.text);
                if (rb > re || (rb == re && before > e.text)) return fail("list.entries") != nullptr;
            }
            out.entries.push_back(e.text);
        }
        const Value* selected = l->find("selected");
        if (selected == nullptr) return fail("list.selected") != nullptr;
        if (selected->kind == Value::Kind::Null) return true;
        if (selected->kind != Value::Kind::Integer || selected->integer < 0 ||
            selected->integer >= static_cast<std::int64_t>(out.entries.size()))
            return fail("list.selected") != nullptr;
        out.selected = static_cast<int>(selected->integer);
        return true;
    }

    bool timer(const Value& timers, const char* name, std::initializer_list<int> intervals, TimerRun& out) {
        const std::string path = std::string("timers.") + name;
        const Value* t = member(timers, name, Value::Kind::Object, path);
        if (t == nullptr || !flag(*t, "enabled", path + ".enabled", out.enabled) ||
            !number(*t, "interval", path + ".interval", {0, kCounterLimit}, out.interval))
            return false;
        if (std::find(intervals.begin(), intervals.end(), out.interval) == intervals.end())
            return fail(path + ".interval") != nullptr;
        return true;
    }

    bool timers(const Value& body, Position& out) {
        const Value* t = member(body, "timers", Value::Kind::Object, "timers");
        const std::initializer_list<int> speeds = {app::kIntervalHigh, app::kIntervalMedium, app::kIntervalLow};
        if (t == nullptr || !timer(*t, "Timer", speeds, out.timer) || !timer(*t, "TimerX", {app::kTimerXInterval}, out.timerX) ||
            !timer(*t, "Timer2", speeds, out.timer2) || !timer(*t, "TimerDead", {app::kTimerDeadInterval}, out.timerDead))
            return false;
        // One speed setting drives both story timers.
        if (out.timer2.interval != out.timer.interval) return fail("timers.Timer2.interval") != nullptr;
        return true;
    }

    bool history(const Value& body, Position& out) {
        const Value* lines = member(body, "history", Value::Kind::Array, "history");
        if (lines == nullptr) return false;
        if (lines->items.size() > kHistoryLimit) return fail("history") != nullptr;
        for (const Value& line : lines->items) {
            if (line.kind != Value::Kind::String || line.text.empty() || !isShownText(line.text)) return fail("history") != nullptr;
            out.history.push_back(line.text);
        }
        return true;
    }

    bool menu(const Value& body, Position& out) {
        const Value* m = member(body, "menu", Value::Kind::Object, "menu");
        return m != nullptr && flag(*m, "mmNahrat", "menu.mmNahrat", out.nahratEnabled) &&
               flag(*m, "mmZvuky", "menu.mmZvuky", out.soundChecked);
    }
};

}  // namespace

json::Value positionJson(const app::TfrmHlavni& form, const std::string& savedAt) {
    Value body = Value::object();
    body.set("format", Value::of(kFormatName));
    body.set("formatVersion", Value::of(kPositionFormat));
    body.set("gameVersion", Value::of(kGameVersion));
    body.set("savedAt", Value::of(savedAt));

    Value state = Value::object();
    app::forEachScalar(form.state, [&](const char* name, std::int32_t value) { state.set(name, Value::of(value)); });
    Value flags = Value::array();
    for (int k = 1; k <= app::kHeldFlagCount; ++k) flags.items.push_back(Value::of(form.state.heldFlags.at(static_cast<std::size_t>(k))));
    state.set("heldFlags", std::move(flags));
    body.set("state", std::move(state));

    Value components = Value::object();
    for (const ui::Component* c : componentsOf(form)) {
        Value v = Value::object();
        v.set("enabled", Value::of(c->enabled()));
        v.set("visible", Value::of(c->visible()));
        v.set("left", Value::of(c->rect().left));
        v.set("top", Value::of(c->rect().top));
        v.set("picture", Value::of(c->picture()));
        v.set("text", Value::of(c->text()));
        v.set("hint", Value::of(c->hint()));
        v.set("cursor", Value::of(c->cursor()));
        components.set(c->name(), std::move(v));
    }
    body.set("components", std::move(components));

    const ui::SortedList& list = form.lbPredmety;
    Value l = Value::object();
    l.set("enabled", Value::of(list.enabled()));
    l.set("visible", Value::of(list.visible()));
    Value entries = Value::array();
    for (const std::string& caption : list.captions()) entries.items.push_back(Value::of(caption));
    l.set("entries", std::move(entries));
    const std::optional<int> selected = list.selected();
    l.set("selected", selected ? Value::of(*selected) : Value::null());
    body.set("list", std::move(l));

    Value timers = Value::object();
    timers.set("Timer", timerJson(form.Timer));
    timers.set("TimerX", timerJson(form.TimerX));
    timers.set("Timer2", timerJson(form.Timer2));
    timers.set("TimerDead", timerJson(form.TimerDead));
    body.set("timers", std::move(timers));

    Value menu = Value::object();
    menu.set("mmNahrat", Value::of(form.mmNahrat->enabled()));
    menu.set("mmZvuky", Value::of(form.mmZvuky->checked()));
    body.set("menu", std::move(menu));

    Value history = Value::array();
    for (const std::string& line : form.dialogueHistory()) history.items.push_back(Value::of(line));
    body.set("history", std::move(history));
    return body;
}

PositionRead readPosition(const json::Value& body, const app::TfrmHlavni& form) {
    Reader r;
    Position p;
    const Value* savedAt = body.find("savedAt");
    if (savedAt == nullptr || savedAt->kind != Value::Kind::String || !isShownText(savedAt->text)) return {std::nullopt, "savedAt"};
    p.savedAt = savedAt->text;
    if (r.state(body, p.state) && r.components(body, form, p.components) && r.list(body, p) && r.timers(body, p) && r.menu(body, p) &&
        r.history(body, p))
    {
        p.scenePicture = r.scenePicture;
        return {std::move(p), {}};
    }
    return {std::nullopt, r.bad};
}

void applyPosition(app::TfrmHlavni& form, const Position& position) {
    form.state = position.state;
    form.setDialogueHistory(position.history);

    const std::vector<ui::Component*> components = componentsOf(form);
    for (std::size_t i = 0; i < components.size(); ++i) {
        ui::Component& c = *components[i];
        const ComponentLook& look = position.components[i];
        c.setEnabled(look.enabled);
        c.setVisible(look.visible);
        c.setLeft(look.left);
        c.setTop(look.top);
        c.setText(look.text);
        c.setHint(look.hint);
        c.setCursor(look.cursor);
        if (look.picture.empty()) {
            if (!c.picture().empty()) c.setPicturePath("");
        } else {
            form.loadPicture(c, look.picture);
        }
    }

    ui::SortedList& list = form.lbPredmety;
    list.clear();
    for (const std::string& caption : position.entries) list.append(caption);
    list.select(position.selected);
    list.setEnabled(position.listEnabled);
    list.setVisible(position.listVisible);

    // A timer that ran goes on from its counter with a fresh interval; one waiting tick of
    // the game that was replaced is dropped with the stop.
    const auto run = [](ui::Timer& timer, const TimerRun& saved) {
        timer.setEnabled(false);
        timer.setInterval(saved.interval);
        timer.setEnabled(saved.enabled);
    };
    run(form.Timer, position.timer);
    run(form.TimerX, position.timerX);
    run(form.Timer2, position.timer2);
    run(form.TimerDead, position.timerDead);

    for (ui::MenuItem* speed : {form.mmVysoka, form.mmStredni, form.mmNizka}) {
        const int interval = speed == form.mmVysoka ? app::kIntervalHigh
                             : speed == form.mmNizka ? app::kIntervalLow
                                                     : app::kIntervalMedium;
        speed->setChecked(interval == position.timer.interval);
    }
    form.mmZvuky->setChecked(position.soundChecked);
    // The checkpoint file outlives every position: a mark once there stays usable.
    if (position.nahratEnabled) form.mmNahrat->setEnabled(true);
}

}  // namespace checkpoint
